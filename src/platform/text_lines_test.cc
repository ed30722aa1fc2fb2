#include "platform/text_lines.h"

#include <gtest/gtest.h>

#include <random>

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

// The lines as a byte-by-byte reading finds them.
std::vector<std::string> PlainLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::string line;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] != '\r' && bytes[i] != '\n') {
      line += bytes[i];
      continue;
    }
    lines.push_back(line);
    line.clear();
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

// Line ends are looked for eight bytes at a time: every text of up to ten
// bytes made of a letter, CR and LF, and longer random ones, split as the
// byte-by-byte reading splits them.
TEST(TextLinesTest, SameLinesAsAPlainReading) {
  const char alphabet[] = {'a', '\r', '\n'};
  for (size_t length = 0; length <= 10; ++length) {
    size_t count = 1;
    for (size_t k = 0; k < length; ++k) count *= 3;
    for (size_t n = 0; n < count; ++n) {
      std::string bytes;
      for (size_t k = 0, rest = n; k < length; ++k, rest /= 3) bytes += alphabet[rest % 3];
      ASSERT_EQ(Strings(TextLines::FromBytes(bytes)), PlainLines(bytes)) << testing::PrintToString(bytes);
    }
  }
  std::mt19937 random(7);
  for (int n = 0; n < 3000; ++n) {
    std::string bytes(random() % 200, 'x');
    for (char& c : bytes) {
      unsigned roll = random() % 16;
      c = roll == 0 ? '\r' : roll == 1 ? '\n' : static_cast<char>('a' + roll);
    }
    ASSERT_EQ(Strings(TextLines::FromBytes(bytes)), PlainLines(bytes)) << testing::PrintToString(bytes);
  }
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
