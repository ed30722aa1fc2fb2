#include "util/power.h"

#include <gtest/gtest.h>

#include <cmath>

namespace corvalis {
namespace {

TEST(StablePowerTest, WholeExponentsAreExactWhereTheResultFits) {
  EXPECT_EQ(StablePower(1234, 1), 1234);
  EXPECT_EQ(StablePower(1234, 2), 1522756);
  EXPECT_EQ(StablePower(-3, 3), -27);
  EXPECT_EQ(StablePower(57, 0), 1);
  EXPECT_EQ(StablePower(10, -2), 0.01);  // rounded once, like a literal
  EXPECT_EQ(StablePower(4, -1), 0.25);
  for (int base = 0; base < 3000; base += 7) {
    for (int e = 1; e <= 4; ++e) {
      ASSERT_EQ(StablePower(base, e), std::pow(static_cast<double>(base), e)) << base << "^" << e;
    }
  }
}

TEST(StablePowerTest, FractionalExponentsAndImpossibleCases) {
  EXPECT_EQ(StablePower(1600, 0.5), 40);
  EXPECT_NEAR(StablePower(57, 1.5), std::pow(57.0, 1.5), 1e-12);
  EXPECT_TRUE(std::isinf(StablePower(0, -1)));
  EXPECT_TRUE(std::isnan(StablePower(-4, 0.5)));
  EXPECT_EQ(StablePower(0, 1.5), 0);
}

}  // namespace
}  // namespace corvalis
