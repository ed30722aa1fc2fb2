#include "util/rank_rows.h"

#include <algorithm>
#include <string>
#include <vector>

#include "util/text.h"

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
  // Work vectors kept between calls: the calendar sorts small tables
  // thousands of times a season.
  static thread_local std::vector<double> keys, named_keys;
  static thread_local std::vector<int> order, source, emptied;
  static thread_local std::vector<char> kept, placed;
  keys.assign(static_cast<size_t>(used) + 1, 0.0);
  named_keys.clear();
  for (int r = 1; r <= used; ++r) {
    keys[r] = LeadingNumber(table.at(r, key_column));
    if (!table.at(r, 1).empty() && keys[r] > kTakenMark) named_keys.push_back(keys[r]);
  }
  std::sort(named_keys.begin(), named_keys.end());
  auto is_named = [&](double key) {
    return std::binary_search(named_keys.begin(), named_keys.end(), key);
  };
  order.clear();  // rows kept, by index; 0 stands for an unwritten row
  for (int r = 1; r <= used; ++r) {
    if (is_named(keys[r])) order.push_back(r);
  }
  std::stable_sort(order.begin(), order.end(),
                   [&](int a, int b) { return keys[a] > keys[b]; });
  if (used < n && is_named(0.0)) {
    // The unwritten rows come after every kept row with key 0 or more.
    auto first_negative = std::find_if(order.begin(), order.end(),
                                       [&](int r) { return keys[r] < 0; });
    order.insert(first_negative, static_cast<size_t>(n - used), 0);
  }

  // Position i (1-based) receives row source[i]; 0 marks a position that
  // ends empty. Giving those positions the dropped and unwritten rows makes
  // `source` a permutation, applied cycle by cycle so that rows already in
  // place are not touched; the empty positions are cleared afterwards.
  int last = std::max(used, static_cast<int>(order.size()));
  source.assign(static_cast<size_t>(last) + 1, 0);
  kept.assign(static_cast<size_t>(last) + 1, 0);
  for (size_t i = 0; i < order.size(); ++i) {
    source[i + 1] = order[i];
    if (order[i] != 0) kept[order[i]] = 1;
  }
  emptied.clear();
  int junk = 1;
  for (int i = 1; i <= last; ++i) {
    if (source[i] != 0) continue;
    while (kept[junk]) ++junk;
    source[i] = junk++;
    emptied.push_back(i);
  }
  placed.assign(static_cast<size_t>(last) + 1, 0);
  std::vector<std::string> held(static_cast<size_t>(columns) + 1);
  for (int start = 1; start <= last; ++start) {
    if (placed[start] || source[start] == start) continue;
    for (int c = 1; c <= columns; ++c) held[c] = std::move(table.at(start, c));
    int at = start;
    while (source[at] != start) {
      int from = source[at];
      for (int c = 1; c <= columns; ++c) table.at(at, c) = std::move(table.at(from, c));
      placed[at] = 1;
      at = from;
    }
    for (int c = 1; c <= columns; ++c) table.at(at, c) = std::move(held[c]);
    placed[at] = 1;
  }
  for (int i : emptied) {
    if (i > used && source[i] > used) continue;  // an unwritten row, still empty
    for (int c = 1; c <= columns; ++c) table.at(i, c).clear();
  }
}

}  // namespace corvalis
