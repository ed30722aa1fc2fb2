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

}  // namespace
}  // namespace corvalis
