#include "util/stable_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <random>
#include <vector>

namespace corvalis {
namespace {

std::vector<int> LibraryOrder(const std::vector<double>& keys, bool descending) {
  std::vector<int> order(keys.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    return descending ? keys[a] > keys[b] : keys[a] < keys[b];
  });
  return order;
}

void ExpectLibraryOrder(const std::vector<double>& keys) {
  for (bool descending : {true, false}) {
    std::vector<int> order = {7, 7};  // whatever it held is replaced
    StableOrder(keys, descending, order);
    ASSERT_EQ(order, LibraryOrder(keys, descending))
        << keys.size() << " keys, descending " << descending;
  }
}

// Keys of every kind the rankings meet, and some they never do, in tables
// of every size around the ways the order is found: few rows, hundredths
// near together or far apart, and keys that are no hundredths at all.
TEST(StableOrderTest, LeavesTheOrderOfTheLibrarySort) {
  std::mt19937_64 random(5);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const double odd[] = {0.0, -0.0, nan, inf, -inf, 1e15, -1e15, 0.1 + 0.2, 1.005, 1e-300, 9999};
  for (int round = 0; round < 3000; ++round) {
    size_t n = std::uniform_int_distribution<size_t>(0, round % 10 == 0 ? 3000 : 80)(random);
    int kind = round % 6;
    long long spread = std::vector<long long>{4, 1000, 100000, 10000000000LL}[round % 4];
    std::uniform_int_distribution<long long> hundredths(-spread, spread);
    std::vector<double> keys;
    for (size_t i = 0; i < n; ++i) {
      double key = static_cast<double>(hundredths(random)) / (kind == 5 ? 1 : 100);
      if (kind == 1 && random() % 50 == 0) key = odd[random() % std::size(odd)];
      if (kind == 2 && random() % 3 == 0) key = std::ldexp(double(random() % 1000), -7);
      if (kind == 3 && random() % 500 == 0) key = nan;
      keys.push_back(key);
    }
    ExpectLibraryOrder(keys);
  }
}

}  // namespace
}  // namespace corvalis
