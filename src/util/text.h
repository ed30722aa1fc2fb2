// Text field utilities: every input line is taken apart with these, and
// every number that reaches a page or a text cell is written with them.
#ifndef CORVALIS_UTIL_TEXT_H_
#define CORVALIS_UTIL_TEXT_H_

#include <string>
#include <string_view>

namespace corvalis {

// Takes the next tab-separated field off the front of `line`. Tabs before
// the field are skipped and counted in `tabs`, together with the tab that
// closes the field (a field that ends at the end of the line has none).
// So consecutive tabs never give an empty field in mid-line: `tabs` tells
// the caller how many were consumed. The view points into the caller's line.
// Every line of every file goes through here, most fields are a few bytes:
// inline, so that the counting of tabs costs nothing to a caller that does
// not ask for it.
inline std::string_view NextField(std::string_view& line, int& tabs) {
  const char* data = line.data();
  size_t size = line.size();
  size_t start = 0;
  while (start < size && data[start] == '\t') ++start;
  size_t end = start;
  while (end < size && data[end] != '\t') ++end;
  std::string_view field(data + start, end - start);
  if (end < size) {
    tabs = static_cast<int>(start) + 1;  // the tab that ends the field counts
    line.remove_prefix(end + 1);
  } else {
    tabs = static_cast<int>(start);
    line = std::string_view();
  }
  return field;
}

inline std::string_view NextField(std::string_view& line) {
  int tabs;
  return NextField(line, tabs);
}

// Takes the next space-separated word off the front of `line`: leading
// spaces are skipped, the word ends at the next space, and the line keeps
// everything after that one space.
std::string_view NextWord(std::string_view& line);

// Every "," becomes "." (the exports write 6,5 for six and a half).
std::string CommaToPoint(std::string_view text);

// The number at the front of `text`, "," read as the point when
// `comma_is_point`. LeadingNumber and DecimalNumber are the two uses.
double ReadNumber(std::string_view text, bool comma_is_point);

// The number at the front of `text`: leading spaces, an optional sign, then
// digits with an optional point and digits (".5" and "5." count). Anything
// else ends it; no number at all gives 0.
inline double LeadingNumber(std::string_view text) {
  // Bonuses and goals are mostly one digit: read without a call.
  if (text.size() == 1 && static_cast<unsigned char>(text[0] - '0') < 10) return text[0] - '0';
  return ReadNumber(text, false);
}

// LeadingNumber(text) > 0, the usual bonuses told without reading them:
// "-1" or "-0,5" is never above zero, and "3" or "0,5" is its first digit.
inline bool LeadsAboveZero(std::string_view text) {
  auto digit = [&](size_t i) { return static_cast<unsigned>(text[i] - '0') < 10; };
  if (text.size() >= 2 && text[0] == '-' && digit(1)) return false;
  if (!text.empty() && digit(0) && (text.size() == 1 || text[1] == ',')) return text[0] != '0';
  return LeadingNumber(text) > 0;
}

// LeadingNumber with "," read as the point: LeadingNumber(CommaToPoint(text)).
inline double DecimalNumber(std::string_view text) {
  // Votes are mostly "6", "6,5" or "-0,5": read without a call, by the same
  // division ReadNumber makes.
  auto digit = [&](size_t i) { return static_cast<unsigned>(text[i] - '0'); };
  size_t sign = !text.empty() && text[0] == '-' ? 1 : 0;
  size_t size = text.size() - sign;
  if (size == 1 && digit(sign) < 10) return sign ? -double(digit(sign)) : digit(sign);
  if (size == 3 && digit(sign) < 10 && (text[sign + 1] == ',' || text[sign + 1] == '.') &&
      digit(sign + 2) < 10) {
    double value = static_cast<double>(digit(sign) * 10 + digit(sign + 2)) / 10;
    return sign ? -value : value;
  }
  return ReadNumber(text, true);
}

// The number-to-text form: at most 15 significant digits, "." as point, no
// exponent, no trailing zeros, no 0 before the point below 1, a leading
// space for zero and positive values and "-" for negative ones.
// 6.5 -> " 6.5", 0.75 -> " .75", -0.5 -> "-.5", 0 -> " 0".
std::string NumberText(double value);

// NumberText without its leading space ("6.5", ".75", "-.5").
std::string PlainNumber(double value);

// ReadBack15 of any value, through the written text where it must.
double ReadBack15Written(double value);

// The value a number reads as once written in the number-to-text form:
// LeadingNumber(NumberText(value)), the value rounded to 15 significant
// digits. Sums and scores that the pages once kept as texts go through it
// after every change, at the points where the text was written, since the
// rounding shows in the pages' figures and in which scores count as equal.
// Inline for the values met nearly always, whole or of two decimals below
// 1e12: the casts cut toward zero as trunc does, without its calls. Such a
// value lies so close to its decimal that its written digits read back as it.
inline double ReadBack15(double value) {
  if (value < 1e12 && value > -1e12) {
    // A whole value comes back as it is; a zero as 0, whatever its sign.
    double whole = static_cast<double>(static_cast<long long>(value));
    if (whole == value) return whole;
    double hundredths = value * 100;
    double whole_hundredths = static_cast<double>(static_cast<long long>(hundredths));
    if (whole_hundredths == hundredths) return whole_hundredths / 100;
  }
  return ReadBack15Written(value);
}

// The text with leading and trailing spaces removed (tabs stay).
std::string TrimSpaces(std::string_view text);
inline std::string_view Trimmed(std::string_view text) {
  // Most fields have no space at either end: no search.
  if (text.empty() || (text.front() != ' ' && text.back() != ' ')) return text;
  size_t begin = text.find_first_not_of(' ');
  if (begin == std::string_view::npos) return {};
  size_t end = text.find_last_not_of(' ');
  return text.substr(begin, end - begin + 1);
}

// floor(value * 100) / 100 and floor(value * 1000) / 1000 in double
// precision: the cuts used for every figure printed with fixed decimals.
double FloorHundredths(double value);
double FloorThousandths(double value);

// A whole number written in decimal without any space ("7", "-3").
std::string WholeText(long long value);

// Input text as a message quotes it: at most kExcerptBytes bytes, and "..."
// when it was longer. A text that is valid UTF-8 is never cut inside a
// character; any other text (a Windows code page) is cut at the byte.
constexpr size_t kExcerptBytes = 80;
std::string MessageExcerpt(std::string_view text);

}  // namespace corvalis

#endif  // CORVALIS_UTIL_TEXT_H_
