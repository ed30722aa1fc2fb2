#include "rankings/ranking_page.h"

namespace corvalis {

void AddRankingPage(const RankingFrame& frame, const std::vector<RankingRow>& rows, Page& page) {
  const char* id = frame.id;
  page.Line("<link href=\"corvalis.css\" rel=\"stylesheet\" type=\"", frame.style_type, "\" />");
  page.Line("<div id=\"", id, "\">");
  page.Line("<table class='", id, "' border=\"0\" cellspacing=\"0\" cellpadding=\"0\">");
  page.Line("<tr class=\"", id, "\"><td colspan=\"2\" class=\"", frame.prefix, "TITOLO\">",
            frame.title, "</td></tr>");
  for (size_t i = 0; i < rows.size(); ++i) {
    // Odd ranks ("d") and even ranks ("p") alternate, from rank 1.
    const char* parity = i % 2 == 0 ? "d" : "p";
    page.Line("<tr class=\"", id, "\"><td class=\"", frame.prefix, frame.figure, parity, "\">",
              Html{rows[i].figure}, "</td><td class=\"", frame.prefix, "NOME", parity, "\">",
              Html{rows[i].name}, "</td></tr>");
  }
  page.Line("</table>");
  page.Line("</div>");
}

}  // namespace corvalis
