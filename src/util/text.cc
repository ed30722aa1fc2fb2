#include "util/text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "util/short_number.h"

namespace corvalis {

std::string_view NextWord(std::string_view& line) {
  size_t start = std::string_view::npos;
  for (size_t i = 0; i < line.size(); ++i) {
    if (line[i] == ' ') {
      if (start != std::string_view::npos) {
        std::string_view word = line.substr(start, i - start);
        line.remove_prefix(i + 1);
        return word;
      }
    } else if (start == std::string_view::npos) {
      start = i;
    }
  }
  std::string_view word =
      start == std::string_view::npos ? std::string_view() : line.substr(start);
  line = std::string_view();
  return word;
}

std::string CommaToPoint(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c == ',') c = '.';
  }
  return out;
}

// With `comma_is_point` a "," reads as the point, as if the decimal comma
// converter had run first.
double ReadNumber(std::string_view text, bool comma_is_point) {
  const char* p = text.data();
  const char* end = p + text.size();
  auto is_digit = [](char c) { return static_cast<unsigned char>(c - '0') < 10; };
  while (p != end && *p == ' ') ++p;
  bool negative = false;
  if (p != end && (*p == '+' || *p == '-')) {
    negative = *p == '-';
    ++p;
  }
  const char* start = p;
  size_t digits = 0;
  unsigned long long mantissa = 0;  // the digits read as a whole number
  for (; p != end && is_digit(*p); ++p, ++digits) {
    mantissa = mantissa * 10 + static_cast<unsigned>(*p - '0');
  }
  size_t fraction = 0;
  if (p != end && (*p == '.' || (comma_is_point && *p == ','))) {
    const char* point = p++;
    for (; p != end && is_digit(*p); ++p, ++fraction, ++digits) {
      if (digits < 19) mantissa = mantissa * 10 + static_cast<unsigned>(*p - '0');
    }
    if (fraction == 0) p = point;  // "5." reads as 5; the point adds nothing
  }
  if (digits == 0) return 0;
  double value = 0;
  if (digits <= 15) {
    // Both numbers are exact in a double, so the one division rounds the
    // decimal correctly, as the full conversion below does.
    static constexpr double kPowersOfTen[] = {1,    1e1,  1e2,  1e3,  1e4,  1e5,
                                              1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                              1e12, 1e13, 1e14, 1e15};
    value = static_cast<double>(mantissa) / kPowersOfTen[fraction];
  } else {
    std::string number(start, p);
    for (char& c : number) {
      if (c == ',') c = '.';
    }
    std::from_chars(number.data(), number.data() + number.size(), value,
                    std::chars_format::fixed);
  }
  return negative ? -value : value;
}

double ReadBack15Written(double value) {
  if (!std::isfinite(value)) return 0;
  // Whole values beyond the inline ones' range but within fifteen digits
  // are written and read back unchanged.
  if (value == std::trunc(value) && std::fabs(value) < 1e15) return value;
  return LeadingNumber(PlainNumber(value));
}

std::string PlainNumber(double value) {
  if (!std::isfinite(value) || value == 0) return "0";
  // Counters, whole sums, votes and their sums: written in a few bytes.
  ShortNumber short_form(value);
  if (!short_form.empty()) return std::string(short_form.text());
  // Fifteen significant digits, then written out without an exponent. The
  // shortest form that reads back as the same double is the same text
  // whenever it has at most fifteen digits, and is much cheaper to make.
  char buffer[64];
  char* end = std::to_chars(buffer, buffer + sizeof(buffer) - 1, std::fabs(value),
                            std::chars_format::scientific).ptr;
  *end = '\0';
  std::string digits;
  const char* p = buffer;
  for (; *p && *p != 'e'; ++p) {
    if (*p != '.') digits += *p;
  }
  if (digits.size() > 15) {
    // printf's "%.14e", which to_chars writes alike and far more cheaply.
    end = std::to_chars(buffer, buffer + sizeof(buffer) - 1, std::fabs(value),
                        std::chars_format::scientific, 14).ptr;
    *end = '\0';
    digits.clear();
    for (p = buffer; *p && *p != 'e'; ++p) {
      if (*p != '.') digits += *p;
    }
  }
  int exponent = std::atoi(p + 1);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  std::string out = value < 0 ? "-" : "";
  if (exponent < 0) {
    out += '.';
    out.append(static_cast<size_t>(-exponent - 1), '0');
    out += digits;
  } else {
    size_t whole = static_cast<size_t>(exponent) + 1;
    if (digits.size() <= whole) {
      out += digits;
      out.append(whole - digits.size(), '0');
    } else {
      out += digits.substr(0, whole);
      out += '.';
      out += digits.substr(whole);
    }
  }
  return out;
}

std::string NumberText(double value) {
  std::string text = PlainNumber(value);
  return text[0] == '-' ? text : " " + text;
}

std::string TrimSpaces(std::string_view text) { return std::string(Trimmed(text)); }

double FloorHundredths(double value) { return std::floor(value * 100) / 100; }

double FloorThousandths(double value) { return std::floor(value * 1000) / 1000; }

std::string WholeText(long long value) { return std::to_string(value); }

namespace {

// Length of the well-formed UTF-8 character at the front of `text`, 0 when
// it is not one.
size_t Utf8CharLength(std::string_view text) {
  auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  unsigned char lead = byte(0);
  if (lead < 0x80) return 1;
  size_t length = lead >= 0xC2 && lead <= 0xDF ? 2
                  : lead >= 0xE0 && lead <= 0xEF ? 3
                  : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                 : 0;
  if (length == 0 || text.size() < length) return 0;
  // The second byte's range excludes overlong forms, surrogates and values
  // beyond U+10FFFF.
  unsigned char low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
  unsigned char high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
  if (byte(1) < low || byte(1) > high) return 0;
  for (size_t i = 2; i < length; ++i) {
    if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
  }
  return length;
}

bool IsUtf8(std::string_view text) {
  while (!text.empty()) {
    size_t length = Utf8CharLength(text);
    if (length == 0) return false;
    text.remove_prefix(length);
  }
  return true;
}

}  // namespace

std::string MessageExcerpt(std::string_view text) {
  if (text.size() <= kExcerptBytes) return std::string(text);
  size_t cut = kExcerptBytes;
  if (IsUtf8(text)) {
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
  }
  return std::string(text.substr(0, cut)) + "...";
}

}  // namespace corvalis
