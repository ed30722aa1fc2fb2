#include "rating/rating_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "util/short_number.h"
#include "util/text.h"

namespace corvalis {
namespace {

constexpr double kNotAvailable = 9999;

// PlainNumber, made cheaply for the values these forms meet most.
std::string Plain(double value) {
  ShortNumber number(value);
  return number.empty() ? PlainNumber(value) : std::string(number.text());
}

// Adds one to a string of decimal digits ("099" -> "100", "99" -> "100").
void Increment(std::string& digits) {
  for (size_t i = digits.size(); i-- > 0;) {
    if (digits[i] != '9') {
      ++digits[i];
      return;
    }
    digits[i] = '0';
  }
  digits.insert(digits.begin(), '1');
}

// The value rounded to 2 decimals, half away from zero, deciding on the
// digits of its written form so that 1.005 rounds up as it reads.
double RoundHundredths(double value) {
  if (NearestHundredths(value)) return value;  // two decimals at most: nothing to round
  std::string text = Plain(value);
  bool negative = text[0] == '-';
  if (negative) text.erase(0, 1);
  size_t point = text.find('.');
  if (point == std::string::npos || text.size() - point - 1 <= 2) return value;
  std::string hundredths = text.substr(0, point) + text.substr(point + 1, 2);
  if (text[point + 3] >= '5') Increment(hundredths);
  size_t whole = hundredths.size() - 2;
  double rounded =
      LeadingNumber(hundredths.substr(0, whole) + "." + hundredths.substr(whole));
  return negative ? -rounded : rounded;
}

// TwoDecimals(value) written into `chars` (room for 24) when the value has
// two decimals at most, as nearly all have; its length, or 0 for any other
// value.
size_t TwoDecimalsChars(double value, char* chars) {
  std::optional<long long> hundredths = NearestHundredths(value);
  if (!hundredths) return 0;
  // printf's rounding of the exact value gives these same digits: it lies
  // far closer to k / 100 than to any other hundredth.
  long long k = *hundredths;
  unsigned long long magnitude = static_cast<unsigned long long>(k < 0 ? -k : k);
  char* end = chars;
  if (k < 0) *end++ = '-';
  end = std::to_chars(end, chars + 20, magnitude / 100).ptr;  // below 1e12: 12 digits at most
  *end++ = '.';
  *end++ = static_cast<char>('0' + magnitude % 100 / 10);
  *end++ = static_cast<char>('0' + magnitude % 10);
  return static_cast<size_t>(end - chars);
}

}  // namespace

std::string TwoDecimals(double value) {
  char chars[24];
  if (size_t size = TwoDecimalsChars(value, chars)) return std::string(chars, size);
  char buffer[400];
  std::snprintf(buffer, sizeof(buffer), "%.2f", value == 0 ? 0.0 : value);
  return buffer;
}

std::string GapText(double value) {
  if (value == kNotAvailable) return "n/a";
  std::string text = TwoDecimals(value);
  if (text.size() < 5) text.insert(0, 1, ' ');
  return text;
}

std::string DayGapText(double value) {
  if (value == kNotAvailable) return "n/a";
  double floored = FloorHundredths(value);
  char chars[24];
  size_t size = TwoDecimalsChars(floored, chars);
  if (size == 0) {
    std::string text = TwoDecimals(floored);
    if (text.size() < 6) text.insert(0, 6 - text.size(), ' ');
    return text;
  }
  // The spaces first, so that the digits are copied once.
  std::string text(size < 6 ? 6 - size : 0, ' ');
  text.append(chars, size);
  return text;
}

std::string GapPerVoteText(double value) {
  return value == kNotAvailable ? "n/a" : TwoDecimals(value);
}

std::string WeightedText(double value) {
  if (value == kNotAvailable) return "n/a";
  if (value == 0) return ".00";
  std::string text = Plain(value);
  if (text.find('.') == std::string::npos) {
    // Whole numbers: "5.00", "12.000", "1440.000".
    text += text.size() == 1 ? ".00" : ".000";
  } else if (text.size() == 4 && value >= 10) {
    text += "00";
  } else if (text.size() == 3) {
    text += "0";
  } else if (text.size() == 2) {
    text += "00";
  }
  return text;
}

std::string ScoreText(double value) {
  // A value that ShortNumber writes has nothing to round: RoundHundredths
  // would hand it back as it is.
  ShortNumber number(value);
  std::string text = number.empty() ? Plain(RoundHundredths(value)) : std::string(number.text());
  if (text.size() == 2) {
    // ".5" would become ".5.00", which no script can read.
    text += text[0] == '.' ? "0" : ".00";
  } else if (text.size() == 4) {
    text += "0";
  }
  return text;
}

size_t DayGapChars(double value, char (&chars)[32]) {
  if (value == kNotAvailable) return std::string_view("n/a").copy(chars, 3);
  char digits[24];
  size_t size = TwoDecimalsChars(FloorHundredths(value), digits);
  if (size == 0) return 0;
  size_t pad = size < 6 ? 6 - size : 0;
  // Whole blocks of known length, copied without a call; only the first
  // pad + size bytes count.
  std::memcpy(chars, "      ", 6);
  std::memcpy(chars + pad, digits, 24);
  return pad + size;
}

size_t GapPerVoteChars(double value, char (&chars)[32]) {
  if (value == kNotAvailable) return std::string_view("n/a").copy(chars, 3);
  return TwoDecimalsChars(value, chars);
}

size_t ScoreChars(double value, char (&chars)[32]) {
  // As ScoreText: a value that ShortNumber writes has nothing to round.
  size_t size = ShortNumber::Write(value, chars);
  if (size == 2) {
    for (char c : std::string_view(chars[0] == '.' ? "0" : ".00")) chars[size++] = c;
  } else if (size == 4) {
    chars[size++] = '0';
  }
  return size;
}

std::string ShareText(double share) {
  std::string text = Plain(share);
  if (text[0] == '.') text.insert(0, 1, '0');
  if (text.size() < 3) text += ".0";
  if (text.size() < 4) text.insert(0, 1, ' ');
  return text;
}

std::string PerMatchText(double value) {
  std::string text = Plain(value);
  if (text[0] == '.') text.insert(0, 1, '0');
  return text;
}

std::string BestAverageText(double value) {
  std::string text = Plain(value);
  if (text.size() == 4 && value >= 10) {
    text += "0";
  } else if (text.size() == 2 && value >= 10) {
    text += ".00";
  }
  return text;
}

std::string MatchdayText(int g) {
  std::string text = WholeText(g);
  if (g < 10) text.insert(0, 1, ' ');
  return text;
}

std::string ModuleText(const Module* module) {
  if (module == nullptr) return "0-0-0";
  std::string text = Plain(module->defenders);
  text += '-';
  AppendPlainNumber(text, module->midfielders);
  text += '-';
  AppendPlainNumber(text, module->forwards);
  return text;
}

}  // namespace corvalis
