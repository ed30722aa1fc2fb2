#include "rankings/fantasfiga_page.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

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

Lines FantasfigaPage(const SeasonStore& store) {
  struct Team {
    int t;
    double average;
  };
  std::vector<Team> teams;
  for (int t = 1; t <= store.num_teams; ++t) {
    const LuckRow& luck = store.luck[t];
    double average = luck[kLuckCount] != 0 ? luck[kLuckSum] / luck[kLuckCount] : 0;
    teams.push_back({t, average});
  }
  std::stable_sort(teams.begin(), teams.end(),
                   [](const Team& a, const Team& b) { return a.average > b.average; });
  std::vector<RankingRow> rows;
  for (const Team& team : teams) {
    rows.push_back({LuckText(team.average), store.teamName[team.t]});
  }
  return RankingPage({"fs", "fs", "NUM", "CLASSIFICA FANTASFIGA", "Text/css"}, rows);
}

}  // namespace corvalis
