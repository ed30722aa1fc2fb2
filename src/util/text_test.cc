#include "util/text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>

#include <string>
#include <string_view>
#include <vector>

namespace corvalis {
namespace {

struct Taken {
  std::string field;
  int tabs;
  std::string rest;
};

Taken TakeField(std::string_view& line) {
  int tabs = -1;
  std::string field(NextField(line, tabs));
  return {field, tabs, std::string(line)};
}

TEST(NextFieldTest, SkipsEmptyFieldsAndCountsTheirTabs) {
  std::string text = "A\t\tB";
  std::string_view line = text;
  Taken first = TakeField(line);
  EXPECT_EQ(first.field, "A");
  EXPECT_EQ(first.tabs, 1);
  EXPECT_EQ(first.rest, "\tB");
  Taken second = TakeField(line);
  EXPECT_EQ(second.field, "B");
  EXPECT_EQ(second.tabs, 1);  // the field ends at the end of the line
  EXPECT_EQ(second.rest, "");
}

TEST(NextFieldTest, EdgeLines) {
  std::string a_tab = "A\t";
  std::string_view line = a_tab;
  Taken t = TakeField(line);
  EXPECT_EQ(t.field, "A");
  EXPECT_EQ(t.tabs, 1);
  EXPECT_EQ(t.rest, "");

  std::string tabs_only = "\t\t\t";
  line = tabs_only;
  t = TakeField(line);
  EXPECT_EQ(t.field, "");
  EXPECT_EQ(t.tabs, 3);
  EXPECT_EQ(t.rest, "");

  line = std::string_view();
  t = TakeField(line);
  EXPECT_EQ(t.field, "");
  EXPECT_EQ(t.tabs, 0);

  std::string no_tab = "  Totale squadra ";
  line = no_tab;
  t = TakeField(line);
  EXPECT_EQ(t.field, "  Totale squadra ");  // spaces belong to the field
  EXPECT_EQ(t.tabs, 0);
  EXPECT_EQ(t.rest, "");
}

TEST(NextFieldTest, LeadingTabTellsTheHomeColumn) {
  std::string text = "\tP\tROSSI\t6\t0\t6\tP\tBIANCHI";
  std::string_view line = text;
  Taken t = TakeField(line);
  EXPECT_EQ(t.field, "P");
  EXPECT_EQ(t.tabs, 2);
  std::string away_only = "\t\t\t\t\t\tD\tVERDI";
  line = away_only;
  t = TakeField(line);
  EXPECT_EQ(t.field, "D");
  EXPECT_EQ(t.tabs, 7);
}

TEST(NextWordTest, KeepsEverythingAfterTheOneSpace) {
  std::string text = "  DIR C:\\web\\site";
  std::string_view line = text;
  EXPECT_EQ(NextWord(line), "DIR");
  EXPECT_EQ(line, "C:\\web\\site");

  std::string two_spaces = "DIR  path";
  line = two_spaces;
  EXPECT_EQ(NextWord(line), "DIR");
  EXPECT_EQ(line, " path");

  std::string single = "DIR";
  line = single;
  EXPECT_EQ(NextWord(line), "DIR");
  EXPECT_EQ(line, "");

  std::string words = "4 4 2 0.5";
  line = words;
  EXPECT_EQ(NextWord(line), "4");
  EXPECT_EQ(NextWord(line), "4");
  EXPECT_EQ(NextWord(line), "2");
  EXPECT_EQ(NextWord(line), "0.5");
  EXPECT_EQ(NextWord(line), "");
}

TEST(CommaToPointTest, ReplacesEveryComma) {
  EXPECT_EQ(CommaToPoint("6,5"), "6.5");
  EXPECT_EQ(CommaToPoint("1,000,5"), "1.000.5");
  EXPECT_EQ(CommaToPoint(""), "");
  EXPECT_DOUBLE_EQ(LeadingNumber(CommaToPoint("1,000,5")), 1.0);
}

TEST(LeadingNumberTest, ReadsTheNumberAtTheFront) {
  EXPECT_EQ(LeadingNumber("6.5"), 6.5);
  EXPECT_EQ(LeadingNumber("6,5"), 6.0);
  EXPECT_EQ(LeadingNumber("   12abc"), 12.0);
  EXPECT_EQ(LeadingNumber("-3"), -3.0);
  EXPECT_EQ(LeadingNumber("+4"), 4.0);
  EXPECT_EQ(LeadingNumber(".5"), 0.5);
  EXPECT_EQ(LeadingNumber("-.5"), -0.5);
  EXPECT_EQ(LeadingNumber("5."), 5.0);
  EXPECT_EQ(LeadingNumber(" 2"), 2.0);
  EXPECT_EQ(LeadingNumber("1e3"), 1.0);  // no exponent
  EXPECT_EQ(LeadingNumber("sv/ng"), 0.0);
  EXPECT_EQ(LeadingNumber(""), 0.0);
  EXPECT_EQ(LeadingNumber("-"), 0.0);
  EXPECT_EQ(LeadingNumber("."), 0.0);
  EXPECT_EQ(LeadingNumber("\t5"), 0.0);  // only spaces are skipped
  EXPECT_EQ(LeadingNumber("0.1"), 0.1);
  EXPECT_EQ(LeadingNumber("999"), 999.0);
  EXPECT_EQ(LeadingNumber("32.65"), 32.65);
}

TEST(NumberTextTest, ShortestFormWithSignPlace) {
  EXPECT_EQ(NumberText(0), " 0");
  EXPECT_EQ(NumberText(-0.0), " 0");
  EXPECT_EQ(NumberText(0.25), " .25");
  EXPECT_EQ(NumberText(0.75), " .75");
  EXPECT_EQ(NumberText(12), " 12");
  EXPECT_EQ(NumberText(6.5), " 6.5");
  EXPECT_EQ(NumberText(1), " 1");
  EXPECT_EQ(NumberText(-1), "-1");
  EXPECT_EQ(NumberText(-0.5), "-.5");
  EXPECT_EQ(NumberText(0.1 + 0.2), " .3");
  EXPECT_EQ(NumberText(1.0 / 3), " .333333333333333");
  EXPECT_EQ(NumberText(2.0 / 3), " .666666666666667");
  EXPECT_EQ(NumberText(1e15 - 1), " 999999999999999");
  EXPECT_EQ(NumberText(1e15), " 1000000000000000");
  EXPECT_EQ(NumberText(1e20), " 100000000000000000000");
  EXPECT_EQ(NumberText(12.345678901234567), " 12.3456789012346");
  EXPECT_EQ(NumberText(0.000125), " .000125");
  EXPECT_EQ(NumberText(-123.25), "-123.25");
  EXPECT_EQ(NumberText(70 - 3), " 67");
  EXPECT_EQ(NumberText(9.5 - 3), " 6.5");
  EXPECT_EQ(NumberText(8.01), " 8.01");
  EXPECT_EQ(NumberText(6.5 + 0.01 + 0.01), " 6.52");
}

// The value a sum reads as once written is what later figures and ties
// see: a sum of votes loses the binary noise of its additions, and two
// sums that print alike count as equal.
TEST(ReadBack15Test, IsTheValueOfTheWrittenNumber) {
  std::mt19937_64 rng(7);
  std::uniform_int_distribution<int> hundredths(-100000, 100000);
  for (int i = 0; i < 20000; ++i) {
    double sum = 0;
    for (int k = 0; k < 5; ++k) sum += hundredths(rng) / 100.0 + 1.0 / (k + 3);
    ASSERT_EQ(ReadBack15(sum), LeadingNumber(NumberText(sum))) << sum;
  }
  EXPECT_NE(0.1 + 0.2, 0.3);
  EXPECT_EQ(ReadBack15(0.1 + 0.2), 0.3);
  EXPECT_EQ(ReadBack15(6.1 + 5.3 + 7.2 - 3), ReadBack15(15.6));
  EXPECT_EQ(ReadBack15(0), 0);
  EXPECT_EQ(ReadBack15(-7.25), -7.25);
  EXPECT_EQ(ReadBack15(6.5 + 0.01 + 0.01), 6.52);
  EXPECT_EQ(ReadBack15(1.0 / 3), LeadingNumber(".333333333333333"));
  EXPECT_EQ(ReadBack15(8.1234567890123456), LeadingNumber("8.12345678901235"));
  EXPECT_EQ(ReadBack15(1e300 * 1e300), 0);
}

// Whole values, hundredths and values just off them, small and large, as
// the sums of votes are: the quick answers are those of the written text.
TEST(ReadBack15Test, QuickAnswersAreThoseOfTheWrittenNumber) {
  std::mt19937_64 rng(17);
  std::uniform_int_distribution<long long> hundredths(-99999999999999, 99999999999999);
  for (int i = 0; i < 100000; ++i) {
    long long k = hundredths(rng) >> (i % 50);
    double exact = k / 100.0;
    for (double value : {exact, static_cast<double>(k), exact + 1e-9, std::nextafter(exact, 0.0),
                         exact * 1000, k / 7.0}) {
      ASSERT_EQ(ReadBack15(value), LeadingNumber(NumberText(value))) << value;
    }
  }
  for (double value : {1e12, -1e12, 1e12 - 0.01, 1e12 + 0.5, 999999999999.99, 5e14 + 0.5,
                       1e15, -1e15, 1e15 + 2, 1e20, 1e-300, -0.0}) {
    EXPECT_EQ(ReadBack15(value), LeadingNumber(NumberText(value))) << value;
  }
}

// Values of more than fifteen digits are cut to fifteen as printf's "%.14e"
// rounds them.
TEST(NumberTextTest, LongValuesAreRoundedAsPrintfRoundsThem) {
  std::mt19937_64 rng(23);
  std::uniform_real_distribution<double> spread(-1e6, 1e6);
  std::uniform_int_distribution<int> exponents(-20, 20);
  for (int i = 0; i < 20000; ++i) {
    double value = spread(rng) * std::pow(10.0, exponents(rng));
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(value));
    double printed = std::strtod(buffer, nullptr);
    // The text holds printf's fifteen digits: it reads back as they do.
    ASSERT_EQ(LeadingNumber(PlainNumber(std::fabs(value))), printed) << value;
  }
}

TEST(NumberTextTest, RoundTripsThroughLeadingNumber) {
  for (double v : {0.1, 2.5, 66.6, 1234.567, -0.01, 7.3 - 0.01}) {
    EXPECT_DOUBLE_EQ(LeadingNumber(NumberText(v)), v) << v;
  }
  EXPECT_EQ(PlainNumber(0.5), ".5");
  EXPECT_EQ(PlainNumber(-0.5), "-.5");
  EXPECT_EQ(PlainNumber(72), "72");
}

TEST(TextHelpersTest, TrimAndCuts) {
  EXPECT_EQ(TrimSpaces("  Inter Nos  "), "Inter Nos");
  EXPECT_EQ(TrimSpaces("\tA\t"), "\tA\t");  // tabs stay
  EXPECT_EQ(TrimSpaces("   "), "");
  EXPECT_EQ(FloorHundredths(32.65 / 5), 6.52);
  EXPECT_EQ(FloorHundredths(20.0 / 3), 6.66);
  EXPECT_EQ(FloorHundredths(-0.255), -0.26);
  EXPECT_EQ(FloorThousandths(70.12345), 70.123);
  EXPECT_EQ(WholeText(7), "7");
}

}  // namespace
}  // namespace corvalis

