#include "util/page.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "util/escaping.h"
#include "util/text.h"

namespace corvalis {
namespace {

TEST(PageTest, PiecesWriteAsTheirTextForms) {
  const TextEncoding utf8 = TextEncoding::kUtf8;
  const double values[] = {0,    -0.0, 7,     -3,    6.5,   0.75, -0.5, 1e14, -1e14,
                           1e15, 1e20, 1.005, 1e-7, 12.25, NAN,  INFINITY};
  const char* texts[] = {"Inter Nos", "", "Bar & Co", "<b>", "Citt&agrave;", "a\"b\\c",
                         "Citt\xC3\xA0", "tab\there", "</script>"};
  Page page;
  std::string expected;
  for (double value : values) {
    page.Put(Number{value});
    expected += NumberText(value);
  }
  for (long long value : {0LL, 7LL, -3LL, 1234567890123LL, -9223372036854775807LL - 1}) {
    page.Put(Whole{value});
    expected += WholeText(value);
  }
  for (const char* text : texts) {
    page.Line(Html{text}, '|', JsText{text, utf8});
    expected += HtmlText(text) + "|" + JsString(text, utf8) + "\r\n";
  }
  EXPECT_EQ(page.text(), expected);
}

// A number is written in place after its space, which a negative one takes
// back: every form of value comes out as NumberText writes it.
TEST(PageTest, NumbersWrittenInPlaceAreTheirNumberText) {
  std::mt19937_64 random(3);
  std::uniform_int_distribution<long long> hundredths(-2000000, 2000000);
  Page page;
  std::string expected;
  for (int i = 0; i < 40000; ++i) {
    long long k = hundredths(random);
    double value = i % 4 == 0 ? static_cast<double>(k) : i % 4 == 1 ? k / 100.0 : k / 7.0;
    page.Line("|", Number{value}, "|");
    expected += "|" + NumberText(value) + "|\r\n";
  }
  EXPECT_EQ(page.text(), expected);
}

// A padded text comes out as itself, however long, whatever its buffer
// holds past it, and between any other pieces.
TEST(PageTest, PaddedTextsWriteAsThemselves) {
  Page page;
  std::string expected;
  for (size_t size = 0; size <= 3 * Padded::kBytes; ++size) {
    std::string text(size, 'a');
    for (size_t i = 0; i < size; ++i) text[i] = static_cast<char>('a' + i % 26);
    std::string buffer = text + std::string(Padded::kBytes, '#');
    std::string_view padded(buffer.data(), size);
    page.Line(Padded{padded}, "|", Padded{padded}, Whole{static_cast<long long>(size)});
    expected += text + "|" + text + std::to_string(size) + "\r\n";
  }
  EXPECT_EQ(page.text(), expected);
}

// A line makes room for its pieces' longest forms at once: the longest
// numbers, escapes of every character and a line longer than the page has
// room for all come out whole, whichever way they are put.
TEST(PageTest, LinesHoldTheLongestFormsOfTheirPieces) {
  const double tiny = std::numeric_limits<double>::denorm_min();
  const double huge = -std::numeric_limits<double>::max();
  const std::string escapes(300, '&');
  std::string script_escapes;
  for (int i = 0; i < 100; ++i) script_escapes += "\x01\xF0\x9F\x98\x80\xC3\xA0";
  const std::string long_text(70000, 'x');
  for (TextEncoding encoding : {TextEncoding::kUtf8, TextEncoding::kWindows1252}) {
    std::string spilled;
    Page lines([&](std::string_view bytes) { spilled += bytes; });
    Page pieces;
    std::string expected;
    for (int i = 0; i < 200; ++i) {
      lines.Line(Number{tiny}, Number{huge}, Whole{LLONG_MIN}, Html{escapes}, '|',
                 JsText{script_escapes, encoding}, long_text.substr(0, i * 300));
      pieces.Put(Number{tiny});
      pieces.Put(Number{huge});
      pieces.Put(Whole{LLONG_MIN});
      pieces.Put(Html{escapes});
      pieces.Put('|');
      pieces.Put(JsText{script_escapes, encoding});
      pieces.Put(long_text.substr(0, i * 300));
      pieces.Put("\r\n");
      expected += NumberText(tiny) + NumberText(huge) + WholeText(LLONG_MIN) +
                  HtmlText(escapes) + "|" + JsString(script_escapes, encoding) +
                  long_text.substr(0, i * 300) + "\r\n";
    }
    lines.Line(long_text);
    pieces.Line(long_text);
    expected += long_text + "\r\n";
    lines.Spill();
    EXPECT_EQ(spilled, expected);
    EXPECT_EQ(pieces.text(), expected);
  }
}

TEST(PageTest, GrowsSpillsAndMovesWithoutLosingBytes) {
  std::string spilled;
  Page page([&](std::string_view bytes) { spilled += bytes; });
  std::string expected;
  for (int i = 0; i < 5000; ++i) {
    std::string line(i % 97, static_cast<char>('a' + i % 26));
    page.Line(line, Number{double(i)});
    expected += line + NumberText(i) + "\r\n";
  }
  EXPECT_GT(spilled.size(), 0u);
  page.Spill();
  EXPECT_EQ(spilled, expected);
  EXPECT_EQ(page.size(), 0u);

  Page small;
  for (int i = 0; i < 1000; ++i) small.Put("0123456789");
  Page moved = std::move(small);
  EXPECT_EQ(moved.size(), 10000u);
  EXPECT_EQ(moved.text().substr(9990), "0123456789");
  small = Page();
  small.Put("x");
  EXPECT_EQ(small.text(), "x");
}

// Blocks made in a page between HoldSpills and ReleaseSpills are handed over
// at the points where the same blocks, made apart and put with PutLines, are.
TEST(PageTest, HeldLinesSpillWhereCopiedBlocksDo) {
  std::vector<std::string> copied_spills;
  std::vector<std::string> held_spills;
  Page copied([&](std::string_view bytes) { copied_spills.emplace_back(bytes); });
  Page held([&](std::string_view bytes) { held_spills.emplace_back(bytes); });
  for (int b = 0; b < 300; ++b) {
    Page block;
    held.HoldSpills();
    for (int i = 0; i < b % 37; ++i) {
      std::string line(i * 41 % 900, static_cast<char>('a' + b % 26));
      block.Line(line, Whole{b});
      held.Line(line, Whole{b});
    }
    held.ReleaseSpills();
    copied.PutLines(block.text());
    ASSERT_EQ(held_spills, copied_spills) << b;
  }
  EXPECT_GT(held_spills.size(), 10u);
  copied.Spill();
  held.Spill();
  EXPECT_EQ(held_spills, copied_spills);

  Page plain;  // a page that spills nowhere keeps every line
  plain.HoldSpills();
  plain.Line("a");
  plain.ReleaseSpills();
  EXPECT_EQ(plain.text(), "a\r\n");
}

}  // namespace
}  // namespace corvalis
