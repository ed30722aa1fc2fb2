#include "platform/text_lines.h"

#include <gtest/gtest.h>

namespace corvalis {
namespace {

std::vector<std::string> Strings(const TextLines& lines) {
  return std::vector<std::string>(lines.begin(), lines.end());
}

TEST(TextLinesTest, EveryLineEnd) {
  using V = std::vector<std::string>;
  EXPECT_EQ(Strings(TextLines::FromBytes("a\r\nb\nc\rd")), (V{"a", "b", "c", "d"}));
  EXPECT_EQ(Strings(TextLines::FromBytes("a\r\n\r\nb\r\n")), (V{"a", "", "b"}));
  EXPECT_EQ(Strings(TextLines::FromBytes("")), V{});
  EXPECT_EQ(Strings(TextLines::FromBytes("\n")), V{""});
  EXPECT_EQ(Strings(TextLines::FromBytes("a\r\r\nb")), (V{"a", "", "b"}));
}

TEST(TextLinesTest, LongLinesKeepTheirStartAndAreListed) {
  TextLines lines = TextLines::FromBytes("abcdef\r\nab\r\nabcd\nabcde", 4);
  EXPECT_EQ(Strings(lines), (std::vector<std::string>{"abcd", "ab", "abcd", "abcd"}));
  EXPECT_EQ(lines.cut_lines(), (std::vector<size_t>{1, 4}));
  EXPECT_TRUE(TextLines::FromBytes("abcd\n", 4).cut_lines().empty());
}

TEST(TextLinesTest, CopiesOutliveTheOriginal) {
  TextLines copy;
  {
    TextLines original = TextLines::FromBytes("uno\ndue");  // short: no heap of its own
    copy = original;
  }
  EXPECT_EQ(copy, (TextLines{"uno", "due"}));
  std::vector<std::string> given = {"a", "", "b"};
  TextLines from_strings = given;
  given.clear();
  EXPECT_EQ(Strings(from_strings), (std::vector<std::string>{"a", "", "b"}));
}

}  // namespace
}  // namespace corvalis
