// The coach-rating files of whole runs, compared byte for byte.
#include <gtest/gtest.h>

#include "e2e_support.h"

namespace corvalis::e2e {
namespace {

TEST(RatingE2eTest, SampleLeague) {
  RunAndCompare("examples/fantabar", "tests/data/fantabar_expected",
                {"corvalis.htm", "bestrose.htm", "crvCorvalisTot.js", "crvCorvalisDati6.js"});
}

// Four teams, matchdays 1, 2 and 4: tied best modules, a score above Max,
// ties in the matchday order, a team whose block has no vote on the latest
// matchday (its module bonus is not given back), weighted and average
// orders that differ.
TEST(RatingE2eTest, SmallLeagueWorkedOutByHand) {
  RunAndCompare("tests/data/rating_league", "tests/data/rating_expected",
                {"corvalis.htm", "bestrose.htm", "crvCorvalisTot.js", "crvCorvalisDati4.js"});
}

}  // namespace
}  // namespace corvalis::e2e
