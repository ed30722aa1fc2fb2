#include "rankings/fantasfiga_page.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "rankings/ranking_page.h"
#include "util/text.h"

namespace corvalis {

std::string LuckText(double average) {
  double v = FloorHundredths(average);
  char digits[64];
  std::snprintf(digits, sizeof(digits), "%.2f", std::fabs(v));
  std::string text(1, v >= 0 ? '+' : '-');
  return text + digits;
}

void AddFantasfigaPage(const League& league, const std::vector<Luck>& luck,
                       const std::vector<int>& order, Page& page) {
  struct Team {
    int t;
    double average;
  };
  std::vector<Team> teams;
  for (int t : order) {
    teams.push_back({t, luck[t].count != 0 ? luck[t].sum / luck[t].count : 0});
  }
  std::stable_sort(teams.begin(), teams.end(),
                   [](const Team& a, const Team& b) { return a.average > b.average; });
  RankingPage ranking({"fs", "fs", "NUM", "CLASSIFICA FANTASFIGA", "Text/css"}, page);
  for (const Team& team : teams) {
    // The figure is printf's digits and sign.
    ranking.AddRow(LuckText(team.average), Html{league.teams[team.t]});
  }
  ranking.Finish();
}

}  // namespace corvalis
