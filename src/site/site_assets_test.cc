#include "site/site_assets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>

namespace corvalis {
namespace {

bool IsAscii(std::string_view text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) > 0x7E || (c < 0x20 && c != '\n' && c != '\r' && c != '\t')) {
      return false;
    }
  }
  return true;
}

// Both assets are read by browsers under whatever charset the host
// announces: ASCII only, accented letters as escapes.
TEST(SiteAssetsTest, PlainAsciiTextsWrittenAsLines) {
  for (std::string_view text : {CorvalisCssText(), CrvUtilsJsText()}) {
    ASSERT_GT(text.size(), 1000u);
    EXPECT_TRUE(IsAscii(text));
    std::string file = AssetFile(text);
    EXPECT_GT(std::count(file.begin(), file.end(), '\n'), 50);
    EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), std::count(file.begin(), file.end(), '\r'));
  }
}

TEST(SiteAssetsTest, AssetLinesAcceptEitherLineEnd) {
  EXPECT_EQ(AssetFile("a {\r\n}\r\n"), "a {\r\n}\r\n");
  EXPECT_EQ(AssetFile("a {\n}\n"), "a {\r\n}\r\n");
}

// What the pages and the data scripts call, with the argument lists the
// data scripts use.
TEST(SiteAssetsTest, ScriptLibraryDefinesWhatThePagesCall) {
  std::string js(CrvUtilsJsText());
  for (const char* signature :
       {"function invertiDisplayLayer(id)", "function CvTot(squadra, scartoPesato, partite)",
        "function Cv(squadra, scarto, voti, scartoVoti, parziale, modulo, max, moduliMigliori)",
        "function T11(ruolo, nome, squadra, voto)", "var crvGrafici ="}) {
    EXPECT_NE(js.find(signature), std::string::npos) << signature;
  }
}

// Nothing is fetched from elsewhere: no web fonts, no CDN.
TEST(SiteAssetsTest, NothingLoadedFromOtherSites) {
  std::string css(CorvalisCssText());
  EXPECT_EQ(css.find("url("), std::string::npos);
  EXPECT_EQ(css.find("@import"), std::string::npos);
  EXPECT_EQ(css.find("@font-face"), std::string::npos);
  EXPECT_EQ(css.find("http"), std::string::npos);
  std::string js(CrvUtilsJsText());
  // The one address in the script is the SVG namespace, a name only.
  std::string without_namespace =
      std::regex_replace(js, std::regex("(['\"])http://www\\.w3\\.org/2000/svg\\1"), "");
  EXPECT_EQ(without_namespace.find("http"), std::string::npos);
  EXPECT_EQ(js.find("import"), std::string::npos);
}

}  // namespace
}  // namespace corvalis
