#include "platform/file_names.h"

#include <gtest/gtest.h>

namespace corvalis {
namespace {

TEST(WildcardMatchTest, StarQuestionAndCase) {
  EXPECT_TRUE(WildcardMatch("*Risultati7.tab", "Lega Risultati7.tab"));
  EXPECT_TRUE(WildcardMatch("*Risultati7.tab", "Risultati7.tab"));
  EXPECT_TRUE(WildcardMatch("*Risultati7.tab", "lega risultati7.TAB"));
  EXPECT_FALSE(WildcardMatch("*Risultati7.tab", "Risultati17.tab"));
  EXPECT_FALSE(WildcardMatch("*Risultati7.tab", "Risultati7.tab.bak"));
  EXPECT_TRUE(WildcardMatch("*Formazioni*.tab", "x_Formazioni3.tab"));
  EXPECT_TRUE(WildcardMatch("a?c", "abc"));
  EXPECT_FALSE(WildcardMatch("a?c", "ac"));
  EXPECT_TRUE(WildcardMatch("*", ""));
  EXPECT_TRUE(WildcardMatch("cred.txt", "CRED.TXT"));
  EXPECT_FALSE(WildcardMatch("cred.txt", "cred.txt2"));
  // Bytes outside ASCII compare exactly.
  EXPECT_FALSE(WildcardMatch("\xC8", "\xE8"));
}

TEST(ListingOrderTest, LowerCasedBytesThenPlainBytes) {
  std::vector<std::string> names = {"b Risultati1.tab", "A Risultati1.tab",
                                    "a Risultati1.tab", "Z.tab"};
  EXPECT_EQ(FirstMatch("*Risultati1.tab", names), "A Risultati1.tab");
  EXPECT_TRUE(ListsBefore("abc", "ABD"));
  EXPECT_TRUE(ListsBefore("ab", "abc"));
  EXPECT_TRUE(ListsBefore("ABC", "abc"));  // tie after lower-casing: bytes
  EXPECT_TRUE(ListsBefore("_x", "ax"));    // '_' (95) before 'a' (97)
  EXPECT_EQ(FirstMatch("*.tab", {"x.txt"}), "");
}

TEST(SplitLinesTest, EveryLineEnd) {
  EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\r\n\r\nb\r\n"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(SplitLines(""), std::vector<std::string>{});
  EXPECT_EQ(SplitLines("\n"), std::vector<std::string>{""});
  EXPECT_EQ(SplitLines("a\r\r\nb"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(JoinLines({"a", "", "b"}), "a\r\n\r\nb\r\n");
}

TEST(SplitFolderTest, EitherSeparator) {
  EXPECT_EQ(SplitFolder("C:\\lega\\conf.txt").folder, "C:\\lega");
  EXPECT_EQ(SplitFolder("/tmp/x/conf.txt").name, "conf.txt");
  EXPECT_EQ(SplitFolder("estremi.exe").folder, "");
  EXPECT_EQ(SplitFolder("/tmp/x\\\\*Risultati1.tab").name, "*Risultati1.tab");
}

TEST(TemporaryFileNameTest, OnlyOurExactFormIsOurs) {
  EXPECT_EQ(TemporaryFileName(0x0123456789abcdefULL), ".htcorvalis-0123456789abcdef.tmp");
  EXPECT_EQ(TemporaryFileName(0), ".htcorvalis-0000000000000000.tmp");
  EXPECT_TRUE(IsTemporaryFileName(TemporaryFileName(~0ULL)));
  for (const char* other : {".htcorvalis-0123456789ABCDEF.tmp", ".htcorvalis-0123456789abcdeg.tmp",
                            ".htcorvalis-0123456789abcde.tmp", ".htcorvalis-0123456789abcdef0.tmp",
                            "x.htcorvalis-0123456789abcdef.tmp", ".htcorvalis-0123456789abcdef.TMP",
                            ".htcorvalis-0123456789abcdef.tmp ", "bestrose.htm.tmp-corvalis",
                            ".htcorvalis.lock", ""}) {
    EXPECT_FALSE(IsTemporaryFileName(other)) << other;
  }
}

}  // namespace
}  // namespace corvalis
