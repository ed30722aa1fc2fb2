#include "util/rank_rows.h"

#include "util/text.h"

#include <gtest/gtest.h>

#include <random>

#include <string>
#include <vector>

namespace corvalis {
namespace {

// Rows of (name, key, extra) from 1; returns the table.
TextTable Table(const std::vector<std::vector<std::string>>& rows, int size = 10) {
  TextTable t(size + 1, 4);
  for (size_t r = 0; r < rows.size(); ++r) {
    for (size_t c = 0; c < rows[r].size(); ++c) {
      t.at(static_cast<int>(r) + 1, static_cast<int>(c) + 1) = rows[r][c];
    }
  }
  return t;
}

std::vector<std::string> Column(const TextTable& t, int c, int n) {
  std::vector<std::string> out;
  for (int r = 1; r <= n; ++r) out.push_back(t.at(r, c));
  return out;
}

TEST(RankRowsTest, DescendingAndStable) {
  TextTable t = Table({{"a", "3", "x"}, {"b", "5", "y"}, {"c", "5", "z"}, {"d", "1", "w"}});
  RankRows(t, 4, 2, 3);
  EXPECT_EQ(Column(t, 1, 4), (std::vector<std::string>{"b", "c", "a", "d"}));
  EXPECT_EQ(Column(t, 3, 4), (std::vector<std::string>{"y", "z", "x", "w"}));
  EXPECT_EQ(Column(t, 2, 4), (std::vector<std::string>{"5", "5", "3", "1"}));
}

TEST(RankRowsTest, KeysAreLeadingNumbersOfTheText) {
  TextTable t = Table({{"a", "6"}, {"b", "6.5"}, {"c", "x"}, {"d", " 10"}, {"e", "-2"}});
  RankRows(t, 5, 2, 2);
  EXPECT_EQ(Column(t, 1, 5), (std::vector<std::string>{"d", "b", "a", "c", "e"}));
}

TEST(RankRowsTest, RowsWithEmptyFirstCell) {
  // All rows unnamed: nothing is taken, everything comes back empty.
  TextTable unnamed = Table({{"", "5"}, {"", "3"}});
  RankRows(unnamed, 2, 2, 2);
  EXPECT_EQ(Column(unnamed, 2, 2), (std::vector<std::string>{"", ""}));

  // An unnamed row comes along when a named row has its key.
  TextTable t = Table({{"", "5", "u"}, {"a", "5", "x"}, {"", "4", "v"}, {"b", "2", "y"}});
  RankRows(t, 4, 2, 3);
  EXPECT_EQ(Column(t, 3, 4), (std::vector<std::string>{"u", "x", "y", ""}));
}

TEST(RankRowsTest, FreeRowsFollowTheNamedRowsWithKeyZero) {
  // Rows 4..10 are free (key 0): with a named row at 0 they are taken after
  // it, so a negative row moves to the end of the table.
  TextTable t = Table({{"a", "0"}, {"b", "-1"}, {"c", "2"}});
  RankRows(t, 10, 2, 2);
  EXPECT_EQ(t.at(1, 1), "c");
  EXPECT_EQ(t.at(2, 1), "a");
  for (int r = 3; r <= 9; ++r) EXPECT_EQ(t.at(r, 1), "") << r;
  EXPECT_EQ(t.at(10, 1), "b");

  // Without a named key 0 they drop out and the rest closes up.
  TextTable u = Table({{"a", "1"}, {"b", "-1"}});
  RankRows(u, 10, 2, 2);
  EXPECT_EQ(Column(u, 1, 3), (std::vector<std::string>{"a", "b", ""}));
}

TEST(RankRowsTest, TakenMarkAndBelowAreDropped) {
  TextTable t = Table({{"a", "-9999"}, {"b", "7"}, {"c", "-10000"}});
  RankRows(t, 3, 2, 2);
  EXPECT_EQ(Column(t, 1, 3), (std::vector<std::string>{"b", "", ""}));
  EXPECT_EQ(Column(t, 2, 3), (std::vector<std::string>{"7", "", ""}));
}

TEST(RankRowsTest, ClearedTableStaysEmpty) {
  TextTable t = Table({{"a", "1"}}, 18);
  t.Clear();
  RankRows(t, 18, 2, 2);
  EXPECT_EQ(t.at(1, 1), "");
  EXPECT_EQ(t.at(18, 2), "");
}

TEST(RankRowsTest, EmptyRangeAndUntouchedColumns) {
  TextTable t = Table({{"a", "1", "x"}, {"b", "2", "y"}});
  RankRows(t, 0, 2, 3);
  EXPECT_EQ(t.at(1, 1), "a");
  // Columns after the moved ones stay where they were.
  RankRows(t, 2, 2, 2);
  EXPECT_EQ(Column(t, 1, 2), (std::vector<std::string>{"b", "a"}));
  EXPECT_EQ(Column(t, 3, 2), (std::vector<std::string>{"x", "y"}));
}

}  // namespace
}  // namespace corvalis

namespace corvalis {
namespace {

// The ranking rounds taken literally: highest key of a named row, every row
// with that key in order, the taken key marked, until no named row is left.
void ReferenceRank(TextTable& t, int n, int key, int columns) {
  std::vector<std::vector<std::string>> taken;
  std::vector<std::string> keys(static_cast<size_t>(n) + 1);
  for (int r = 1; r <= n; ++r) keys[r] = t.at(r, key);
  for (;;) {
    double max = -9999;
    for (int r = 1; r <= n; ++r) {
      if (!t.at(r, 1).empty() && LeadingNumber(keys[r]) > max) max = LeadingNumber(keys[r]);
    }
    if (max == -9999) break;
    for (int r = 1; r <= n; ++r) {
      if (LeadingNumber(keys[r]) != max) continue;
      std::vector<std::string> row;
      for (int c = 1; c <= columns; ++c) row.push_back(t.at(r, c));
      taken.push_back(row);
      keys[r] = "-9999";
    }
  }
  for (int r = 1; r <= n; ++r) {
    for (int c = 1; c <= columns; ++c) {
      t.at(r, c) = static_cast<size_t>(r) <= taken.size() ? taken[r - 1][c - 1] : "";
    }
  }
}

TEST(RankRowsTest, AgreesWithTheRoundsTakenLiterally) {
  std::mt19937 rng(3);
  const char* keys[] = {"", "0", "1", "2", "2.0", "-1", "-9999", "-10000", "x", " 3", "6.5"};
  for (int round = 0; round < 3000; ++round) {
    int rows = 1 + static_cast<int>(rng() % 30);
    int written = static_cast<int>(rng() % (rows + 1));
    TextTable a(rows + 1, 4), b(rows + 1, 4);
    for (int r = 1; r <= written; ++r) {
      std::string name = rng() % 4 == 0 ? "" : "n" + std::to_string(r);
      std::string k = keys[rng() % (sizeof(keys) / sizeof(keys[0]))];
      a.at(r, 1) = b.at(r, 1) = name;
      a.at(r, 2) = b.at(r, 2) = k;
      a.at(r, 3) = b.at(r, 3) = "c" + std::to_string(r);
    }
    int n = static_cast<int>(rng() % (rows + 1));
    RankRows(a, n, 2, 3);
    ReferenceRank(b, n, 2, 3);
    for (int r = 1; r <= rows; ++r) {
      for (int c = 1; c <= 3; ++c) ASSERT_EQ(a.at(r, c), b.at(r, c)) << round << " r" << r;
    }
  }
}

}  // namespace
}  // namespace corvalis
