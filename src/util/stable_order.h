// The order a ranking sorts its rows in, found from one number per row:
// the order std::stable_sort leaves, made without its merges for the keys
// the pages rank by (votes, averages and gaps of two decimals at most,
// counts) and for the few rows of a table.
#ifndef CORVALIS_UTIL_STABLE_ORDER_H_
#define CORVALIS_UTIL_STABLE_ORDER_H_

#include <span>
#include <vector>

namespace corvalis {

// The row numbers 0..keys.size()-1, highest key first (`descending`) or
// lowest first, rows of equal keys in their order: what std::stable_sort of
// the row numbers by `keys[a] > keys[b]` (or `<`) leaves, NaN keys included.
void StableOrder(std::span<const double> keys, bool descending, std::vector<int>& order);

}  // namespace corvalis

#endif  // CORVALIS_UTIL_STABLE_ORDER_H_
