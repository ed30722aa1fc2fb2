#include "util/short_number.h"

#include <charconv>
#include <cmath>
#include <optional>

#include "util/text.h"

namespace corvalis {

std::optional<long long> NearestHundredths(double value) {
  if (!(std::fabs(value) < 1e12)) return std::nullopt;
  // value * 100 lies within 0.02 of such a k, and the division k / 100 is
  // correctly rounded: equal to value only when value is its double.
  long long k = std::llround(value * 100);
  if (static_cast<double>(k) / 100 != value) return std::nullopt;
  return k;
}

ShortNumber::ShortNumber(double value) {
  char* end = chars_;
  if (value == 0) {
    *end++ = '0';  // -0 too
  } else if (value == std::trunc(value) && std::fabs(value) < 1e15) {
    end = std::to_chars(chars_, chars_ + sizeof chars_, static_cast<long long>(value)).ptr;
  } else if (std::optional<long long> hundredths = NearestHundredths(value)) {
    // The shortest text that reads back as the value, which PlainNumber
    // writes, is k / 100's: any other decimal of as few digits lies 0.01 or
    // more away. No 0 before the point, and no trailing 0 after it.
    long long k = *hundredths;
    unsigned long long magnitude = static_cast<unsigned long long>(k < 0 ? -k : k);
    if (k < 0) *end++ = '-';
    if (magnitude >= 100) end = std::to_chars(end, chars_ + sizeof chars_, magnitude / 100).ptr;
    *end++ = '.';
    *end++ = static_cast<char>('0' + magnitude % 100 / 10);
    if (magnitude % 10 != 0) *end++ = static_cast<char>('0' + magnitude % 10);
  }
  size_ = static_cast<size_t>(end - chars_);
}

void AppendPlainNumber(std::string& out, double value) {
  ShortNumber number(value);
  if (number.empty()) {
    out += PlainNumber(value);
  } else {
    out += number.text();
  }
}

void AppendNumberText(std::string& out, double value) {
  ShortNumber number(value);
  if (number.empty()) {
    out += NumberText(value);
    return;
  }
  if (number.text()[0] != '-') out += ' ';
  out += number.text();
}

}  // namespace corvalis
