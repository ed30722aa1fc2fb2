#include "rating/by_maximum.h"

#include <gtest/gtest.h>

namespace corvalis {
namespace {

TEST(ByMaximumTest, HighestFirstTiesInRowOrderNegativesNever) {
  const double values[] = {0, 3, 0, 5, -1, 3};
  auto value = [&](int row) { return values[row]; };
  EXPECT_EQ(ByRepeatedMaximum(5, value, true), (std::vector<int>{3, 1, 5, 2}));
  EXPECT_EQ(ByRepeatedMaximum(5, value, false), (std::vector<int>{3, 1, 5}));
  EXPECT_TRUE(ByRepeatedMaximum(0, value, true).empty());
}

}  // namespace
}  // namespace corvalis
