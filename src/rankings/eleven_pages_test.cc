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
                   "a[2]=new T11(\"D\",\"VERDI A.\",\"Alfa\", 6.25)"}));
}

}  // namespace
}  // namespace corvalis
