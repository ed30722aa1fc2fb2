// Finding rows of a player table by key without scanning it: the same rows
// that a scan from row 1 finds (the first row with the key, and the first
// row whose name is empty as the free row), for tables that grow row by
// row and whose keys do not change while the index lives.
#ifndef CORVALIS_STORE_ROW_INDEX_H_
#define CORVALIS_STORE_ROW_INDEX_H_

#include <functional>
#include <string>
#include <unordered_map>

#include "store/text_table.h"

namespace corvalis {

class RowIndex {
 public:
  // The key of a row, made from its cells (a name, or a name and a team).
  using KeyOf = std::function<std::string(const TextTable&, int row)>;

  // Indexes rows 1..last_row of `table`; a row is free when its
  // `name_column` is empty.
  RowIndex(const TextTable& table, int name_column, int last_row, KeyOf key_of);

  // The first row whose key is `key`, 0 when none.
  int Find(const std::string& key) const;

  // The first free row, 0 when the table is full.
  int free_row() const { return free_row_; }

  // Records that the free row now holds a row with key `key`.
  void ClaimFreeRow(const std::string& key);

 private:
  const TextTable& table_;
  int name_column_;
  int last_row_;
  std::unordered_map<std::string, int> first_row_;
  int free_row_ = 0;
};

}  // namespace corvalis

#endif  // CORVALIS_STORE_ROW_INDEX_H_
