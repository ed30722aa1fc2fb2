// Leagues kept with their complete outputs: every file of the run against
// the kept ones, so that any change of a figure shows.
#include <gtest/gtest.h>

#include <string>

#include "e2e_support.h"

namespace corvalis::e2e {
namespace {

// The bundled demo league, used as program folder, source folder and
// working folder at once, run twice: the second run over the first one's
// pages writes the same files.
TEST(FantabarE2eTest, EveryFileAsExpectedTwiceInARow) {
  RunAndCompareEveryFile("examples/fantabar", "tests/data/fantabar_expected", 2);
}

// Generated seasons.
class GoldenSeasonTest : public ::testing::TestWithParam<const char*> {};

TEST_P(GoldenSeasonTest, EveryFileAsKept) {
  std::string base = std::string("tests/data/") + GetParam();
  RunAndCompareEveryFile(base + "/league", base + "/expected");
}

// golden_small: 4 teams, 3 matchdays, SQ, cup matches with a shoot-out,
// exponent 2. golden_gaps: 6 teams, matchday 4 missing, exponent 1.5, no
// Panchine.txt.
INSTANTIATE_TEST_SUITE_P(Seasons, GoldenSeasonTest,
                         ::testing::Values("golden_small", "golden_gaps"));

}  // namespace
}  // namespace corvalis::e2e
