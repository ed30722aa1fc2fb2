#include "rating/rating_text.h"

#include <gtest/gtest.h>

namespace corvalis {
namespace {

TEST(RatingTextTest, GapTexts) {
  EXPECT_EQ(GapText(0), " 0.00");
  EXPECT_EQ(GapText(2.5), " 2.50");
  EXPECT_EQ(GapText(12.5), "12.50");
  EXPECT_EQ(GapText(0.57), " 0.57");  // the cut value, not cut again
  EXPECT_EQ(GapText(123.45), "123.45");
  EXPECT_EQ(GapText(9999), "n/a");

  EXPECT_EQ(DayGapText(7), "  7.00");
  EXPECT_EQ(DayGapText(11.5), " 11.50");
  EXPECT_EQ(DayGapText(0.257), "  0.25");
  EXPECT_EQ(DayGapText(123.456), "123.45");
  EXPECT_EQ(DayGapText(9999), "n/a");

  EXPECT_EQ(GapPerVoteText(0.8), "0.80");
  EXPECT_EQ(GapPerVoteText(0), "0.00");
  EXPECT_EQ(GapPerVoteText(1.75), "1.75");
  EXPECT_EQ(GapPerVoteText(9999), "n/a");
}

TEST(RatingTextTest, WeightedTexts) {
  EXPECT_EQ(WeightedText(12.5), "12.500");
  EXPECT_EQ(WeightedText(1.5), "1.50");
  EXPECT_EQ(WeightedText(0.25), ".250");
  EXPECT_EQ(WeightedText(0.86), ".860");
  EXPECT_EQ(WeightedText(0.5), ".500");
  EXPECT_EQ(WeightedText(1.19), "1.19");
  EXPECT_EQ(WeightedText(0), ".00");
  EXPECT_EQ(WeightedText(5), "5.00");
  EXPECT_EQ(WeightedText(12), "12.000");
  EXPECT_EQ(WeightedText(900), "900.000");
  EXPECT_EQ(WeightedText(1440), "1440.000");
  EXPECT_EQ(WeightedText(9999), "n/a");
}

TEST(RatingTextTest, ScoreTexts) {
  EXPECT_EQ(ScoreText(76), "76.00");
  EXPECT_EQ(ScoreText(95.5), "95.50");
  EXPECT_EQ(ScoreText(103.5), "103.5");
  EXPECT_EQ(ScoreText(9.5), "9.5");
  EXPECT_EQ(ScoreText(66.125), "66.13");  // half away from zero
  EXPECT_EQ(ScoreText(71.005), "71.01");  // as written, not as stored
  EXPECT_EQ(ScoreText(82.999), "83.00");
  EXPECT_EQ(ScoreText(-66.125), "-66.13");
  EXPECT_EQ(ScoreText(0), "0");
  EXPECT_EQ(ScoreText(0.5), ".50");  // never ".5.00"
}

TEST(RatingTextTest, SharesAveragesAndModules) {
  EXPECT_EQ(ShareText(39.1), "39.1");
  EXPECT_EQ(ShareText(1.4), " 1.4");
  EXPECT_EQ(ShareText(10), "10.0");
  EXPECT_EQ(ShareText(5), " 5.0");
  EXPECT_EQ(ShareText(0.5), " 0.5");

  EXPECT_EQ(PerMatchText(4.16), "4.16");
  EXPECT_EQ(PerMatchText(4), "4");
  EXPECT_EQ(PerMatchText(0.5), "0.5");
  EXPECT_EQ(PerMatchText(0), "0");

  EXPECT_EQ(BestAverageText(68), "68.00");
  EXPECT_EQ(BestAverageText(68.4), "68.40");
  EXPECT_EQ(BestAverageText(68.45), "68.45");
  EXPECT_EQ(BestAverageText(100.5), "100.5");
  EXPECT_EQ(BestAverageText(9.5), "9.5");
  EXPECT_EQ(BestAverageText(0), "0");

  EXPECT_EQ(MatchdayText(6), " 6");
  EXPECT_EQ(MatchdayText(12), "12");
  Module module{4, 4, 2, 0.5};
  EXPECT_EQ(ModuleText(&module), "4-4-2");
  EXPECT_EQ(ModuleText(nullptr), "0-0-0");
}

}  // namespace
}  // namespace corvalis
