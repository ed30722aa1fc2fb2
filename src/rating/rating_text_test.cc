#include "rating/rating_text.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "util/text.h"

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

// Two decimals as printf's "%.2f" writes them, whichever way they are made.
TEST(RatingTextTest, TwoDecimalsAsPrintfWritesThem) {
  auto printf_text = [](double value) {
    char buffer[400];
    std::snprintf(buffer, sizeof(buffer), "%.2f", value == 0 ? 0.0 : value);
    return std::string(buffer);
  };
  for (int k = -100000; k <= 100000; k += 7) {
    for (double value : {k / 100.0, k / 3.0, k * 0.005, k * 1.5, k / 100.0 + 1e-9}) {
      ASSERT_EQ(TwoDecimals(value), printf_text(value)) << value;
    }
  }
  for (double value : {-0.0, 0.004, -0.004, 0.005, 1.005, 2.675, 1e11 + 0.25, -1e11, 5e14}) {
    EXPECT_EQ(TwoDecimals(value), printf_text(value)) << value;
  }
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

// ScoreText and DayGapText as they read plainly: every value through
// PlainNumber's text, rounded on its digits, padded afterwards.
std::string ScoreTextByDigits(double value) {
  std::string text = PlainNumber(value);
  bool negative = text[0] == '-';
  if (negative) text.erase(0, 1);
  size_t point = text.find('.');
  double rounded = value;
  if (point != std::string::npos && text.size() - point - 1 > 2) {
    long long hundredths = std::stoll(text.substr(0, point) + text.substr(point + 1, 2));
    if (text[point + 3] >= '5') ++hundredths;
    std::string digits = std::to_string(hundredths);
    if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
    rounded = LeadingNumber(digits.substr(0, digits.size() - 2) + "." +
                            digits.substr(digits.size() - 2));
    if (negative) rounded = -rounded;
  }
  text = PlainNumber(rounded);
  if (text.size() == 2) {
    text += text[0] == '.' ? "0" : ".00";
  } else if (text.size() == 4) {
    text += "0";
  }
  return text;
}

std::string DayGapTextPadded(double value) {
  if (value == 9999) return "n/a";
  std::string text = TwoDecimals(FloorHundredths(value));
  if (text.size() < 6) text.insert(0, 6 - text.size(), ' ');
  return text;
}

TEST(RatingTextTest, ScoreAndDayGapTextsAgreeWithThePlainReading) {
  for (int k = -30000; k <= 30000; k += 1) {
    for (double value : {k / 100.0, k / 2.0, k / 3.0, k * 0.005, k / 8.0, k / 100.0 + 1e-9}) {
      ASSERT_EQ(ScoreText(value), ScoreTextByDigits(value)) << value;
      ASSERT_EQ(DayGapText(value), DayGapTextPadded(value)) << value;
    }
  }
  for (double value : {-0.0, 1e12, -1e12, 1e12 + 0.5, 5e14, 1e15, 123456.789, 9999.0}) {
    EXPECT_EQ(ScoreText(value), ScoreTextByDigits(value)) << value;
    EXPECT_EQ(DayGapText(value), DayGapTextPadded(value)) << value;
  }
}

// The row forms made in place are the texts, or leave the value to them.
TEST(RatingTextTest, RowFormsMadeInPlaceAreTheTexts) {
  char chars[32];
  auto in_place = [&](size_t (*make)(double, char(&)[32]), double value) {
    return std::string(chars, make(value, chars));
  };
  int made = 0;
  for (int k = -30000; k <= 30000; ++k) {
    for (double value : {k / 100.0, k / 2.0, k / 3.0, k * 0.005, k / 100.0 + 1e-9, k * 1e7,
                         k * 3e8 + 0.25, 9999.0}) {
      std::string gap = in_place(DayGapChars, value);
      if (!gap.empty()) {
        ASSERT_EQ(gap, DayGapText(value)) << value;
      }
      std::string per_vote = in_place(GapPerVoteChars, value);
      if (!per_vote.empty()) {
        ASSERT_EQ(per_vote, GapPerVoteText(value)) << value;
      }
      std::string score = in_place(ScoreChars, value);
      if (!score.empty()) {
        ASSERT_EQ(score, ScoreText(value)) << value;
      }
      made += !gap.empty() + !per_vote.empty() + !score.empty();
    }
    ASSERT_FALSE(in_place(ScoreChars, k / 100.0).empty()) << k;
    ASSERT_FALSE(in_place(GapPerVoteChars, k / 100.0).empty()) << k;
    ASSERT_FALSE(in_place(DayGapChars, k / 7.0).empty()) << k;
  }
  EXPECT_GT(made, 600000);
  EXPECT_EQ(in_place(ScoreChars, 1.0 / 3), "");
  EXPECT_EQ(in_place(GapPerVoteChars, 1e13), "");
  EXPECT_EQ(in_place(DayGapChars, 1e300), "");
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
