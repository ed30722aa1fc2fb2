#include "rating/by_maximum.h"

#include <algorithm>

namespace corvalis {

std::vector<int> ByRepeatedMaximum(int n, const std::function<double(int)>& value,
                                   bool zero_listed) {
  std::vector<int> rows;
  for (int row = 1; row <= n; ++row) {
    double v = value(row);
    if (v > 0 || (zero_listed && v == 0)) rows.push_back(row);
  }
  std::stable_sort(rows.begin(), rows.end(),
                   [&](int a, int b) { return value(a) > value(b); });
  return rows;
}

}  // namespace corvalis
