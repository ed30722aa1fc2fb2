#include "rankings/short_display_name.h"

#include <gtest/gtest.h>

namespace corvalis {
namespace {

TEST(ShortDisplayNameTest, CutsAfterTheSecondLowerCaseLetter) {
  EXPECT_EQ(ShortDisplayName("ROSSI Mario"), "ROSSI Mar");
  EXPECT_EQ(ShortDisplayName("De Rossi"), "De Ro");
  EXPECT_EQ(ShortDisplayName("DZEKO"), "DZEKO");
  EXPECT_EQ(ShortDisplayName("ZIELINSKI P."), "ZIELINSKI P.");
  EXPECT_EQ(ShortDisplayName("DI NATALE Fabio"), "DI NATALE Fab");
  EXPECT_EQ(ShortDisplayName(""), "");
  EXPECT_EQ(ShortDisplayName("ROSSI M."), "ROSSI M.");
}

TEST(ShortDisplayNameTest, OnlyTheLettersAToYCount) {
  // "z" and bytes of accented letters (Windows-1252 and UTF-8) are passed over.
  EXPECT_EQ(ShortDisplayName("PAZZINI Zizou"), "PAZZINI Zizo");
  EXPECT_EQ(ShortDisplayName("BOATENG Kzz"), "BOATENG Kzz");
  EXPECT_EQ(ShortDisplayName("N\xe8GRI Aldo"), "N\xe8GRI Ald");
  EXPECT_EQ(ShortDisplayName("NEGR\xc3\xac Al"), "NEGR\xc3\xac Al");
}

TEST(ShortDisplayNameTest, ShortenNamesRewritesOneColumnOfEveryRow) {
  TextTable table(5, 3);
  table.at(1, 1) = "ROSSI Mario";
  table.at(1, 2) = "Real Tigre";
  table.at(3, 1) = "ROSSI Mar";  // already short: unchanged
  ShortenNames(table, 1);
  EXPECT_EQ(table.at(1, 1), "ROSSI Mar");
  EXPECT_EQ(table.at(1, 2), "Real Tigre");
  EXPECT_EQ(table.at(2, 1), "");
  EXPECT_EQ(table.at(3, 1), "ROSSI Mar");
}

}  // namespace
}  // namespace corvalis
