// The player-ranking pages of whole runs, compared byte for byte.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e_support.h"

namespace corvalis::e2e {
namespace {

// Runs the program on a scratch copy of `league` (program folder and working
// folder alike) and compares `pages` with the files of `expected`.
void ExpectPages(const std::string& league, const std::string& expected,
                 const std::vector<std::string>& pages) {
  ScratchFolder home;
  CopyFolder(RepoPath(league), home.path());
  RunResult run = RunProgram(home.path(), {"--home", home.path()});
  ASSERT_EQ(run.status, 0) << run.err;
  for (const std::string& page : pages) {
    EXPECT_EQ(ReadFile(home.File(page)), ReadFile(RepoPath(expected + "/" + page)))
        << page;
  }
}

const std::vector<std::string> kPages = {
    "incomedia.htm", "incomtot.htm", "cannonieri.htm", "uomopartita.htm", "top11.htm",
    "crvTop11.js",   "flop11.htm",   "top11s.htm",     "flop11s.htm",     "fantasfiga.htm"};

TEST(RankingsE2eTest, SampleLeague) {
  ExpectPages("examples/fantabar", "tests/data/fantabar_expected", kPages);
}

// Four teams, two matchdays, worked out by hand. Among what it holds: the
// four best players of the last matchday are forwards, a name that two teams
// field on the last matchday, a player without a vote and one at -1 on the
// last matchday, a season threshold of 150 % that leaves out the players of
// a single matchday, tied goal and award counts, bench averages of exactly 6.
TEST(RankingsE2eTest, SmallLeagueWorkedOutByHand) {
  ExpectPages("tests/data/rankings_league", "tests/data/rankings_expected", kPages);
}

}  // namespace
}  // namespace corvalis::e2e
