#include "platform/text_lines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "util/byte_words.h"

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

// The lines as a byte-by-byte reading finds them, each cut to `max_line`
// bytes; `cut` gets the numbers of the lines cut.
std::vector<std::string> PlainLines(const std::string& bytes, size_t max_line = kMaxLineBytes,
                                    std::vector<size_t>* cut = nullptr) {
  std::vector<std::string> lines;
  std::string line;
  bool open = false;  // bytes taken since the last line end
  auto end_line = [&] {
    if (line.size() > max_line) {
      line.resize(max_line);
      if (cut != nullptr) cut->push_back(lines.size() + 1);
    }
    lines.push_back(line);
    line.clear();
    open = false;
  };
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] != '\r' && bytes[i] != '\n') {
      line += bytes[i];
      open = true;
      continue;
    }
    end_line();
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
  }
  if (open) end_line();
  return lines;
}

// Line ends are looked for sixty-four bytes at a time: every text of up to
// ten bytes made of a letter, CR and LF, and longer random ones with tabs
// and spaces too, split (and cut) as the byte-by-byte reading does it.
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
  const char mixed[] = "\r\n\t abcXYZ";
  for (int n = 0; n < 6000; ++n) {
    // Some texts with few line ends, so that lines run past 64 bytes.
    bool sparse = n % 3 == 0;
    std::string bytes(random() % (n % 7 == 0 ? 600 : 201), 'x');
    for (char& c : bytes) {
      size_t skip = sparse && random() % 40 != 0 ? 2 : 0;  // past CR and LF
      c = mixed[skip + random() % (sizeof mixed - 1 - skip)];
    }
    size_t max_line = n % 2 == 0 ? kMaxLineBytes : random() % 80;
    std::vector<size_t> cut;
    std::vector<std::string> plain = PlainLines(bytes, max_line, &cut);
    TextLines lines = TextLines::FromBytes(bytes, max_line);
    ASSERT_EQ(Strings(lines), plain) << testing::PrintToString(bytes) << max_line;
    ASSERT_EQ(lines.cut_lines(), cut) << testing::PrintToString(bytes) << max_line;
  }
  // A CR LF split across the masks' sixty-four-byte steps.
  for (size_t at : {62, 63, 64, 127, 128}) {
    std::string bytes(200, 'a');
    bytes[at] = '\r';
    bytes[at + 1] = '\n';
    ASSERT_EQ(Strings(TextLines::FromBytes(bytes)), PlainLines(bytes)) << at;
  }
}

// The line feeds counted to size the views: long texts pass the sums of the
// byte counters taken every so many bytes, which must lose none.
TEST(TextLinesTest, CountsBytesAsALoopDoes) {
  std::mt19937 random(11);
  for (size_t size : {0, 1, 63, 64, 65, 4031, 4032, 4033, 4096, 9000, 20000}) {
    for (int dense = 0; dense < 2; ++dense) {
      std::string bytes(size, 'x');
      for (char& c : bytes) c = random() % (dense ? 2 : 50) == 0 ? '\n' : 'a';
      EXPECT_EQ(CountBytes(bytes.data(), bytes.size(), '\n'),
                static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '\n')))
          << size;
    }
  }
  std::string all(20000, '\n');  // every counter as full as it gets
  EXPECT_EQ(CountBytes(all.data(), all.size(), '\n'), all.size());
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