namespace corvalis {
namespace {

// The plain way to the same text: round to 15 digits with printf.
std::string ReferenceText(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof(buffer), "%.14e", std::fabs(value));
  std::string digits;
  const char* p = buffer;
  for (; *p != 'e'; ++p) {
    if (*p != '.') digits += *p;
  }
  int exponent = std::atoi(p + 1);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  std::string out = value < 0 ? "-" : " ";
  if (exponent < 0) return out + "." + std::string(-exponent - 1, '0') + digits;
  size_t whole = static_cast<size_t>(exponent) + 1;
  if (digits.size() <= whole) return out + digits + std::string(whole - digits.size(), '0');
  return out + digits.substr(0, whole) + "." + digits.substr(whole);
}

TEST(NumberTextTest, AgreesWithFifteenDigitRounding) {
  std::mt19937_64 rng(42);
  std::uniform_real_distribution<double> wide(-1e6, 1e6);
  std::uniform_int_distribution<int> halves(-400, 400);
  for (int i = 0; i < 20000; ++i) {
    double values[] = {wide(rng), halves(rng) / 2.0, halves(rng) / 100.0,
                       halves(rng) / 3.0 + halves(rng) * 0.1};
    for (double v : values) {
      if (v == 0) continue;
      ASSERT_EQ(NumberText(v), ReferenceText(v)) << v;
    }
  }
}

}  // namespace
}  // namespace corvalis

