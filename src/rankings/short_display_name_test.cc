#include "rankings/short_display_name.h"

#include <gtest/gtest.h>

namespace corvalis {
namespace {

TEST(ShortDisplayNameTest, CutsAfterTheSecondLetterFromAToY) {
  EXPECT_EQ(ShortDisplayName("ROSSI Mario"), "ROSSI Mar");
  EXPECT_EQ(ShortDisplayName("De Rossi"), "De Ro");
  EXPECT_EQ(ShortDisplayName("DZEKO"), "DZEKO");
  EXPECT_EQ(ShortDisplayName("ROSSI M."), "ROSSI M.");
  // "z" and the bytes of accented letters (Windows-1252 or UTF-8) do not count.
  EXPECT_EQ(ShortDisplayName("PAZZINI Zizou"), "PAZZINI Zizo");
  EXPECT_EQ(ShortDisplayName("N\xe8GRI Aldo"), "N\xe8GRI Ald");
  EXPECT_EQ(ShortDisplayName("NEGR\xc3\xac Al"), "NEGR\xc3\xac Al");
}

}  // namespace
}  // namespace corvalis
