#include "publish/publishing.h"

#include <gtest/gtest.h>

#include <memory>
#include <utility>

#include "platform/fake_env.h"
#include "platform/file_names.h"
#include "site/site_assets.h"
#include "util/run_stop.h"

namespace corvalis {
namespace {

using Copy = std::pair<std::string, std::string>;

const char* const kPages[] = {
    "bestrose.htm", "calenbomber.htm", "cannonieri.htm", "corvalis.htm",
    "fantasfiga.htm", "incomedia.htm", "incomtot.htm", "top11.htm",
    "top11s.htm", "flop11.htm", "flop11s.htm", "ultima.htm",
    "uomopartita.htm", "fanta.php", "sq1.htm", "sq2.htm", "grafici.htm",
};

class PublishingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    league_.program_folder = "C:\\prog";
    league_.source_dir = "C:\\lega\\";  // as conf.txt sets it
    league_.teams = {"Alfa", "Beta"};
    for (const char* page : kPages) env_.AddFile(std::string("C:\\lega\\") + page, page);
    for (const char* script : {"crvCorvalisTot.js", "crvTop11.js"}) {
      env_.AddFile(std::string("C:\\lega\\") + script, script);
    }
  }
  std::vector<std::string> Warnings() const {
    std::vector<std::string> texts;
    for (const auto& m : env_.messages()) {
      if (m.kind == MessageKind::kWarning) texts.push_back(m.text);
    }
    return texts;
  }
  void Publish() { PublishSite(env_, league_, 7); }
  FakeEnv env_{"C:\\prog"};
  League league_;
};

TEST_F(PublishingTest, WithoutFoldersOnlyTheArchiveCopy) {
  Publish();
  EXPECT_EQ(env_.copies(), (std::vector<Copy>{{"C:/lega/ultima.htm", "ultima 7.htm"}}));
  EXPECT_EQ(env_.Contents("ultima 7.htm"), "ultima.htm");
  EXPECT_TRUE(env_.starts().empty());
  EXPECT_TRUE(env_.messages().empty());
}

TEST_F(PublishingTest, ToolsAreStartedFromWhereTheyWereFound) {
  env_.AddFile("ESTREMI.exe", "");
  env_.AddFile("C:\\prog\\listino.exe", "");
  env_.AddFile("C:\\lega\\Annali.exe", "");
  env_.AddFile("Listino.exe", "");  // the working folder's copy is not the one
  Publish();
  EXPECT_EQ(env_.starts(), (std::vector<std::string>{"ESTREMI.exe", "C:/prog/listino.exe",
                                                     "C:/lega/Annali.exe"}));
}

TEST_F(PublishingTest, ToolThatCannotStartIsAWarning) {
  env_.AddFile("estremi.exe", "");
  env_.MakeUnstartable("estremi.exe");
  env_.AddFile("C:\\prog\\Listino.exe", "");
  Publish();
  EXPECT_EQ(env_.starts(), std::vector<std::string>{"C:/prog/Listino.exe"});
  std::vector<std::string> warnings = Warnings();
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_NE(warnings[0].find("estremi.exe"), std::string::npos);
}

TEST_F(PublishingTest, PagesGoToTheWebFolderInOrder) {
  league_.output_dir = "D:\\sito\\";
  CopyPagesToWebFolder(env_, league_);
  std::vector<Copy> expected;
  for (const char* page : kPages) {
    expected.emplace_back(std::string("C:/lega/") + page, std::string("D:/sito/") + page);
  }
  EXPECT_EQ(env_.copies(), expected);
}

