// The pages' selection by repeated maximum: take the best remaining value,
// list the rows that have it, drop them, start again.
#ifndef CORVALIS_RATING_BY_MAXIMUM_H_
#define CORVALIS_RATING_BY_MAXIMUM_H_

#include <algorithm>
#include <vector>

namespace corvalis {

// `rows` by `value`, highest first, equal values in the order given. The
// search starts from 0, so negative values are never listed, and zero only
// when `zero_listed`.
template <typename Value>
std::vector<int> ByRepeatedMaximum(const std::vector<int>& rows, Value value, bool zero_listed) {
  std::vector<int> listed;
  for (int row : rows) {
    double v = value(row);
    if (v > 0 || (zero_listed && v == 0)) listed.push_back(row);
  }
  std::stable_sort(listed.begin(), listed.end(),
                   [&](int a, int b) { return value(a) > value(b); });
  return listed;
}

}  // namespace corvalis

#endif  // CORVALIS_RATING_BY_MAXIMUM_H_
