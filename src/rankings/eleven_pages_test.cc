#include "rankings/eleven_pages.h"

#include <gtest/gtest.h>

#include <memory>

namespace corvalis {
namespace {

TEST(ElevenPagesTest, PageAndScriptLines) {
  auto store = std::make_unique<SeasonStore>();
  const char* rows[3][4] = {{"", "", "", ""},
                            {"P", "ROSSI Mar", "Real Tigre", "7.5"},
                            {"D", "VERDI A.", "Alfa", " 6.25"}};  // a season average
  for (int s = 1; s <= 2; ++s) {
    for (int c = 1; c <= 4; ++c) store->elevenTable.at(s, c) = rows[s][c - 1];
  }
  Lines page = ElevenPage(*store, SeasonTopTitle(3));
  ASSERT_EQ(page.size(), 8u);
  EXPECT_EQ(page[3],
            "<tr class=\"estremi\"><td colspan=\"2\" class=\"kxTITOLO\">TOP 11 Stagione (min "
            "pres: 3)</td></tr>");
  EXPECT_EQ(page[4],
            "<tr class=\"estremi\"><td class=\"kxRUOLOd\">P</td><td class=\"kxNOMEd\">ROSSI Mar "
            "(real tigre) [7.5]</td></tr>");
  EXPECT_NE(page[5].find("kxNOMEp\">VERDI A. (alfa) [6.25]<"), std::string::npos);
  EXPECT_EQ(SeasonFlopTitle(2), "FLOP11 Stagione (min pres: 2)");
  EXPECT_EQ(Top11Script(*store),
            (Lines{"var arrTop11=new Array()", "a = arrTop11",
                   "a[1]=new T11(\"P\",\"ROSSI Mar\",\"Real Tigre\",7.5)",
                   // a figure that is no number literal as it stands is a string
                   "a[2]=new T11(\"D\",\"VERDI A.\",\"Alfa\",\" 6.25\")"}));
}

// The league's texts: escaped on the page, string literals of ASCII in the
// script; the team lowered in the run's encoding. A figure an export got
// wrong is a string, so the record still loads.
TEST(ElevenPagesTest, LeagueTextsOnThePageAndInTheScript) {
  auto store = std::make_unique<SeasonStore>();
  store->encoding = TextEncoding::kWindows1252;
  const char* row[4] = {"A", "MONT\xC8 <Iva>", "Inter \"N\xD2S\" & Co", "sv/ng"};
  for (int c = 1; c <= 4; ++c) store->elevenTable.at(1, c) = row[c - 1];
  EXPECT_NE(ElevenPage(*store, "TOP 11 di giornata")[4].find(
                "kxNOMEd\">MONT\xC8 &lt;Iva&gt; (inter \"n\xF2s\" &amp; co) [sv/ng]<"),
            std::string::npos);
  EXPECT_EQ(Top11Script(*store)[2],
            "a[1]=new T11(\"A\",\"MONT\\u00C8 \\u003CIva>\",\"Inter \\\"N\\u00D2S\\\" & Co\","
            "\"sv/ng\")");
}

}  // namespace
}  // namespace corvalis
