#include "rankings/eleven_pages.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/fake_env.h"

namespace corvalis {
namespace {

TEST(ElevenPagesTest, PageAndScriptLinesOfAPlayer) {
  auto store = std::make_unique<SeasonStore>();
  store->elevenTable.at(1, 1) = "P";
  store->elevenTable.at(1, 2) = "ROSSI Mar";
  store->elevenTable.at(1, 3) = "Real Tigre";
  store->elevenTable.at(1, 4) = "7.5";
  store->elevenTable.at(2, 1) = "D";
  store->elevenTable.at(2, 2) = "VERDI A.";
  store->elevenTable.at(2, 3) = "Alfa";
  store->elevenTable.at(2, 4) = " 6.25";  // a season average
  Lines page = ElevenPage(*store, "TOP 11 di giornata");
  Lines expected = {
      "<link href=\"corvalis.css\" rel=\"stylesheet\" type=\"text/css\" />",
      "<div id=\"estremi\">",
      "<table class='estremi' border=\"0\" cellspacing=\"0\" cellpadding=\"0\">",
      "<tr class=\"estremi\"><td colspan=\"2\" class=\"kxTITOLO\">TOP 11 di giornata</td></tr>",
      "<tr class=\"estremi\"><td class=\"kxRUOLOd\">P</td><td class=\"kxNOMEd\">ROSSI Mar "
      "(real tigre) [7.5]</td></tr>",
      "<tr class=\"estremi\"><td class=\"kxRUOLOp\">D</td><td class=\"kxNOMEp\">VERDI A. "
      "(alfa) [6.25]</td></tr>",
      "</table>",
      "</div>",
  };
  EXPECT_EQ(page, expected);
  EXPECT_EQ(Top11Script(*store),
            (Lines{"var arrTop11=new Array()", "a = arrTop11",
                   "a[1]=new T11(\"P\",\"ROSSI Mar\",\"Real Tigre\",7.5)",
                   "a[2]=new T11(\"D\",\"VERDI A.\",\"Alfa\", 6.25)"}));
}

TEST(ElevenPagesTest, SeasonTitles) {
  EXPECT_EQ(SeasonTopTitle(3), "TOP 11 Stagione (min pres: 3)");
  EXPECT_EQ(SeasonFlopTitle(2), "FLOP11 Stagione (min pres: 2)");
  EXPECT_EQ(SeasonTopTitle(0), "TOP 11 Stagione (min pres: 0)");
}

TEST(ElevenPagesTest, NoPlayersAtAllWritesEmptyFrames) {
  FakeEnv env;
  auto store = std::make_unique<SeasonStore>();
  store->source_dir = "C:\\lega";
  WriteElevenPages(env, *store);
  for (const char* page : {"top11.htm", "flop11.htm", "top11s.htm", "flop11s.htm"}) {
    std::string path = "C:\\lega\\";
    path += page;
    EXPECT_EQ(env.Lines(path).size(), 6u) << page;
  }
  EXPECT_EQ(env.Lines("C:\\lega\\crvTop11.js"),
            (Lines{"var arrTop11=new Array()", "a = arrTop11"}));
  EXPECT_EQ(env.Lines("C:\\lega\\top11s.htm")[3],
            "<tr class=\"estremi\"><td colspan=\"2\" class=\"kxTITOLO\">TOP 11 Stagione (min "
            "pres: 0)</td></tr>");
}

}  // namespace
}  // namespace corvalis
