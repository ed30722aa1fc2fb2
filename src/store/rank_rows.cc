#include "store/rank_rows.h"

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "store/text.h"

namespace corvalis {
namespace {

constexpr double kTakenMark = -9999;

}  // namespace

void RankRows(TextTable& table, int n, int key_column, int columns) {
  if (n <= 0) return;
  // Rows from `used` + 1 on were never written: empty, with key 0. They
  // take part like any other row but need no strings moved.
  int used = std::min(n, table.last_written_row());

  // Rounds of "take every row equal to the highest key of a named row"
  // amount to a stable sort of the rows whose key some named row has.
  std::vector<double> keys(static_cast<size_t>(n) + 1, 0.0);
  std::set<double> named_keys;
  for (int r = 1; r <= used; ++r) {
    keys[r] = LeadingNumber(table.at(r, key_column));
    if (!table.at(r, 1).empty() && keys[r] > kTakenMark) named_keys.insert(keys[r]);
  }
  std::vector<int> order;
  for (int r = 1; r <= n; ++r) {
    if (named_keys.count(keys[r])) order.push_back(r);
  }
  std::stable_sort(order.begin(), order.end(),
                   [&](int a, int b) { return keys[a] > keys[b]; });

  std::vector<std::string> moved(static_cast<size_t>(used) * columns);
  for (int r = 1; r <= used; ++r) {
    for (int c = 1; c <= columns; ++c) {
      moved[(r - 1) * columns + (c - 1)] = std::move(table.at(r, c));
    }
  }
  for (int r = 1; r <= n; ++r) {
    size_t i = static_cast<size_t>(r - 1);
    int source = i < order.size() ? order[i] : 0;
    bool has_data = source >= 1 && source <= used;
    if (!has_data && r > used) continue;  // already empty
    for (int c = 1; c <= columns; ++c) {
      table.at(r, c) = has_data ? std::move(moved[(source - 1) * columns + (c - 1)])
                                : std::string();
    }
  }
}

}  // namespace corvalis
