#include "rankings/ranking_page.h"

#include "util/escaping.h"

namespace corvalis {

Lines RankingPage(const RankingFrame& frame, const std::vector<RankingRow>& rows) {
  const std::string& id = frame.id;
  Lines lines = {
      "<link href=\"corvalis.css\" rel=\"stylesheet\" type=\"" + frame.style_type +
          "\" />",
      "<div id=\"" + id + "\">",
      "<table class='" + id + "' border=\"0\" cellspacing=\"0\" cellpadding=\"0\">",
      "<tr class=\"" + id + "\"><td colspan=\"2\" class=\"" + frame.prefix +
          "TITOLO\">" + frame.title + "</td></tr>",
  };
  for (size_t i = 0; i < rows.size(); ++i) {
    // Odd ranks ("d") and even ranks ("p") alternate, from rank 1.
    const char* parity = i % 2 == 0 ? "d" : "p";
    lines.push_back("<tr class=\"" + id + "\"><td class=\"" + frame.prefix +
                    frame.figure + parity + "\">" + HtmlText(rows[i].figure) +
                    "</td><td class=\"" + frame.prefix + "NOME" + parity + "\">" +
                    HtmlText(rows[i].name) + "</td></tr>");
  }
  lines.push_back("</table>");
  lines.push_back("</div>");
  return lines;
}

}  // namespace corvalis
