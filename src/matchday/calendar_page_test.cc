#include "matchday/calendar_page.h"

#include <gtest/gtest.h>

namespace corvalis {
namespace {

TEST(CalendarPageTest, MatchdayWithoutMatchesHasHeadAndClosingOnly) {
  MatchdayReport day;
  day.matchday = 12;
  EXPECT_EQ(MatchdayBlock(day),
            (Lines{"<link href=\"corvalis.css\" rel=\"stylesheet\" type=\"text/css\" />",
                   "<div id=\"ris\">",
                   "<table class=\"ris\" border=\"0\" cellspacing=\"0\" cellpadding=\"0\">",
                   "<tr class=\"ris\">",
                   "<td colspan=\"5\" class=\"risTITOLO\">Giornata  12</td>", "</tr>",
                   "</table>", "</div>"}));
}

TEST(CalendarPageTest, MatchLines) {
  MatchdayReport day;
  day.matchday = 1;
  MatchReport m;
  m.home_team = "Alfa";
  m.away_team = "Beta";
  m.home_goals = 3;
  m.away_goals = 0;
  m.home_scorers = "Rossi, De rossi";
  m.man_of_the_match = "Rossi";
  m.credits = "    Spet:900 Cred: 12/8";
  day.matches = {m, m};
  Lines lines = MatchdayBlock(day);
  ASSERT_EQ(lines.size(), 8u + 2 * 15);
  EXPECT_EQ(Lines(lines.begin() + 6, lines.begin() + 21),
            (Lines{"<tr class=\"ris\">",
                   "<td class=\"risSQUADRA\"><div align=\"right\">Alfa</div></td>",
                   "<td rowspan=\"2\" class=\"risRISULTATO\"><div align=\"center\"> 3</div></td>",
                   "<td rowspan=\"2\" class=\"risSPAZIO\"><div align=\"center\">-</div></td>",
                   "<td rowspan=\"2\" class=\"risRISULTATO\"><div align=\"center\"> 0</div></td>",
                   "<td class=\"risSQUADRA\"><div align=\"left\">Beta</div></td>",
                   "</tr>",
                   "<tr class=\"ris\">",
                   "<td class=\"risMARCATORI\"><div align=\"right\">Rossi, De rossi</div></td>",
                   "<td class=\"risMARCATORI\"><div align=\"left\"></div></td>",
                   "</tr>",
                   "<tr class=\"ris\">",
                   "<td colspan=\"5\" class=\"risMOM\"><div align=\"center\">Migliore in "
                   "campo:&nbsp;Rossi    Spet:900 Cred: 12/8</div></td>",
                   "</tr>",
                   "<tr><td colspan=\"5\"></td>"}));
  EXPECT_EQ(lines[21], "<tr class=\"ris\">");
  EXPECT_EQ(lines[36], "</table>");
}

}  // namespace
}  // namespace corvalis
