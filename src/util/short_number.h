// The number-to-text form of the values the pages print most, made in a few
// bytes of its own instead of a std::string: whole values and values with
// two decimals at most (counters, votes, their sums, cut averages).
#ifndef CORVALIS_UTIL_SHORT_NUMBER_H_
#define CORVALIS_UTIL_SHORT_NUMBER_H_

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace corvalis {

// k when `value` is the double nearest to k / 100 and below 1e12 in size:
// any value read from a text of two decimals at most, or cut to hundredths.
std::optional<long long> NearestHundredths(double value);

class ShortNumber {
 public:
  // PlainNumber(value) when the value is one of those; empty otherwise.
  explicit ShortNumber(double value) : size_(Write(value, chars_)) {}

  // The same text written at `out`, which has room for 24 bytes; its
  // length, 0 when it would be empty.
  static size_t Write(double value, char* out);

  bool empty() const { return size_ == 0; }
  std::string_view text() const { return {chars_, size_}; }

 private:
  char chars_[24];
  size_t size_;
};

// PlainNumber(value) appended to `out`, through ShortNumber when it can.
void AppendPlainNumber(std::string& out, double value);
// NumberText(value) appended to `out`, likewise.
void AppendNumberText(std::string& out, double value);

}  // namespace corvalis

#endif  // CORVALIS_UTIL_SHORT_NUMBER_H_
