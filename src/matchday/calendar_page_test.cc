#include "matchday/calendar_page.h"

#include <gtest/gtest.h>

namespace corvalis {
namespace {

// The match lines are compared byte for byte by the end-to-end tests.
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

// Names, surnames and cred.txt's figures are the league's texts: markup in
// them is escaped, a character reference stays.
TEST(CalendarPageTest, LeagueTextsAreEscaped) {
  MatchdayReport day;
  day.matchday = 1;
  MatchReport m;
  m.home_team = "Inter \"Nos\"";
  m.away_team = "<Birra> & Co";
  m.home_goals = 1;
  m.home_scorers = "M<o>nt\xE8, Rag&ugrave;";
  m.away_scorers = "";
  m.man_of_the_match = "M<o>nt\xE8";
  m.credits = "    Spet:5&1 Cred: <12>/8";
  day.matches.push_back(m);
  Lines page = MatchdayBlock(day);
  ASSERT_EQ(page.size(), 8u + 15);
  EXPECT_EQ(page[7], "<td class=\"risSQUADRA\"><div align=\"right\">Inter \"Nos\"</div></td>");
  EXPECT_EQ(page[11],
            "<td class=\"risSQUADRA\"><div align=\"left\">&lt;Birra&gt; &amp; Co</div></td>");
  EXPECT_EQ(page[14],
            "<td class=\"risMARCATORI\"><div align=\"right\">M&lt;o&gt;nt\xE8, Rag&ugrave;"
            "</div></td>");
  EXPECT_EQ(page[18],
            "<td colspan=\"5\" class=\"risMOM\"><div align=\"center\">Migliore in campo:&nbsp;"
            "M&lt;o&gt;nt\xE8    Spet:5&amp;1 Cred: &lt;12&gt;/8</div></td>");
}

}  // namespace
}  // namespace corvalis
