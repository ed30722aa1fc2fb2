#include "rating/best_squads_page.h"

#include <gtest/gtest.h>

#include <memory>

namespace corvalis {
namespace {

TEST(BestSquadsPageTest, HighestAverageFirstTiesInCoachRatingOrder) {
  auto store = std::make_unique<SeasonStore>();
  SeasonStore& s = *store;
  // Rows in coach-rating order: name, season sum of Max, matches.
  const struct {
    const char* name;
    double max_sum;
    double matches;
  } rows[] = {{"Alfa", 136.912, 2}, {"Beta", 0, 0}, {"Gamma", 136, 2}, {"Delta & <Co>", 68.4, 1},
              {"Epsilon", 68.456, 1}};
  s.num_teams = 5;
  for (int t = 1; t <= 5; ++t) {
    s.teamName[t] = rows[t - 1].name;
    s.teamSeason[t][kSnMaxSum] = rows[t - 1].max_sum;
    s.teamSeason[t][kSnMatches] = rows[t - 1].matches;
  }
  ComputeBestAverages(s);
  EXPECT_EQ(BestSquadsPage(s),
            (Lines{
                "<link href=\"corvalis.css\" rel=\"stylesheet\" type=\"text/css\" />",
                "<div id=\"bs\">",
                "<table class='bs' border=\"0\" cellspacing=\"0\" cellpadding=\"0\">",
                "<tr class=\"bs\"><td colspan=\"2\" class=\"bsTITOLO\">BEST ROSE</td></tr>",
                "<tr class=\"bs\"><td class=\"bsSPAZIO\"></td><td class=\"bsSOTTIT\">Best "
                "Parziale Medio</td></tr>",
                "<tr class=\"bs\"><td class=\"bsNOMEd\">Alfa</td><td class=\"bsNUMd\">68.45</td></tr>",
                "<tr class=\"bs\"><td class=\"bsNOMEp\">Epsilon</td><td class=\"bsNUMp\">68.45</td></tr>",
                // The name as the league wrote it, escaped.
                "<tr class=\"bs\"><td class=\"bsNOMEd\">Delta &amp; &lt;Co&gt;</td><td "
                "class=\"bsNUMd\">68.40</td></tr>",
                "<tr class=\"bs\"><td class=\"bsNOMEp\">Gamma</td><td class=\"bsNUMp\">68.00</td></tr>",
                "<tr class=\"bs\"><td class=\"bsNOMEd\">Beta</td><td class=\"bsNUMd\">0</td></tr>",
                "</table>",
                "</div>",
            }));
}

}  // namespace
}  // namespace corvalis
