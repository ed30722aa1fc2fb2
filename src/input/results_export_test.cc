#include "input/results_export.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "util/text.h"

namespace corvalis {
namespace {

// The columns as the field extractor takes them one by one.
PlayerColumns ColumnsByNextField(std::string_view line) {
  PlayerColumns columns;
  int tabs = 0;
  std::string_view first = NextField(line, tabs);
  auto column = [&](std::string_view code) {
    PlayerColumn c;
    c.code = code;
    c.name = NextField(line);
    c.vote = NextField(line);
    c.bonus = NextField(line);
    c.fantavoto = NextField(line);
    return c;
  };
  std::string_view away_code = first;
  if (tabs == 2) {
    columns.has_home = true;
    columns.home = column(first);
    away_code = NextField(line);
  }
  columns.away = column(away_code);
  return columns;
}

void ExpectSameColumn(const PlayerColumn& a, const PlayerColumn& b, const std::string& line) {
  EXPECT_EQ(a.code, b.code) << line;
  EXPECT_EQ(a.name, b.name) << line;
  EXPECT_EQ(a.vote, b.vote) << line;
  EXPECT_EQ(a.bonus, b.bonus) << line;
  EXPECT_EQ(a.fantavoto, b.fantavoto) << line;
}

// Real lines and random ones of tabs and text, with runs of tabs, leading
// and trailing tabs, more than ten fields and fields across eight-byte
// boundaries.
TEST(SplitPlayerLineTest, TakesTheFieldsAsTheFieldExtractorDoes) {
  std::vector<std::string> lines = {
      "\tP\tFERRARA P.\t4,5\t-1\t3,5\tP\tVITALE Riccardo\t7\t-3\t4",
      "\t\tD\tROSSI\t6\t0\t6", "\tD\tROSSI\t6\t0\t6\t", "D\tROSSI", "", "\t", "\t\t", "\t\t\t",
      "\tA", "\t\tA", "\tA\t", "abcdefghijklmnop", "\t1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t11\t12",
  };
  std::mt19937 random(7);
  const char alphabet[] = "\t\tAB,9 ";
  for (int n = 0; n < 5000; ++n) {
    std::string line(random() % 150, ' ');
    for (char& c : line) c = alphabet[random() % (sizeof alphabet - 1)];
    lines.push_back(line);
  }
  for (const std::string& line : lines) {
    PlayerColumns fast = SplitPlayerLine(line);
    PlayerColumns reference = ColumnsByNextField(line);
    ASSERT_EQ(fast.has_home, reference.has_home) << line;
    if (fast.has_home) ExpectSameColumn(fast.home, reference.home, line);
    ExpectSameColumn(fast.away, reference.away, line);
  }
}

}  // namespace
}  // namespace corvalis
