#include "store/row_index.h"

#include <algorithm>

namespace corvalis {

RowIndex::RowIndex(const TextTable& table, int name_column, int last_row, KeyOf key_of)
    : table_(table), name_column_(name_column), last_row_(last_row) {
  // Rows after the last one written are empty: the first of them is free
  // unless a hole comes before.
  int written = std::min(last_row_, table_.last_written_row());
  first_row_.reserve(static_cast<size_t>(written));
  for (int r = 1; r <= written; ++r) {
    if (table_.at(r, name_column_).empty()) {
      if (free_row_ == 0) free_row_ = r;
    } else {
      first_row_.emplace(key_of(table_, r), r);
    }
  }
  if (free_row_ == 0 && written < last_row_) free_row_ = written + 1;
}

int RowIndex::Find(const std::string& key) const {
  auto found = first_row_.find(key);
  return found == first_row_.end() ? 0 : found->second;
}

void RowIndex::ClaimFreeRow(const std::string& key) {
  if (free_row_ == 0) return;
  first_row_.emplace(key, free_row_);
  int claimed = free_row_;
  free_row_ = 0;
  for (int r = claimed + 1; r <= last_row_; ++r) {
    if (table_.at(r, name_column_).empty()) {
      free_row_ = r;
      return;
    }
  }
}

}  // namespace corvalis