namespace corvalis {
namespace {

TEST(LeadingNumberTest, AgreesWithTheFullConversion) {
  std::mt19937_64 rng(7);
  for (int i = 0; i < 100000; ++i) {
    int whole_digits = static_cast<int>(rng() % 10);
    int fraction_digits = static_cast<int>(rng() % 9);
    std::string text;
    for (int d = 0; d < whole_digits; ++d) text += static_cast<char>('0' + rng() % 10);
    if (fraction_digits > 0) text += '.';
    for (int d = 0; d < fraction_digits; ++d) text += static_cast<char>('0' + rng() % 10);
    if (whole_digits + fraction_digits == 0) continue;
    double expected = std::strtod(text.c_str(), nullptr);
    ASSERT_EQ(LeadingNumber(text), expected) << text;
    ASSERT_EQ(LeadingNumber("-" + text), -expected) << text;
  }
  EXPECT_EQ(LeadingNumber("12345678901234567890.5"), 12345678901234567890.5);
}

// The short forms read inline give the very double the general reading
// gives, the sign of zero included, for every text of up to four bytes made
// of digits, signs, points, commas and one other byte; the bonus check
// without reading agrees with reading.
TEST(DecimalNumberTest, ShortFormsAsTheGeneralReading) {
  const std::string alphabet = "0123456789-,.+ x";
  std::vector<std::string> texts = {""};
  for (size_t length = 1; length <= 4; ++length) {
    size_t count = 1;
    for (size_t i = 0; i < length; ++i) count *= alphabet.size();
    for (size_t n = 0; n < count; ++n) {
      std::string text;
      for (size_t k = 0, m = n; k < length; ++k, m /= alphabet.size()) {
        text += alphabet[m % alphabet.size()];
      }
      texts.push_back(text);
    }
  }
  for (const std::string& text : texts) {
    double fast = DecimalNumber(text), general = ReadNumber(text, true);
    ASSERT_EQ(fast, general) << text;
    ASSERT_EQ(std::signbit(fast), std::signbit(general)) << text;
    ASSERT_EQ(LeadingNumber(text), ReadNumber(text, false)) << text;
    ASSERT_EQ(LeadsAboveZero(text), ReadNumber(text, false) > 0) << text;
  }
}

TEST(MessageExcerptTest, CutsAtEightyBytesWithoutSplittingACharacter) {
  EXPECT_EQ(MessageExcerpt("Alfa"), "Alfa");
  EXPECT_EQ(MessageExcerpt(std::string(80, 'a')), std::string(80, 'a'));
  EXPECT_EQ(MessageExcerpt(std::string(81, 'a')), std::string(80, 'a') + "...");
  // UTF-8: "\xC3\xA8" (e grave) would be split at byte 80, so it goes whole.
  std::string utf8 = std::string(79, 'a') + "\xC3\xA8" + "bc";
  EXPECT_EQ(MessageExcerpt(utf8), std::string(79, 'a') + "...");
  std::string three = std::string(78, 'a') + "\xE2\x82\xAC" + "x";  // the euro sign
  EXPECT_EQ(MessageExcerpt(three), std::string(78, 'a') + "...");
  std::string whole = std::string(78, 'a') + "\xC3\xA8" + "bc";
  EXPECT_EQ(MessageExcerpt(whole), std::string(78, 'a') + "\xC3\xA8...");
  // Not UTF-8 (a Windows-1252 text): cut at the byte.
  std::string cp1252 = std::string(79, 'a') + "\xE8\xE8\xE8";
  EXPECT_EQ(MessageExcerpt(cp1252), std::string(79, 'a') + "\xE8...");
  std::string overlong = std::string(79, 'a') + "\xC0\x80" + "x";
  EXPECT_EQ(MessageExcerpt(overlong), std::string(79, 'a') + "\xC0...");
}

}  // namespace
}  // namespace corvalis
