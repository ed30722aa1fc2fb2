// Publishing on real folders: the companion tools are small shell scripts
// named like the real ones, each leaving a marker file when it runs.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "e2e_support.h"

namespace corvalis::e2e {
namespace {

namespace fs = std::filesystem;

// Every page the run writes for a two-team league, in the order they are
// copied to the web folder.
const std::vector<std::string> kWebPages = {
    "bestrose.htm", "calenbomber.htm", "cannonieri.htm", "corvalis.htm",
    "fantasfiga.htm", "incomedia.htm", "incomtot.htm", "top11.htm",
    "top11s.htm", "flop11.htm", "flop11s.htm", "ultima.htm",
    "uomopartita.htm", "fanta.php", "sq1.htm", "sq2.htm", "grafici.htm",
};

// A shell script that leaves `marker` in the folder it runs in.
void WriteTool(const std::string& path, const std::string& marker) {
  WriteFile(path, "#!/bin/sh\necho avviato > '" + marker + "'\n");
  fs::permissions(path, fs::perms::owner_all | fs::perms::group_read |
                            fs::perms::group_exec | fs::perms::others_read |
                            fs::perms::others_exec);
}

// The tools run on their own after the program ends: wait until the marker
// shows up (a tool that never starts leaves the test to fail, not to hang).
bool MarkerAppears(const std::string& path) {
  for (int i = 0; i < 3000; ++i) {
    if (FileExists(path)) return true;
    usleep(10000);
  }
  return false;
}

class PublishE2eTest : public ::testing::Test {
 protected:
  // home: program folder and source folder; work: the working folder. The
  // league has matchdays 1 to `matchdays`.
  void WriteLeague(const std::string& folders, int matchdays = 2) {
    WriteFile(home_.File("conf.txt"), "Alfa\r\nBeta\r\n*\r\n" + folders + "3 4 3 0\r\n");
    for (int g = 1; g <= matchdays; ++g) {
      WriteFile(home_.File("Lega Risultati" + std::to_string(g) + ".tab"),
                ResultsExport(g, {AlfaBeta(true)}));
    }
    // The pages and scripts of an earlier run, which this run replaces.
    for (const std::string& page : kWebPages) WriteFile(home_.File(page), "vecchia\r\n");
    for (std::string script : {MatchdayScript(matchdays), std::string("crvCorvalisTot.js"),
                               std::string("crvTop11.js")}) {
      WriteFile(home_.File(script), "vecchio\r\n");
    }
  }
  static std::string MatchdayScript(int g) { return "crvCorvalisDati" + std::to_string(g) + ".js"; }
  RunResult Run() { return RunProgram(work_.path(), {"--home", home_.path()}); }

  ScratchFolder home_;
  ScratchFolder work_;
};

TEST_F(PublishE2eTest, ToolsCopiesArchiveAndHistoryScripts) {
  std::string web = home_.File("web");
  std::string js = home_.File("js");
  fs::create_directories(web);
  fs::create_directories(js);
  WriteLeague("DIR " + web + "\r\nDJS " + js + "\r\n");
  WriteTool(work_.File("estremi.exe"), "estremi.avviato");
  WriteTool(home_.File("Listino.exe"), "listino.avviato");
  WriteTool(home_.File("Annali.exe"), "annali.avviato");
  // What the history tool left from its previous run.
  std::string annali_js = home_.File("Annali_js");
  fs::create_directories(annali_js);
  WriteFile(home_.File("crvKxNext.js"), "next");
  WriteFile(annali_js + "/crvKxsqElenco.js", "elenco");
  std::vector<std::string> history = {"crvKxNext.js", "crvKxsqElenco.js"};
  for (int k = 1; k <= 10; ++k) {
    std::string team_script = "crvKxsq" + std::to_string(k) + ".js";
    std::string ranking_script = "crvKxPr" + std::to_string(k) + ".js";
    if (k != 3) {
      WriteFile(annali_js + "/" + team_script, team_script);
      history.push_back(team_script);
    }
    WriteFile(annali_js + "/" + ranking_script, ranking_script);
    history.push_back(ranking_script);
  }
  WriteFile(annali_js + "/crvKxsq12.js", "after the end of the list");

  RunResult run = Run();
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, "Corvalis 17.1   - Eseguito\n");
  EXPECT_EQ(run.status, 0);

  // Every tool runs in the working folder.
  EXPECT_TRUE(MarkerAppears(work_.File("estremi.avviato")));
  EXPECT_TRUE(MarkerAppears(work_.File("listino.avviato")));
  EXPECT_TRUE(MarkerAppears(work_.File("annali.avviato")));

  std::vector<std::string> expected_web = kWebPages;
  expected_web.insert(expected_web.end(), history.begin(), history.end());
  expected_web.push_back("corvalis.css");  // the site had none
  std::sort(expected_web.begin(), expected_web.end());
  EXPECT_EQ(FileNamesIn(web), expected_web);
  // The web folder receives this run's pages, not the earlier ones.
  for (const std::string& page : kWebPages) {
    EXPECT_NE(ReadFile(home_.File(page)), "vecchia\r\n") << page;
    EXPECT_EQ(ReadFile(web + "/" + page), ReadFile(home_.File(page))) << page;
  }
  EXPECT_EQ(ReadFile(web + "/crvKxPr3.js"), "crvKxPr3.js");
  EXPECT_EQ(ReadFile(web + "/crvKxNext.js"), "next");

