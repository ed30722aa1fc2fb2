// The comparison helper itself: a page missing on either side, or on both,
// is a failure, never two equal empty texts.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "e2e_support.h"

namespace corvalis::e2e {
namespace {

TEST(RunAndCompareTest, AFileMissingOnEitherSideFails) {
  EXPECT_NONFATAL_FAILURE(
      RunAndCompare("tests/data/rating_league", "tests/data/rating_expected", {"nessuna.htm"}),
      "nessuna.htm not written");
  // The league has no matchday 6: the kept script of the demo league is not
  // written.
  EXPECT_NONFATAL_FAILURE(RunAndCompare("tests/data/rating_league",
                                        "tests/data/fantabar_expected", {"crvCorvalisDati6.js"}),
                          "crvCorvalisDati6.js not written");
  EXPECT_NONFATAL_FAILURE(
      RunAndCompare("tests/data/rating_league", "tests/data/rating_expected", {"fanta.php"}),
      "fanta.php is not among the expected files");
}

}  // namespace
}  // namespace corvalis::e2e
