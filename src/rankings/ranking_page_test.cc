#include "rankings/ranking_page.h"

#include <gtest/gtest.h>

namespace corvalis {
namespace {

TEST(RankingPageTest, FrameAndAlternatingRows) {
  Lines lines = RankingPage({"fs", "fs", "NUM", "CLASSIFICA FANTASFIGA", "Text/css"},
                            {{"+2.00", "Alfa"}, {"+0.50", "Beta"}, {"-1.00", "Gamma"}});
  Lines expected = {
      "<link href=\"corvalis.css\" rel=\"stylesheet\" type=\"Text/css\" />",
      "<div id=\"fs\">",
      "<table class='fs' border=\"0\" cellspacing=\"0\" cellpadding=\"0\">",
      "<tr class=\"fs\"><td colspan=\"2\" class=\"fsTITOLO\">CLASSIFICA FANTASFIGA</td></tr>",
      "<tr class=\"fs\"><td class=\"fsNUMd\">+2.00</td><td class=\"fsNOMEd\">Alfa</td></tr>",
      "<tr class=\"fs\"><td class=\"fsNUMp\">+0.50</td><td class=\"fsNOMEp\">Beta</td></tr>",
      "<tr class=\"fs\"><td class=\"fsNUMd\">-1.00</td><td class=\"fsNOMEd\">Gamma</td></tr>",
      "</table>",
      "</div>",
  };
  EXPECT_EQ(lines, expected);
}

TEST(RankingPageTest, RowTextsAreEscapedTheTitleIsNot) {
  Lines lines = RankingPage({"ico", "ico", "NUM", "Media >=6.00"},
                            {{"6<5", "Birra & <Salsicce> (citt&agrave;)"}});
  EXPECT_EQ(lines[3], "<tr class=\"ico\"><td colspan=\"2\" class=\"icoTITOLO\">Media >=6.00"
                      "</td></tr>");
  EXPECT_EQ(lines[4], "<tr class=\"ico\"><td class=\"icoNUMd\">6&lt;5</td><td class=\"icoNOMEd\">"
                      "Birra &amp; &lt;Salsicce&gt; (citt&agrave;)</td></tr>");
}

}  // namespace
}  // namespace corvalis