  EXPECT_EQ(FileNamesIn(js),
            (std::vector<std::string>{"crvCorvalisDati2.js", "crvCorvalisTot.js", "crvTop11.js",
                                      "crvUtils.js"}));
  for (std::string script : {"crvCorvalisDati2.js", "crvCorvalisTot.js", "crvTop11.js"}) {
    EXPECT_NE(ReadFile(home_.File(script)), "vecchio\r\n") << script;
    EXPECT_EQ(ReadFile(js + "/" + script), ReadFile(home_.File(script))) << script;
  }

  // The archive copy goes to the working folder, named after the matchday.
  EXPECT_EQ(ReadFile(work_.File("ultima 2.htm")), ReadFile(home_.File("ultima.htm")));
  EXPECT_FALSE(FileExists(home_.File("ultima 2.htm")));
}

// A site with its own style sheet and script library keeps them, run after
// run; a site without gets ours, as lines ending in CR LF.
TEST_F(PublishE2eTest, ShippedAssetsOnlyWhereTheSiteHasNone) {
  std::string web = home_.File("web");
  std::string js = home_.File("js");
  fs::create_directories(web);
  fs::create_directories(js);
  WriteFile(web + "/corvalis.css", "body { color: red }");
  WriteLeague("DIR " + web + "\r\nDJS " + js + "\r\n");
  RunResult run = Run();
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ReadFile(web + "/corvalis.css"), "body { color: red }");
  EXPECT_FALSE(FileExists(web + "/crvUtils.js"));
  std::string library = ReadFile(js + "/crvUtils.js");
  EXPECT_EQ(library.rfind("/*\r\n * crvUtils.js", 0), 0u);
  size_t lines = 0, crlf = 0;
  for (size_t i = 0; i < library.size(); ++i) {
    lines += library[i] == '\n';
    crlf += library[i] == '\n' && i > 0 && library[i - 1] == '\r';
  }
  EXPECT_GT(lines, 50u);
  EXPECT_EQ(crlf, lines);

  WriteFile(js + "/crvUtils.js", "// ours now");  // the league edits it
  run = Run();
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ReadFile(js + "/crvUtils.js"), "// ours now");
  EXPECT_EQ(ReadFile(web + "/corvalis.css"), "body { color: red }");
}

// A league's first run: the coach-rating script of matchday 1 is published.
TEST_F(PublishE2eTest, FirstMatchdayAloneIsPublished) {
  std::string js = home_.File("js");
  fs::create_directories(js);
  WriteLeague("DJS " + js + "\r\n", 1);
  RunResult run = Run();
  EXPECT_EQ(run.err, "");
  ASSERT_EQ(run.status, 0);
  EXPECT_EQ(FileNamesIn(js),
            (std::vector<std::string>{"crvCorvalisDati1.js", "crvCorvalisTot.js", "crvTop11.js",
                                      "crvUtils.js"}));
  EXPECT_NE(ReadFile(home_.File("crvCorvalisDati1.js")), "vecchio\r\n");
  EXPECT_EQ(ReadFile(js + "/crvCorvalisDati1.js"), ReadFile(home_.File("crvCorvalisDati1.js")));
  EXPECT_EQ(ReadFile(work_.File("ultima 1.htm")), ReadFile(home_.File("ultima.htm")));
}

TEST_F(PublishE2eTest, WithoutFoldersOnlyToolsAndArchiveCopy) {
  WriteLeague("");
  WriteTool(home_.File("Listino.exe"), "listino.avviato");
  WriteTool(home_.File("estremi.exe"), "estremi.avviato");  // not the working folder
  WriteTool(work_.File("Annali.exe"), "annali.avviato");    // not the source folder
  RunResult run = Run();
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "Corvalis 17.1   - Eseguito\n");
  EXPECT_TRUE(MarkerAppears(work_.File("listino.avviato")));
  EXPECT_EQ(FileNamesIn(work_.path()),
            (std::vector<std::string>{"Annali.exe", "listino.avviato", "ultima 2.htm"}));
}

TEST_F(PublishE2eTest, MissingWebFolderEndsTheRunNamingTheFile) {
  std::string web = home_.File("sito-mancante");
  WriteLeague("DIR " + web + "\r\n");
  RunResult run = Run();
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find("Impossibile copiare il file " + home_.File("bestrose.htm") +
                         " in " + web + "/bestrose.htm"),
            std::string::npos)
      << run.err;
  // The pages themselves are complete in the source folder.
  EXPECT_TRUE(FileExists(home_.File("fanta.php")));
}

TEST_F(PublishE2eTest, ToolsThatCannotStartAreWarnings) {
  WriteLeague("");
  WriteFile(work_.File("estremi.exe"), "#!/bin/sh\n");  // no run bit
  WriteTool(home_.File("Listino.exe"), "listino.avviato");
  WriteFile(home_.File("Listino.exe"), "MZ\x90 not a program for this system");
  RunResult run = Run();
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "Corvalis 17.1   - Eseguito\n");
  EXPECT_NE(run.err.find("Impossibile avviare il programma ./estremi.exe"), std::string::npos)
      << run.err;
  EXPECT_NE(run.err.find("Impossibile avviare il programma " + home_.File("Listino.exe")),
            std::string::npos)
      << run.err;
}

}  // namespace
}  // namespace corvalis::e2e
