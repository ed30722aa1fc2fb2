#include "rankings/ranking_page.h"

#include <gtest/gtest.h>

namespace corvalis {
namespace {

TEST(RankingPageTest, FrameAndAlternatingRows) {
  Lines lines = RankingPage({"mom", "mom", "NUM", "CLASSIFICA MIGLIORE IN CAMPO"},
                            {{" 2", "A (x)"}, {"1", "B (y)"}, {"1", "C (z)"}});
  Lines expected = {
      "<link href=\"corvalis.css\" rel=\"stylesheet\" type=\"text/css\" />",
      "<div id=\"mom\">",
      "<table class='mom' border=\"0\" cellspacing=\"0\" cellpadding=\"0\">",
      "<tr class=\"mom\"><td colspan=\"2\" class=\"momTITOLO\">CLASSIFICA MIGLIORE IN "
      "CAMPO</td></tr>",
      "<tr class=\"mom\"><td class=\"momNUMd\"> 2</td><td class=\"momNOMEd\">A (x)</td></tr>",
      "<tr class=\"mom\"><td class=\"momNUMp\">1</td><td class=\"momNOMEp\">B (y)</td></tr>",
      "<tr class=\"mom\"><td class=\"momNUMd\">1</td><td class=\"momNOMEd\">C (z)</td></tr>",
      "</table>",
      "</div>",
  };
  EXPECT_EQ(lines, expected);
}

TEST(RankingPageTest, NoRowsGivesHeadAndClosingLines) {
  Lines lines = RankingPage({"fs", "fs", "NUM", "CLASSIFICA FANTASFIGA", "Text/css"}, {});
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0], "<link href=\"corvalis.css\" rel=\"stylesheet\" type=\"Text/css\" />");
  EXPECT_EQ(lines[4], "</table>");
  EXPECT_EQ(lines[5], "</div>");
}

}  // namespace
}  // namespace corvalis
