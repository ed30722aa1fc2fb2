#include "util/short_number.h"

#include <charconv>
#include <cmath>
#include <optional>

#include "util/text.h"

namespace corvalis {

std::optional<long long> NearestHundredths(double value) {
  if (!(std::fabs(value) < 1e12)) return std::nullopt;
  // value * 100 lies within 0.02 of such a k, and the division k / 100 is
  // correctly rounded: equal to value only when value is its double. Adding
  // a half and cutting rounds as llround does everywhere but near a half
  // way, where no k passes; it needs no call.
  double scaled = value * 100;
  long long k = static_cast<long long>(scaled + (scaled < 0 ? -0.5 : 0.5));
  if (static_cast<double>(k) / 100 != value) return std::nullopt;
  return k;
}

size_t ShortNumber::Write(double value, char* out) {
  char* end = out;
  // The cast cuts toward zero, as trunc does, without a call.
  long long whole = std::fabs(value) < 1e15 ? static_cast<long long>(value) : 0;
  if (value == 0) {
    *end++ = '0';  // -0 too
  } else if (static_cast<double>(whole) == value) {
    end = std::to_chars(out, out + 24, whole).ptr;
  } else if (std::optional<long long> hundredths = NearestHundredths(value)) {
    // The shortest text that reads back as the value, which PlainNumber
    // writes, is k / 100's: any other decimal of as few digits lies 0.01 or
    // more away. No 0 before the point, and no trailing 0 after it.
    long long k = *hundredths;
    unsigned long long magnitude = static_cast<unsigned long long>(k < 0 ? -k : k);
    if (k < 0) *end++ = '-';
    if (magnitude >= 100) end = std::to_chars(end, out + 24, magnitude / 100).ptr;
    *end++ = '.';
    *end++ = static_cast<char>('0' + magnitude % 100 / 10);
    if (magnitude % 10 != 0) *end++ = static_cast<char>('0' + magnitude % 10);
  }
  return static_cast<size_t>(end - out);
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
