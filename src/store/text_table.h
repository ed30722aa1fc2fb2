// A table of text cells indexed from 0, as the player tables of the season
// hold them: an empty string is an empty cell, numbers are kept in their
// text form, row 0 and column 0 are not data.
#ifndef CORVALIS_STORE_TEXT_TABLE_H_
#define CORVALIS_STORE_TEXT_TABLE_H_

#include <stdexcept>
#include <string>
#include <vector>

namespace corvalis {

class TextTable {
 public:
  // Rows 0..rows-1, columns 0..cols-1.
  TextTable(int rows, int cols)
      : rows_(rows), cols_(cols), cells_(static_cast<size_t>(rows) * cols) {}

  int rows() const { return rows_; }
  int cols() const { return cols_; }

  std::string& at(int r, int c) {
    Check(r, c);
    if (r >= used_rows_) used_rows_ = r + 1;
    return cells_[static_cast<size_t>(r) * cols_ + c];
  }
  const std::string& at(int r, int c) const {
    Check(r, c);
    return cells_[static_cast<size_t>(r) * cols_ + c];
  }

  // Rows at and above this one have never been written since the last
  // Clear(): they are all empty.
  int used_rows() const { return used_rows_; }

  // The highest row written since the last Clear() (0 when none): data rows
  // 1..last_written_row() hold everything there is.
  int last_written_row() const { return used_rows_ > 0 ? used_rows_ - 1 : 0; }

  // Makes every cell empty again. Only the rows written so far are touched,
  // so clearing a large table that holds a few rows costs a few rows.
  void Clear() {
    for (size_t i = 0; i < static_cast<size_t>(used_rows_) * cols_; ++i) {
      cells_[i].clear();
    }
    used_rows_ = 0;
  }

 private:
  void Check(int r, int c) const {
    if (r < 0 || r >= rows_ || c < 0 || c >= cols_) {
      throw std::out_of_range("cella fuori tabella");
    }
  }

  int rows_;
  int cols_;
  int used_rows_ = 0;
  std::vector<std::string> cells_;
};

}  // namespace corvalis

#endif  // CORVALIS_STORE_TEXT_TABLE_H_
