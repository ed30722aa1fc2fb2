#include "rating/best_squads_page.h"

#include <vector>

#include "rating/by_maximum.h"
#include "rating/rating_text.h"
#include "util/text.h"

namespace corvalis {

void AddBestSquadsPage(const League& league, const SeasonRating& rating, Page& page) {
  page.Line(R"(<link href="corvalis.css" rel="stylesheet" type="text/css" />)");
  page.Line(R"(<div id="bs">)");
  page.Line(R"(<table class='bs' border="0" cellspacing="0" cellpadding="0">)");
  page.Line(R"(<tr class="bs"><td colspan="2" class="bsTITOLO">BEST ROSE</td></tr>)");
  page.Line(
      R"(<tr class="bs"><td class="bsSPAZIO"></td><td class="bsSOTTIT">Best Parziale Medio</td></tr>)");
  std::vector<double> averages(rating.teams.size());
  for (size_t t = 0; t < rating.teams.size(); ++t) {
    const TeamRating& team = rating.teams[t];
    averages[t] = team.matches > 0 ? team.max_sum / team.matches : 0;
  }
  int position = 0;
  for (int t : ByRepeatedMaximum(
           rating.average_order, [&](int t) { return averages[t]; }, true)) {
    const char* side = ++position % 2 == 1 ? "d" : "p";
    page.Line(R"(<tr class="bs"><td class="bsNOME)", side, "\">", Html{league.teams[t]},
              R"(</td><td class="bsNUM)", side, "\">",
              BestAverageText(FloorHundredths(averages[t])), "</td></tr>");
  }
  page.Line("</table>");
  page.Line("</div>");
}

}  // namespace corvalis
