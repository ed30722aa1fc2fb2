// The pages' selection by repeated maximum: take the best remaining value,
// list the rows that have it, drop them, start again.
#ifndef CORVALIS_RATING_BY_MAXIMUM_H_
#define CORVALIS_RATING_BY_MAXIMUM_H_

#include <functional>
#include <vector>

namespace corvalis {

// Rows 1..n, highest value first, equal values in row order. The search
// starts from 0, so negative values are never listed, and zero only when
// `zero_listed`.
std::vector<int> ByRepeatedMaximum(int n, const std::function<double(int)>& value,
                                   bool zero_listed);

}  // namespace corvalis

#endif  // CORVALIS_RATING_BY_MAXIMUM_H_
