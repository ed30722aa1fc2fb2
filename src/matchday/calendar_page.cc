#include "matchday/calendar_page.h"

namespace corvalis {
namespace {

// Lines without a text of their own go with the next one, as one piece
// holding the line end: fewer pieces for the same bytes.
void AddMatch(const MatchReport& m, Page& page) {
  const char goals[] = "<td rowspan=\"2\" class=\"risRISULTATO\"><div align=\"center\">";
  page.Line("<tr class=\"ris\">\r\n"
            "<td class=\"risSQUADRA\"><div align=\"right\">",
            Html{m.home_team}, "</div></td>");
  page.Line(goals, Number{m.home_goals}, "</div></td>");
  page.Line("<td rowspan=\"2\" class=\"risSPAZIO\"><div align=\"center\">-</div></td>\r\n",
            goals, Number{m.away_goals}, "</div></td>");
  page.Line("<td class=\"risSQUADRA\"><div align=\"left\">", Html{m.away_team}, "</div></td>");
  page.Line("</tr>\r\n"
            "<tr class=\"ris\">\r\n"
            "<td class=\"risMARCATORI\"><div align=\"right\">",
            Html{m.home_scorers}, "</div></td>");
  page.Line("<td class=\"risMARCATORI\"><div align=\"left\">", Html{m.away_scorers},
            "</div></td>");
  page.Line("</tr>\r\n"
            "<tr class=\"ris\">\r\n"
            "<td colspan=\"5\" class=\"risMOM\"><div align=\"center\">Migliore in campo:&nbsp;",
            Html{m.man_of_the_match}, Html{m.credits}, "</div></td>");
  page.Line("</tr>\r\n"
            "<tr><td colspan=\"5\"></td>");  // spacer row, left unclosed
}

}  // namespace

void AddMatchdayBlock(const MatchdayReport& day, Page& page) {
  page.Line("<link href=\"corvalis.css\" rel=\"stylesheet\" type=\"text/css\" />\r\n"
            "<div id=\"ris\">\r\n"
            "<table class=\"ris\" border=\"0\" cellspacing=\"0\" cellpadding=\"0\">\r\n"
            "<tr class=\"ris\">\r\n"
            "<td colspan=\"5\" class=\"risTITOLO\">Giornata ",
            Number{double(day.matchday)}, "</td>");
  page.Line("</tr>");
  for (const MatchReport& m : day.matches) AddMatch(m, page);
  page.Line("</table>\r\n"
            "</div>");
}

}  // namespace corvalis
