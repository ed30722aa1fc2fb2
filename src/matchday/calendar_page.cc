#include "matchday/calendar_page.h"

namespace corvalis {
namespace {

void AddMatch(const MatchReport& m, Page& page) {
  const char goals[] = "<td rowspan=\"2\" class=\"risRISULTATO\"><div align=\"center\">";
  page.Line("<tr class=\"ris\">");
  page.Line("<td class=\"risSQUADRA\"><div align=\"right\">", Html{m.home_team}, "</div></td>");
  page.Line(goals, Number{m.home_goals}, "</div></td>");
  page.Line("<td rowspan=\"2\" class=\"risSPAZIO\"><div align=\"center\">-</div></td>");
  page.Line(goals, Number{m.away_goals}, "</div></td>");
  page.Line("<td class=\"risSQUADRA\"><div align=\"left\">", Html{m.away_team}, "</div></td>");
  page.Line("</tr>");
  page.Line("<tr class=\"ris\">");
  page.Line("<td class=\"risMARCATORI\"><div align=\"right\">", Html{m.home_scorers},
            "</div></td>");
  page.Line("<td class=\"risMARCATORI\"><div align=\"left\">", Html{m.away_scorers},
            "</div></td>");
  page.Line("</tr>");
  page.Line("<tr class=\"ris\">");
  page.Line("<td colspan=\"5\" class=\"risMOM\"><div align=\"center\">Migliore in campo:&nbsp;",
            Html{m.man_of_the_match}, Html{m.credits}, "</div></td>");
  page.Line("</tr>");
  page.Line("<tr><td colspan=\"5\"></td>");  // spacer row, left unclosed
}

}  // namespace

void AddMatchdayBlock(const MatchdayReport& day, Page& page) {
  page.Line("<link href=\"corvalis.css\" rel=\"stylesheet\" type=\"text/css\" />");
  page.Line("<div id=\"ris\">");
  page.Line("<table class=\"ris\" border=\"0\" cellspacing=\"0\" cellpadding=\"0\">");
  page.Line("<tr class=\"ris\">");
  page.Line("<td colspan=\"5\" class=\"risTITOLO\">Giornata ", Number{double(day.matchday)},
            "</td>");
  page.Line("</tr>");
  for (const MatchReport& m : day.matches) AddMatch(m, page);
  page.Line("</table>");
  page.Line("</div>");
}

}  // namespace corvalis
