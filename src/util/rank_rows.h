// The ranking sort shared by every player ranking.
#ifndef CORVALIS_UTIL_RANK_ROWS_H_
#define CORVALIS_UTIL_RANK_ROWS_H_

#include "store/text_table.h"

namespace corvalis {

// Orders rows 1..n of `table` by the leading number of column `key_column`,
// highest first, moving columns 1..columns together. Rows with equal keys
// keep their order. A row counts only when its key equals the key of some
// row whose column 1 is not empty and whose key is above -9999, so rows
// with an empty first cell come along only when a real row shares their key
// (after the real rows before them); every other row is dropped, and the rows
// after the last one kept come back empty in columns 1..columns.
void RankRows(TextTable& table, int n, int key_column, int columns);

}  // namespace corvalis

#endif  // CORVALIS_UTIL_RANK_ROWS_H_
