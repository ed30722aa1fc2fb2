// The demo league with accented names, a quote and markup characters in
// them, once as a UTF-8 export writes it and once as a Windows-1252 one:
// every file byte for byte, and no message on the way.
#include <gtest/gtest.h>

#include <string>

#include "e2e_support.h"

namespace corvalis::e2e {
namespace {

class AccentsE2eTest : public ::testing::TestWithParam<const char*> {};

TEST_P(AccentsE2eTest, EveryFileAsExpected) {
  std::string base = std::string("tests/data/") + GetParam();
  RunAndCompareEveryFile(base + "/league", base + "/expected");
}

INSTANTIATE_TEST_SUITE_P(Leagues, AccentsE2eTest,
                         ::testing::Values("accents_utf8", "accents_cp1252"));

// Every league text read counts, cred.txt too: one Windows-1252 line in it
// makes the pages after it announce that charset, though conf.txt and the
// exports are plain ASCII.
TEST(AccentsE2eTest, CreditsInWindows1252SetTheCharset) {
  ScratchFolder league;
  CopyFolder(RepoPath("examples/fantabar"), league.path());
  WriteFile(league.File("cred.txt"),
            "Citt\xE0 (1) Roma (2) 3\r\n" + ReadFile(league.File("cred.txt")));
  RunResult run = RunProgram(league.path(), {"--home", league.path()});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ReadFile(league.File("fanta.php"))
                .rfind("<?php header('Content-Type: text/html; charset=windows-1252'); ?>", 0),
            0u);
}

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// What the expected files were checked for by hand, kept so that a careless
// update of them shows.
TEST(AccentsExpectedFilesTest, NamesAsTheMembersReadThem) {
  auto expected = [](const std::string& league, const std::string& name) {
    return ReadFile(RepoPath("tests/data/" + league + "/expected/" + name));
  };
  std::string utf8 = expected("accents_utf8", "calenbomber.htm");
  EXPECT_TRUE(Contains(utf8, ">Mont\xC3\xA8, Mont\xC3\xA8, Vlahovi\xC4\x87, Vlahovi\xC4\x87, "
                             "Mont\xC3\xA8<"));
  EXPECT_TRUE(Contains(utf8, ">Inter \"Nos\"<"));
  EXPECT_TRUE(Contains(utf8, ">Olimpia Birr&agrave;<"));
  EXPECT_TRUE(Contains(expected("accents_utf8", "crvCorvalisTot.js"),
                       "new CvTot(\"Inter \\\"Nos\\\"\",1.21,6)"));
  EXPECT_EQ(expected("accents_utf8", "fanta.php").substr(0, 61),
            "<?php header('Content-Type: text/html; charset=UTF-8'); ?>\r\n<");

  std::string cp1252 = expected("accents_cp1252", "calenbomber.htm");
  EXPECT_TRUE(Contains(cp1252, ">Mont\xE8, Mont\xE8, Ferraro, Ferraro, Mont\xE8<"));
  EXPECT_TRUE(Contains(cp1252, ">Jankovi\xE7, Jankovi\xE7<"));
  EXPECT_TRUE(Contains(cp1252, ">Serra &amp; &lt;figli&gt;, Serra &amp; &lt;figli&gt;, Tosi<"));
  EXPECT_TRUE(Contains(expected("accents_cp1252", "cannonieri.htm"),
                       ">D'ALESSANDRO Dan (bayer &lt;never&gt; &amp; lusa)<"));
  EXPECT_TRUE(Contains(expected("accents_cp1252", "crvTop11.js"),
                       "new T11(\"A\",\"MONT\\u00C8 Iva\",\"Nizza Panettone\",17.5)"));
  EXPECT_EQ(expected("accents_cp1252", "fanta.php").substr(0, 68),
            "<?php header('Content-Type: text/html; charset=windows-1252'); ?>\r\n<");

  // The data scripts are ASCII, whatever charset a server announces.
  for (const char* league : {"accents_utf8", "accents_cp1252"}) {
    for (const char* script : {"crvCorvalisTot.js", "crvCorvalisDati6.js", "crvTop11.js"}) {
      for (unsigned char c : expected(league, script)) {
        ASSERT_LT(c, 0x80) << league << " " << script;
      }
    }
  }
}

}  // namespace
}  // namespace corvalis::e2e
