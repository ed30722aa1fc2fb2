// The bonus tables of the coach-rating page: how much of each team's
// positive bonuses its starters earned, and the bonuses per match.
#include <cmath>
#include <string>
#include <vector>

#include "rating/by_maximum.h"
#include "rating/coach_rating_page.h"
#include "rating/rating_text.h"
#include "rating/team_order.h"
#include "util/escaping.h"
#include "util/text.h"

namespace corvalis {
namespace {

void AddRow(const std::string& align, const std::string& name, const std::string& value,
            Lines& page) {
  page.insert(page.end(), {
      R"( <td class="moduliDATI"><div align=")" + align + "\">" + name + "</div></td>",
      R"( <td class="moduliIMG">&nbsp;</td>)",
      R"( <td class="moduliDATI"><div align="center"> )" + value + "</div></td>",
      "</tr>",
      "",
  });
}

}  // namespace

void AddStartersBonusTable(const SeasonStore& store, Lines& page) {
  AddTableStart("% BONUS POSITIVI TITOLARI", page);
  // A team without positive bonuses counts a sum of 1, and so shows 100.
  std::vector<double> sums(store.num_teams + 1), percents(store.num_teams + 1);
  for (int t = 1; t <= store.num_teams; ++t) {
    const VoteSumRow& bonus = store.teamVoteSum[t];
    sums[t] = bonus[kVsPositiveSum] == 0 ? 1 : bonus[kVsPositiveSum];
    percents[t] = 100 - std::floor(1000 * bonus[kVsSubstituteSum] / sums[t]) / 10;
  }
  double league_sum = 0;
  double league_substitutes = 0;
  for (int t : ByRepeatedMaximum(
           store.num_teams, [&](int row) { return percents[row]; }, true)) {
    AddRow("center", HtmlText(store.teamTitle[t]), NumberText(percents[t]), page);
    league_sum += sums[t];
    league_substitutes += store.teamVoteSum[t][kVsSubstituteSum];
  }
  if (league_sum == 0) league_sum = 1;
  double league = std::floor(10 * (100 - 100 * league_substitutes / league_sum)) / 10;
  AddRow("right", "Media Lega_", NumberText(league), page);
  page.push_back(R"( </table>)");
  page.push_back(R"(  <br />)");
}

void AddBonusPerMatchTable(const SeasonStore& store, Lines& page) {
  AddTableStart("MEDIA BONUS POSITIVI/PARTITE", page);
  std::vector<double> averages(store.num_teams + 1);
  for (int t = 1; t <= store.num_teams; ++t) {
    double matches = store.teamSeason[SortedRowOf(store, t)][kSnMatches];
    if (matches == 0) matches = 1;
    averages[t] = std::floor(100 * store.teamVoteSum[t][kVsPositiveLines] / matches) / 100;
  }
  for (int t : ByRepeatedMaximum(
           store.num_teams, [&](int row) { return averages[row]; }, true)) {
    AddRow("center", HtmlText(store.teamTitle[t]), PerMatchText(averages[t]), page);
  }
  page.push_back("</table>");
  page.push_back(R"(  <br />)");
}

}  // namespace corvalis