TEST_F(PublishingTest, ShippedAssetsOnlyWhereTheSiteHasNone) {
  league_.output_dir = "D:\\sito\\";
  league_.js_dir = "D:\\js\\";
  InstallSiteAssets(env_, league_);
  EXPECT_EQ(env_.Contents("D:\\sito\\corvalis.css"), AssetFile(CorvalisCssText()));
  EXPECT_EQ(env_.Contents("D:\\js\\crvUtils.js"), AssetFile(CrvUtilsJsText()));
  EXPECT_FALSE(env_.HasFile("D:\\sito\\crvUtils.js"));
  EXPECT_FALSE(env_.HasFile("D:\\js\\corvalis.css"));

  // The league's own files stay, whatever the case of their names.
  env_.AddFile("D:\\sito\\Corvalis.CSS", "body { color: red }");
  env_.RemoveFile("D:\\sito\\corvalis.css");
  env_.AddFile("D:\\js\\crvUtils.js", "function invertiDisplayLayer(id) {}");
  InstallSiteAssets(env_, league_);
  EXPECT_FALSE(env_.HasFile("D:\\sito\\corvalis.css"));
  EXPECT_EQ(env_.Contents("D:\\sito\\Corvalis.CSS"), "body { color: red }");
  EXPECT_EQ(env_.Contents("D:\\js\\crvUtils.js"), "function invertiDisplayLayer(id) {}");
}

TEST_F(PublishingTest, NoFoldersNoAssets) {
  size_t files = env_.FileNames().size();
  InstallSiteAssets(env_, league_);
  EXPECT_EQ(env_.FileNames().size(), files);
}

TEST_F(PublishingTest, AssetThatCannotBeWrittenEndsTheRun) {
  league_.js_dir = "D:\\js\\";
  env_.MakeFolderUnwritable("D:\\js");
  try {
    InstallSiteAssets(env_, league_);
    FAIL() << "no stop";
  } catch (const RunStop& stop) {
    EXPECT_EQ(stop.status(), kExitPlatform);
    EXPECT_NE(std::string(stop.what()).find("Impossibile scrivere il file D:\\js\\crvUtils.js"),
              std::string::npos)
        << stop.what();
  }
}

TEST_F(PublishingTest, NewestCoachRatingScriptOnly) {
  league_.js_dir = "D:\\js\\";
  for (int g = 1; g <= 9; ++g) {
    env_.AddFile("C:\\lega\\crvCorvalisDati" + std::to_string(g) + ".js", "");
  }
  CopyScriptsToJsFolder(env_, league_);
  EXPECT_EQ(env_.copies(), (std::vector<Copy>{
                               {"C:/lega/crvCorvalisDati9.js", "D:/js/crvCorvalisDati9.js"},
                               {"C:/lega/crvCorvalisTot.js", "D:/js/crvCorvalisTot.js"},
                               {"C:/lega/crvTop11.js", "D:/js/crvTop11.js"}}));
  EXPECT_TRUE(env_.messages().empty());
}

TEST_F(PublishingTest, NoCoachRatingScriptWarnsTwiceAndGoesOn) {
  league_.js_dir = "D:\\js\\";
  CopyScriptsToJsFolder(env_, league_);
  EXPECT_EQ(Warnings(), (std::vector<std::string>{
                            "Problema con i path per crvCorvalisDati", " - "}));
  EXPECT_EQ(env_.copies().size(), 2u);
}

TEST_F(PublishingTest, FailedCopyEndsTheRunNamingTheFile) {
  league_.output_dir = "D:\\manca\\";
  env_.MakeFolderUnwritable("D:\\manca");
  try {
    Publish();
    FAIL() << "no stop";
  } catch (const RunStop& stop) {
    EXPECT_EQ(stop.status(), kExitPlatform);
    EXPECT_EQ(std::string(stop.what()).rfind(
                  "Impossibile copiare il file C:\\lega\\\\bestrose.htm in "
                  "D:\\manca\\bestrose.htm",
                  0),
              0u)
        << stop.what();
  }

  env_.RemoveFile("C:\\lega\\ultima.htm");
  league_.output_dir.clear();
  EXPECT_THROW(ArchiveLastMatchday(env_, league_, 7), RunStop);
}

}  // namespace
}  // namespace corvalis
