// The program as a whole: options, exit statuses and the messages that end
// a run.
#include <gtest/gtest.h>

#include <filesystem>

#include "e2e_support.h"

namespace corvalis::e2e {
namespace {

const char kConf[] = "Alfa\r\nBeta\r\n*\r\n3 4 3 0\r\n4 4 2 0\r\n";

TEST(DriverE2eTest, NoResultsFileEndsTheRunAndWritesNothing) {
  ScratchFolder home;
  WriteFile(home.File("conf.txt"), kConf);
  RunResult run = RunProgram(home.path(), {"--home", home.path()});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "Files Risultati Assenti\n");
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(FileNamesIn(home.path()), std::vector<std::string>{"conf.txt"});
}

// The folder given in the "--home=DIR" form.
TEST(DriverE2eTest, ResultsFileReachesTheCompletionMessage) {
  ScratchFolder home;
  WriteFile(home.File("conf.txt"), kConf);
  WriteFile(home.File("Lega Risultati1.tab"), ResultsExport(1, {AlfaBeta()}));
  RunResult run = RunProgram(home.path(), {"--home=" + home.path()});
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, "Corvalis 17.1   - Eseguito\n");
  EXPECT_EQ(run.status, 0);
}

// Messages reach the console in UTF-8: a name of a Windows-1252 export is
// converted, a UTF-8 one is shown as it is.
TEST(DriverE2eTest, MessagesAreUtf8WhateverTheLeaguesEncoding) {
  for (const char* name : {"Citt\xE0", "Citt\xC3\xA0"}) {
    ScratchFolder home;
    WriteFile(home.File("conf.txt"), kConf);
    WriteFile(home.File("Lega Risultati1.tab"), "Giornata 1\r\n" + MatchHeader(name, "Beta"));
    RunResult run = RunProgram(home.path(), {"--home", home.path()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Probabile errore nel conf.txt su --> Citt\xC3\xA0\n");
  }
}

// An away team that conf.txt does not list: said once for its block, and
// the run goes on.
TEST(DriverE2eTest, AwayTeamNotInConfIsOneWarning) {
  ScratchFolder home;
  WriteFile(home.File("conf.txt"), kConf);
  ExportBlock match = AlfaBeta(true);
  match.away = "Gamma";
  WriteFile(home.File("Lega Risultati1.tab"), ResultsExport(1, {match}));
  RunResult run = RunProgram(home.path(), {"--home", home.path()});
  EXPECT_EQ(run.err, "Problema con Gamma\n");
  EXPECT_EQ(run.status, 0);
}

TEST(DriverE2eTest, MissingConfIsAPlatformFailureNamingTheFile) {
  ScratchFolder home;
  RunResult run = RunProgram(home.path(), {"--home", home.path()});
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find(home.path() + "/conf.txt"), std::string::npos) << run.err;
}

TEST(DriverE2eTest, UnclosedTeamListStops) {
  ScratchFolder home;
  WriteFile(home.File("conf.txt"), "Alfa\r\nBeta\r\n");
  RunResult run = RunProgram(home.path(), {"--home", home.path()});
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("conf.txt"), std::string::npos) << run.err;
}

TEST(DriverE2eTest, Options) {
  ScratchFolder home;
  RunResult version = RunProgram(home.path(), {"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "Corvalis 17.1\n");

  RunResult help = RunProgram(home.path(), {"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("--home"), std::string::npos);

  RunResult bad = RunProgram(home.path(), {"--frobnicate"});
  EXPECT_EQ(bad.status, 2);
  EXPECT_NE(bad.err.find("--frobnicate"), std::string::npos);
  EXPECT_NE(bad.err.find("Uso:"), std::string::npos);

  for (const char* no_folder : {"--home", "--home="}) {
    RunResult run = RunProgram(home.path(), {no_folder});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err.rfind("L'opzione --home richiede una cartella\nUso:", 0), 0u) << run.err;
  }
}

}  // namespace
}  // namespace corvalis::e2e

namespace corvalis::e2e {
namespace {

TEST(DriverE2eTest, PageThatCannotBeWrittenStopsTheRunNamingIt) {
  ScratchFolder league;
  CopyFolder(RepoPath("examples/fantabar"), league.path());
  // A folder where the best squads page should go: the page cannot replace it.
  std::filesystem::create_directory(league.File("bestrose.htm"));
  RunResult run = RunProgram(league.path(), {"--home", league.path()});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find(league.File("bestrose.htm")), std::string::npos) << run.err;
  for (const std::string& name : FileNamesIn(league.path())) {
    EXPECT_EQ(name.find(".tmp"), std::string::npos) << name << " left behind";
    EXPECT_NE(name, "corvalis.htm");  // the stages after it never ran
  }
}

}  // namespace
}  // namespace corvalis::e2e
