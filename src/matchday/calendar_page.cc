#include "matchday/calendar_page.h"

#include "util/escaping.h"
#include "util/text.h"

namespace corvalis {
namespace {

void AppendMatch(const MatchReport& m, Lines& out) {
  const std::string goals = "<td rowspan=\"2\" class=\"risRISULTATO\"><div align=\"center\">";
  out.push_back("<tr class=\"ris\">");
  out.push_back("<td class=\"risSQUADRA\"><div align=\"right\">" + HtmlText(m.home_team) +
                "</div></td>");
  out.push_back(goals + NumberText(m.home_goals) + "</div></td>");
  out.push_back("<td rowspan=\"2\" class=\"risSPAZIO\"><div align=\"center\">-</div></td>");
  out.push_back(goals + NumberText(m.away_goals) + "</div></td>");
  out.push_back("<td class=\"risSQUADRA\"><div align=\"left\">" + HtmlText(m.away_team) +
                "</div></td>");
  out.push_back("</tr>");
  out.push_back("<tr class=\"ris\">");
  out.push_back("<td class=\"risMARCATORI\"><div align=\"right\">" + HtmlText(m.home_scorers) +
                "</div></td>");
  out.push_back("<td class=\"risMARCATORI\"><div align=\"left\">" + HtmlText(m.away_scorers) +
                "</div></td>");
  out.push_back("</tr>");
  out.push_back("<tr class=\"ris\">");
  out.push_back(
      "<td colspan=\"5\" class=\"risMOM\"><div align=\"center\">Migliore in campo:&nbsp;" +
      HtmlText(m.man_of_the_match) + HtmlText(m.credits) + "</div></td>");
  out.push_back("</tr>");
  out.push_back("<tr><td colspan=\"5\"></td>");  // spacer row, left unclosed
}

}  // namespace

Lines MatchdayBlock(const MatchdayReport& day) {
  Lines out = {
      "<link href=\"corvalis.css\" rel=\"stylesheet\" type=\"text/css\" />",
      "<div id=\"ris\">",
      "<table class=\"ris\" border=\"0\" cellspacing=\"0\" cellpadding=\"0\">",
      "<tr class=\"ris\">",
      "<td colspan=\"5\" class=\"risTITOLO\">Giornata " + NumberText(day.matchday) + "</td>",
      "</tr>",
  };
  for (const MatchReport& m : day.matches) AppendMatch(m, out);
  out.push_back("</table>");
  out.push_back("</div>");
  return out;
}

}  // namespace corvalis
