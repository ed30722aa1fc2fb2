#include "store/row_index.h"

#include <gtest/gtest.h>

namespace corvalis {
namespace {

std::string NameOf(const TextTable& t, int r) { return t.at(r, 1); }

TEST(RowIndexTest, FindsWhatAScanFinds) {
  TextTable t(6, 2);
  t.at(1, 1) = "A";
  t.at(2, 1) = "B";
  t.at(3, 1) = "A";  // a later row with the same key is never the answer
  RowIndex index(t, 1, 5, NameOf);
  EXPECT_EQ(index.Find("A"), 1);
  EXPECT_EQ(index.Find("B"), 2);
  EXPECT_EQ(index.Find("C"), 0);
  EXPECT_EQ(index.free_row(), 4);

  t.at(4, 1) = "C";
  index.ClaimFreeRow("C");
  EXPECT_EQ(index.Find("C"), 4);
  EXPECT_EQ(index.free_row(), 5);
  t.at(5, 1) = "D";
  index.ClaimFreeRow("D");
  EXPECT_EQ(index.free_row(), 0);  // full: rows 1..5 only
}

TEST(RowIndexTest, HoleBeforeLaterRowsIsTheFreeRow) {
  TextTable t(6, 2);
  t.at(1, 1) = "A";
  t.at(3, 1) = "B";
  RowIndex index(t, 1, 5, NameOf);
  EXPECT_EQ(index.free_row(), 2);
  t.at(2, 1) = "C";
  index.ClaimFreeRow("C");
  EXPECT_EQ(index.free_row(), 4);
}

}  // namespace
}  // namespace corvalis
