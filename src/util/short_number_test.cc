#include "util/short_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <random>

#include "util/text.h"

namespace corvalis {
namespace {

// Either the same text as PlainNumber, or none.
void ExpectPlainOrEmpty(double value) {
  ShortNumber number(value);
  if (!number.empty()) {
    EXPECT_EQ(number.text(), PlainNumber(value)) << value;
  }
  std::string appended = "x";
  AppendPlainNumber(appended, value);
  EXPECT_EQ(appended, "x" + PlainNumber(value)) << value;
  appended = "x";
  AppendNumberText(appended, value);
  EXPECT_EQ(appended, "x" + NumberText(value)) << value;
}

TEST(ShortNumberTest, WholeAndHundredthsValuesAreWrittenAsPlainNumberWrites) {
  for (long long k = -120000; k <= 120000; ++k) {
    double value = static_cast<double>(k) / 100;
    EXPECT_EQ(NearestHundredths(value), k);
    EXPECT_FALSE(ShortNumber(value).empty()) << value;
    ExpectPlainOrEmpty(value);
  }
  std::mt19937_64 random(11);
  std::uniform_int_distribution<long long> large(-99999999999999, 99999999999999);
  for (int i = 0; i < 20000; ++i) {
    double value = static_cast<double>(large(random)) / 100;
    EXPECT_FALSE(ShortNumber(value).empty()) << value;
    ExpectPlainOrEmpty(value);
  }
  for (double value : {0.0, -0.0, 6.5, 0.75, -0.25, 0.5, 76.0, -3.0, 12.25, 1e14, -1e14,
                       999999999999999.0, -999999999999999.0, 999999999999.5, 1199.75}) {
    EXPECT_FALSE(ShortNumber(value).empty()) << value;
    ExpectPlainOrEmpty(value);
  }
}

// NearestHundredths as llround reads it, which the call-free rounding must
// match.
std::optional<long long> NearestHundredthsByLlround(double value) {
  if (!(std::fabs(value) < 1e12)) return std::nullopt;
  long long k = std::llround(value * 100);
  if (static_cast<double>(k) / 100 != value) return std::nullopt;
  return k;
}

TEST(ShortNumberTest, HundredthsAreFoundAsLlroundFindsThem) {
  std::mt19937_64 random(13);
  std::uniform_int_distribution<long long> hundredths(-99999999999999, 99999999999999);
  std::uniform_real_distribution<double> offset(-0.01, 0.01);
  std::uniform_int_distribution<int> ulps(-3, 3);
  for (int i = 0; i < 200000; ++i) {
    long long k = hundredths(random) >> (i % 48);  // small and large alike
    double exact = static_cast<double>(k) / 100;
    // The value itself, values a few steps from it, and values between
    // hundredths, half ways among them.
    double near = exact;
    for (int step = ulps(random); step != 0; step += step < 0 ? 1 : -1) {
      near = std::nextafter(near, step < 0 ? -1e300 : 1e300);
    }
    double half = (static_cast<double>(k) + 0.5) / 100;
    for (double value : {exact, near, half, exact + offset(random), -half}) {
      EXPECT_EQ(NearestHundredths(value), NearestHundredthsByLlround(value)) << value;
      ShortNumber number(value);
      if (!number.empty()) {
        EXPECT_EQ(number.text(), PlainNumber(value)) << value;
      }
    }
  }
}

TEST(ShortNumberTest, OtherValuesAreLeftToPlainNumber) {
  const double inf = std::numeric_limits<double>::infinity();
  for (double value : {1e15, -1e15, 1e300, 1.005, 0.001, 1e-300, 2.0 / 3, 1e12 + 0.5, inf,
                       -inf, std::nan(""), 0.1 + 0.2, 1199.91 + 1e-9}) {
    EXPECT_TRUE(ShortNumber(value).empty()) << value;
    ExpectPlainOrEmpty(value);
  }
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> spread(-1e6, 1e6);
  for (int i = 0; i < 20000; ++i) ExpectPlainOrEmpty(spread(random));
}

}  // namespace
}  // namespace corvalis
