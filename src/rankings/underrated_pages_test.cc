#include "rankings/underrated_pages.h"

#include <gtest/gtest.h>

#include <random>

#include "util/text.h"

namespace corvalis {
namespace {

TEST(UnderratedPagesTest, FiguresHaveAtLeastTwoDecimals) {
  EXPECT_EQ(AtLeastTwoDecimals("6"), "6.00");
  EXPECT_EQ(AtLeastTwoDecimals("6.5"), "6.50");
  EXPECT_EQ(AtLeastTwoDecimals(" 123"), "123.00");
  EXPECT_EQ(AtLeastTwoDecimals("12.125"), "12.125");
  EXPECT_EQ(AtLeastTwoDecimals(".5"), ".50");
}

// The figure made in place is the one made from the written value, and a
// sum's written form ("  12.5") gives the same figure as its plain one.
TEST(UnderratedPagesTest, FiguresMadeInPlaceAgreeWithTheWrittenValue) {
  std::mt19937_64 random(3);
  std::uniform_int_distribution<long long> hundredths(-99999999999999, 99999999999999);
  char chars[32];
  for (int i = 0; i < 100000; ++i) {
    long long k = hundredths(random) >> (i % 50);
    for (double value : {k / 100.0, static_cast<double>(k), k / 100.0 + 1e-9, k / 3.0}) {
      std::string_view figure = AtLeastTwoDecimals(value, chars);
      if (figure.empty()) continue;
      ASSERT_EQ(figure, AtLeastTwoDecimals(PlainNumber(value))) << value;
      ASSERT_EQ(figure, AtLeastTwoDecimals(NumberText(value))) << value;
    }
    ASSERT_FALSE(AtLeastTwoDecimals(k / 100.0, chars).empty()) << k;
  }
  EXPECT_EQ(AtLeastTwoDecimals(0.0, chars), "0.00");
  EXPECT_EQ(AtLeastTwoDecimals(-0.5, chars), "-.50");
  EXPECT_TRUE(AtLeastTwoDecimals(1.0 / 3, chars).empty());
}

}  // namespace
}  // namespace corvalis
