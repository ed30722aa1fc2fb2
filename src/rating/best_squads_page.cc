#include "rating/best_squads_page.h"

#include "rating/by_maximum.h"
#include "rating/rating_text.h"
#include "util/escaping.h"
#include "util/text.h"

namespace corvalis {

void ComputeBestAverages(SeasonStore& store) {
  for (int t = 1; t <= store.num_teams; ++t) {
    const SeasonRow& season = store.teamSeason[t];
    store.teamBestAverage[t] =
        season[kSnMatches] > 0 ? season[kSnMaxSum] / season[kSnMatches] : 0;
  }
}

Lines BestSquadsPage(const SeasonStore& store) {
  Lines page = {
      R"(<link href="corvalis.css" rel="stylesheet" type="text/css" />)",
      R"(<div id="bs">)",
      R"(<table class='bs' border="0" cellspacing="0" cellpadding="0">)",
      R"(<tr class="bs"><td colspan="2" class="bsTITOLO">BEST ROSE</td></tr>)",
      R"(<tr class="bs"><td class="bsSPAZIO"></td><td class="bsSOTTIT">Best Parziale Medio</td></tr>)",
  };
  int position = 0;
  for (int t : ByRepeatedMaximum(
           store.num_teams, [&](int row) { return store.teamBestAverage[row]; }, true)) {
    const char* side = ++position % 2 == 1 ? "d" : "p";
    std::string text = BestAverageText(FloorHundredths(store.teamBestAverage[t]));
    page.push_back(std::string(R"(<tr class="bs"><td class="bsNOME)") + side + "\">" +
                   HtmlText(store.teamName[t]) + R"(</td><td class="bsNUM)" + side + "\">" + text +
                   "</td></tr>");
  }
  page.push_back("</table>");
  page.push_back("</div>");
  return page;
}

}  // namespace corvalis
