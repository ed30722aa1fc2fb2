#include "util/stable_order.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>

namespace corvalis {
namespace {

// Up to this many rows the library sort takes fewer steps than counting.
constexpr size_t kFewRows = 64;

// NearestHundredths(value) as 0 or more when the value has one, made
// inline; -1 otherwise.
long long HundredthsOrNone(double value) {
  if (!(value > -1e12 && value < 1e12)) return -1;
  double scaled = value * 100;
  long long k = static_cast<long long>(scaled + (scaled < 0 ? -0.5 : 0.5));
  return static_cast<double>(k) / 100 == value ? k + (1ll << 50) : -1;
}

// Sorts by the hundredths of every key, a byte of their distance from the
// first in order at a time, from the lowest (a stable counting pass each);
// false, with `order` untouched, when a key has more decimals or the keys
// lie too far apart.
bool OrderByHundredths(std::span<const double> keys, bool descending, std::vector<int>& order) {
  size_t n = keys.size();
  // k + 2^50, to keep the sign bit for "none": |k| stays below 1e14.
  std::vector<long long> hundredths(n);
  long long low = 1ll << 62;
  long long high = 0;
  for (size_t i = 0; i < n; ++i) {
    long long k = HundredthsOrNone(keys[i]);
    if (k < 0) return false;
    hundredths[i] = k;
    low = std::min(low, k);
    high = std::max(high, k);
  }
  // k / 100 is the key itself, so keys compare as their hundredths do, and
  // equal keys (0 and -0 too) have equal hundredths.
  unsigned long long range = static_cast<unsigned long long>(high - low);
  if (range >= (1ull << 32)) return false;
  std::vector<uint32_t> rank(n);
  for (size_t i = 0; i < n; ++i) {
    rank[i] = static_cast<uint32_t>(descending ? high - hundredths[i] : hundredths[i] - low);
  }
  std::vector<int> from(n);
  std::iota(from.begin(), from.end(), 0);
  std::vector<int> to(n);
  std::vector<uint32_t> starts;
  // One pass when the keys lie near together, as counts and averages do;
  // else a byte at a time.
  int bits = range < 4 * n ? 32 : 8;
  uint32_t mask = bits == 32 ? ~0u : 0xFFu;
  starts.resize(bits == 32 ? range + 2 : 257);
  for (int shift = 0; shift == 0 || (shift < 32 && (range >> shift) != 0); shift += bits) {
    std::fill(starts.begin(), starts.end(), 0);
    for (int row : from) ++starts[((rank[row] >> shift) & mask) + 1];
    for (size_t d = 1; d < starts.size(); ++d) starts[d] += starts[d - 1];
    for (int row : from) to[starts[(rank[row] >> shift) & mask]++] = row;
    from.swap(to);
  }
  order = std::move(from);
  return true;
}

}  // namespace

void StableOrder(std::span<const double> keys, bool descending, std::vector<int>& order) {
  size_t n = keys.size();
  bool any_nan = std::any_of(keys.begin(), keys.end(), [](double key) { return std::isnan(key); });
  // Keys that do not order as numbers do leave whatever order the library
  // sort makes of them: only that sort gives it.
  if (!any_nan && n > kFewRows && OrderByHundredths(keys, descending, order)) return;
  order.resize(n);
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    return descending ? keys[a] > keys[b] : keys[a] < keys[b];
  });
}

}  // namespace corvalis
