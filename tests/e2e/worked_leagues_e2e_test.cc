// Small leagues worked out by hand: the pages each was worked out for, byte
// for byte. (The bundled demo league's pages are all checked by
// fantabar_e2e_test.cc.)
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e_support.h"

namespace corvalis::e2e {
namespace {

// Four teams, matchdays 1, 2 and 4: tied best modules, a score above Max,
// ties in the matchday order, a team whose block has no vote on the latest
// matchday (its module bonus is not given back), weighted and average
// orders that differ.
TEST(WorkedLeaguesE2eTest, CoachRating) {
  RunAndCompare("tests/data/rating_league", "tests/data/rating_expected",
                {"corvalis.htm", "bestrose.htm", "crvCorvalisTot.js", "crvCorvalisDati4.js"});
}

// Four teams, two matchdays. Among what it holds: the four best players of
// the last matchday are forwards, a name that two teams field on the last
// matchday, a player without a vote and one at -1 on the last matchday, a
// season threshold of 150 % that leaves out the players of a single
// matchday, tied goal and award counts, bench averages of exactly 6.
TEST(WorkedLeaguesE2eTest, PlayerRankings) {
  RunAndCompare("tests/data/rankings_league", "tests/data/rankings_expected",
                {"incomedia.htm", "incomtot.htm", "cannonieri.htm", "uomopartita.htm",
                 "top11.htm", "crvTop11.js", "flop11.htm", "top11s.htm", "flop11s.htm",
                 "fantasfiga.htm"});
}

// A cup match with extra-time and shoot-out goals, a tie among two
// defenders and a forward, a goalkeeper as man of the match, matchday 2
// missing, and credits for three of the four matches.
TEST(WorkedLeaguesE2eTest, CupCalendarWithMissingMatchdayAndCredits) {
  RunAndCompare("tests/data/matchday_cup/league", "tests/data/matchday_cup/expected",
                {"calenbomber.htm", "ultima.htm"});
}

// Two teams: Beta scores 3 and then 5 (average 4), Alfa 6 twice. A score of
// exactly 3 books no fantasfiga deviation, so Alfa's luck is +1 (5 - 4) over
// one match; Beta's is 0 over two, printed with a plus.
TEST(WorkedLeaguesE2eTest, FantasfigaLeavesOutAScoreOfThree) {
  ScratchFolder home;
  WriteFile(home.File("conf.txt"), "Alfa\r\nBeta\r\n*\r\n3 4 3 0\r\n");
  for (int g : {1, 2}) {
    ExportBlock match = AlfaBeta();
    match.away_total = g == 1 ? "3" : "5";
    WriteFile(home.File("Lega Risultati" + std::to_string(g) + ".tab"),
              ResultsExport(g, {match}));
  }
  RunResult run = RunProgram(home.path(), {"--home", home.path()});
  ASSERT_EQ(run.status, 0) << run.err;
  std::string page = ReadFile(home.File("fantasfiga.htm"));
  EXPECT_NE(page.find(">+1.00</td><td class=\"fsNOMEd\">Alfa<"), std::string::npos) << page;
  EXPECT_NE(page.find(">+0.00</td><td class=\"fsNOMEp\">Beta<"), std::string::npos) << page;
}

// The attendance tool's inputs are there but the tool cannot be started (no
// run bit): a warning, and the run goes on with the cred.txt it has.
TEST(WorkedLeaguesE2eTest, AttendanceToolThatCannotStart) {
  ScratchFolder home;
  CopyFolder(RepoPath("tests/data/matchday_cup/league"), home.path());
  WriteFile(home.File("Coppa Formazioni3.tab"), "formazioni\r\n");
  WriteFile(home.File("spet.txt"), "spettatori\r\n");
  WriteFile(home.File("affluenza.exe"), "not a program\r\n");
  RunResult run = RunProgram(home.path(), {"--home", home.path()});
  EXPECT_EQ(run.err.rfind("Impossibile avviare " + home.File("affluenza.exe") + ": ", 0), 0u)
      << run.err;
  EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(ReadFile(home.File("calenbomber.htm")),
            ReadFile(RepoPath("tests/data/matchday_cup/expected/calenbomber.htm")));
}

}  // namespace
}  // namespace corvalis::e2e
