#include "util/escaping.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace corvalis {
namespace {

TEST(EscapingTest, PageTextOpensNoMarkupButKeepsCharacterReferences) {
  EXPECT_EQ(HtmlText("Inter Nos"), "Inter Nos");
  EXPECT_EQ(HtmlText("<b>Alfa</b>"), "&lt;b&gt;Alfa&lt;/b&gt;");
  EXPECT_EQ(HtmlText("Bar & Co"), "Bar &amp; Co");
  EXPECT_EQ(HtmlText("Citt&agrave; &#232; &#xE8; &#XE8;"), "Citt&agrave; &#232; &#xE8; &#XE8;");
  EXPECT_EQ(HtmlText("&agrave &#; &#x; &1a; &"), "&amp;agrave &amp;#; &amp;#x; &amp;1a; &amp;");
  EXPECT_EQ(HtmlText("Inter \"Nos\" l'altra"), "Inter \"Nos\" l'altra");
}

// The word-at-a-time check against the plain reading of each character, on
// texts of every length up to 40 with markup at every place, or none.
TEST(EscapingTest, PlainTextCheckAgreesWithACharacterByCharacterOne) {
  auto plain = [](const std::string& text) {
    return text.find_first_of("<>&") == std::string::npos;
  };
  std::mt19937 random(5);
  // Bytes near the markup ones ("=", "?", ";", "'", "\x3C" +/- 2), high bytes
  // and letters.
  const std::string bytes = "<>&=?;'%$.:; aZz\x80\xBC\xBE\xA6\xFF\x01\x00";
  std::uniform_int_distribution<size_t> pick(0, bytes.size() - 1);
  for (size_t length = 0; length <= 40; ++length) {
    for (int round = 0; round < 300; ++round) {
      std::string text;
      for (size_t i = 0; i < length; ++i) text += bytes[pick(random)];
      EXPECT_EQ(IsPlainHtml(text), plain(text)) << text;
      // The same text with its markup taken out, then with one put back
      // at each place.
      std::string clean;
      for (char c : text) clean += plain(std::string(1, c)) ? c : 'x';
      EXPECT_TRUE(IsPlainHtml(clean)) << clean;
      for (size_t i = 0; i < clean.size(); ++i) {
        for (char markup : {'<', '>', '&'}) {
          std::string marked = clean;
          marked[i] = markup;
          EXPECT_FALSE(IsPlainHtml(marked)) << marked;
        }
      }
    }
  }
}

TEST(EscapingTest, ScriptStringsAreAsciiAndStayOneString) {
  const TextEncoding utf8 = TextEncoding::kUtf8;
  EXPECT_EQ(JsString("Inter Nos", utf8), "\"Inter Nos\"");
  EXPECT_EQ(JsString("Inter \"Nos\" \\", utf8), "\"Inter \\\"Nos\\\" \\\\\"");
  EXPECT_EQ(JsString("</script>", utf8), "\"\\u003C/script>\"");
  EXPECT_EQ(JsString("a\tb\r\n\x01\x7F", utf8), "\"a\\tb\\r\\n\\u0001\\u007F\"");
  EXPECT_EQ(JsString("Citt\xC3\xA0 \xE2\x80\xA8 \xF0\x9F\x98\x80", utf8),
            "\"Citt\\u00E0 \\u2028 \\uD83D\\uDE00\"");
  EXPECT_EQ(JsString("Rag\xF9 \x80", TextEncoding::kWindows1252), "\"Rag\\u00F9 \\u20AC\"");
}

TEST(EscapingTest, ScriptValuesAreBareOnlyWhenTheyAreNumbers) {
  const TextEncoding utf8 = TextEncoding::kUtf8;
  for (const char* number : {"7.5", ".860", "-1", "-.5", "12", "0", "0.5", "5.", "999"}) {
    EXPECT_EQ(JsValue(number, utf8), number);
  }
  EXPECT_EQ(JsValue("n/a", utf8), "\"n/a\"");
  EXPECT_EQ(JsValue("sv/ng", utf8), "\"sv/ng\"");
  EXPECT_EQ(JsValue("", utf8), "\"\"");
  EXPECT_EQ(JsValue("07.5", utf8), "\"07.5\"");
  EXPECT_EQ(JsValue("6.5x", utf8), "\"6.5x\"");
  EXPECT_EQ(JsValue("-", utf8), "\"-\"");
  EXPECT_EQ(JsValue(".", utf8), "\".\"");
}

}  // namespace
}  // namespace corvalis
