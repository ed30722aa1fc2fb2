// The player-ranking pages of whole runs, compared byte for byte.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e_support.h"

namespace corvalis::e2e {
namespace {

const std::vector<std::string> kPages = {
    "incomedia.htm", "incomtot.htm", "cannonieri.htm", "uomopartita.htm", "top11.htm",
    "crvTop11.js",   "flop11.htm",   "top11s.htm",     "flop11s.htm",     "fantasfiga.htm"};

TEST(RankingsE2eTest, SampleLeague) {
  RunAndCompare("examples/fantabar", "tests/data/fantabar_expected", kPages);
}

// Four teams, two matchdays, worked out by hand. Among what it holds: the
// four best players of the last matchday are forwards, a name that two teams
// field on the last matchday, a player without a vote and one at -1 on the
// last matchday, a season threshold of 150 % that leaves out the players of
// a single matchday, tied goal and award counts, bench averages of exactly 6.
TEST(RankingsE2eTest, SmallLeagueWorkedOutByHand) {
  RunAndCompare("tests/data/rankings_league", "tests/data/rankings_expected", kPages);
}

}  // namespace
}  // namespace corvalis::e2e
