#include "util/encoding.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvalis {
namespace {

constexpr TextEncoding kUtf8 = TextEncoding::kUtf8;
constexpr TextEncoding kCp1252 = TextEncoding::kWindows1252;

TEST(EncodingTest, WellFormedUtf8RejectsWhatBrowsersReplace) {
  EXPECT_TRUE(IsWellFormedUtf8("plain ASCII"));
  EXPECT_TRUE(IsWellFormedUtf8("Citt\xC3\xA0 VLAHOVI\xC4\x86 \xE2\x82\xAC \xF0\x9F\x98\x80"));
  EXPECT_FALSE(IsWellFormedUtf8("Citt\xE0"));            // Windows-1252 à
  EXPECT_FALSE(IsWellFormedUtf8("\xC0\xAF"));            // overlong "/"
  EXPECT_FALSE(IsWellFormedUtf8("\xED\xA0\x80"));        // surrogate
  EXPECT_FALSE(IsWellFormedUtf8("\xF4\x90\x80\x80"));    // above U+10FFFF
  EXPECT_FALSE(IsWellFormedUtf8("MONT\xC3"));            // cut sequence
  EXPECT_FALSE(IsWellFormedUtf8("\x80"));                // lone continuation
}

TEST(EncodingTest, OneIllFormedTextMakesTheRunWindows1252ForGood) {
  TextEncoding e = kUtf8;
  e = NoteInputText(e, "Citt\xC3\xA0");
  EXPECT_EQ(e, kUtf8);
  e = NoteInputText(e, "Rag\xF9");
  EXPECT_EQ(e, kCp1252);
  e = NoteInputText(e, "Citt\xC3\xA0");
  EXPECT_EQ(e, kCp1252);
  EXPECT_STREQ(CharsetName(kUtf8), "UTF-8");
  EXPECT_STREQ(CharsetName(kCp1252), "windows-1252");
}

TEST(EncodingTest, ToUtf8ConvertsOnlyWhatIsNotUtf8Already) {
  EXPECT_EQ(ToUtf8("C'\xE8 un giocatore"), "C'\xC3\xA8 un giocatore");
  EXPECT_EQ(ToUtf8("\x80 \x8A \x9F"), "\xE2\x82\xAC \xC5\xA0 \xC5\xB8");
  EXPECT_EQ(ToUtf8("Montè"), "Montè");
}

TEST(EncodingTest, LetterCaseKnowsTheAccentedLettersOfEachEncoding) {
  EXPECT_EQ(LowerText("REAL TIGRE", kUtf8), "real tigre");
  EXPECT_EQ(LowerText("CITT\xC3\x80 MONT\xC3\x88", kUtf8), "citt\xC3\xA0 mont\xC3\xA8");
  EXPECT_EQ(LowerText("VLAHOVI\xC4\x86 \xC5\xBD \xC5\x81 \xC5\xB8", kUtf8),
            "vlahovi\xC4\x87 \xC5\xBE \xC5\x82 \xC3\xBF");
  EXPECT_EQ(LowerText("\xD0\x9F\xD0\x81 \xCE\xA9", kUtf8), "\xD0\xBF\xD1\x91 \xCF\x89");
  EXPECT_EQ(UpperText("\xC3\xA8\xC3\xBF\xC5\x82", kUtf8), "\xC3\x88\xC5\xB8\xC5\x81");
  EXPECT_EQ(LowerText("CITT\xC0 \x8A\x8C\x8E\x9F \xD7", kCp1252), "citt\xE0 \x9A\x9C\x9E\xFF \xD7");
  EXPECT_EQ(UpperText("\xE0\xFF\xF7\xDF", kCp1252), "\xC0\x9F\xF7\xDF");
  // An ill-formed byte of a UTF-8 run stays as it was read.
  EXPECT_EQ(LowerText("A\xC0Z", kUtf8), "a\xC0z");
}

TEST(EncodingTest, FirstCharacterStaysWhole) {
  EXPECT_EQ(FirstAsIsRestLower("DE ROSSI", kUtf8), "De rossi");
  EXPECT_EQ(FirstAsIsRestLower("MONT\xC3\x88", kUtf8), "Mont\xC3\xA8");
  EXPECT_EQ(FirstAsIsRestLower("\xC3\x89TIENNE", kUtf8), "\xC3\x89tienne");
  EXPECT_EQ(FirstAsIsRestLower("\xC9TIENNE", kCp1252), "\xC9tienne");
  EXPECT_EQ(FirstAsIsRestLower("", kUtf8), "");
}

// The surname readers take their fast paths on ASCII bytes and
// Windows-1252; every short text of bytes that matter to either encoding
// (ASCII letters and marks, leads and continuations of every length, bytes
// ill-formed in UTF-8, accented capitals and small letters) is held to the
// plain reading of every character from the front.
TEST(EncodingTest, SurnameReadersAgreeWithThePlainReadingOnShortTexts) {
  const std::string bytes =
      "Aa~. \x80\x8A\x9A\xA8\xB1\xBF\xC3\xC8\xCE\xD0\xE0\xE8\xED\xF0\xF4\xFF";
  std::vector<std::string> texts = {""};
  for (size_t begin = 0, length = 1; length <= 4; ++length) {
    size_t end = texts.size();
    for (size_t i = begin; i < end; ++i) {
      for (char b : bytes) texts.push_back(texts[i] + b);
    }
    begin = end;
  }
  for (TextEncoding encoding : {kUtf8, kCp1252}) {
    for (const std::string& text : texts) {
      ASSERT_EQ(EndsInLowerCase(text, encoding), EndsInLowerCaseRead(text, encoding)) << text;
      size_t first = DecodeChar(text, encoding).length;
      ASSERT_EQ(FirstAsIsRestLower(text, encoding),
                text.substr(0, first) + LowerText(text.substr(first), encoding))
          << text;
    }
  }
}

TEST(EncodingTest, SurnameTestReadsAccentedCapitalsAsCapitals) {
  EXPECT_FALSE(EndsInLowerCase("MONT\xC3\x88", kUtf8));
  EXPECT_FALSE(EndsInLowerCase("MONT\xC8", kCp1252));
  EXPECT_FALSE(EndsInLowerCase("VLAHOVI\xC4\x86", kUtf8));
  EXPECT_TRUE(EndsInLowerCase("Mont\xC3\xA8", kUtf8));
  EXPECT_TRUE(EndsInLowerCase("Mont\xE8", kCp1252));
  EXPECT_TRUE(EndsInLowerCase("Rossi", kUtf8));
  EXPECT_TRUE(EndsInLowerCase("ROSSI~", kUtf8));  // every ASCII byte above 96, as always
  EXPECT_FALSE(EndsInLowerCase("ROSSI", kUtf8));
  EXPECT_FALSE(EndsInLowerCase("D.", kUtf8));
  EXPECT_FALSE(EndsInLowerCase("", kUtf8));
}

}  // namespace
}  // namespace corvalis
