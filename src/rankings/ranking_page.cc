#include "rankings/ranking_page.h"

#include <utility>

namespace corvalis {

RankingPage::RankingPage(RankingFrame frame, Page& page) : frame_(std::move(frame)), page_(page) {
  std::string_view id = frame_.id;
  page_.Line("<link href=\"corvalis.css\" rel=\"stylesheet\" type=\"", frame_.style_type, "\" />");
  page_.Line("<div id=\"", id, "\">");
  page_.Line("<table class='", id, "' border=\"0\" cellspacing=\"0\" cellpadding=\"0\">");
  page_.Line("<tr class=\"", id, "\"><td colspan=\"2\" class=\"", frame_.prefix, "TITOLO\">",
             frame_.title, "</td></tr>");
}

void RankingPage::Finish() {
  page_.Line("</table>");
  page_.Line("</div>");
}

}  // namespace corvalis
