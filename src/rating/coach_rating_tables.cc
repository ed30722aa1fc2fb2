// The module and bonus tables of the coach-rating page: each team's best
// modules, its positive bonuses, and every module's share of the league's
// best modules. Teams in conf.txt order.
#include <cmath>
#include <numeric>
#include <vector>

#include "rating/by_maximum.h"
#include "rating/coach_rating_page.h"
#include "rating/rating_text.h"
#include "util/text.h"

namespace corvalis {
namespace {

std::vector<int> ConfOrder(int n) {
  std::vector<int> order(n);
  std::iota(order.begin(), order.end(), 0);
  return order;
}

// Tenths of a percent, cut; nothing to share gives 0 to every module.
double Share(double count, double total) {
  return total == 0 ? 0 : std::floor(1000 * count / total) / 10;
}

// Modules by share, largest first, equal shares in module order; modules
// that never were best are left out.
void AddShareRows(const League& league, const std::vector<double>& shares,
                  const char* row_start, const char* row_end, Page& page) {
  for (int m : ByRepeatedMaximum(
           ConfOrder(static_cast<int>(league.modules.size())),
           [&](int row) { return shares[row]; }, false)) {
    page.Line(row_start);
    page.Line(R"(      <td class="moduliDATI"><div align="right">)",
              ModuleText(&league.modules[m]), "</div></td>");
    page.Line(R"(      <td class="moduliIMG">&nbsp;</td>)");
    page.Line(R"(      <td class="moduliDATI"><div align="left">)", ShareText(shares[m]),
              "%</div></td>");
    page.Line(row_end);
  }
}

void AddBonusRow(const char* align, std::string_view name, const std::string& value,
                 Page& page) {
  page.Line(R"( <td class="moduliDATI"><div align=")", align, "\">", Html{name}, "</div></td>");
  page.Line(R"( <td class="moduliIMG">&nbsp;</td>)");
  page.Line(R"( <td class="moduliDATI"><div align="center"> )", value, "</div></td>");
  page.Line("</tr>");
  page.Line("");
}

}  // namespace

void AddBestModulesByTeam(const League& league, const SeasonRating& rating, Page& page) {
  AddTableStart("DETTAGLIO MODULI MIGLIORI ", page);
  int modules = static_cast<int>(league.modules.size());
  for (int t = 0; t < league.num_teams(); ++t) {
    page.Line(R"(      <td colspan="3" class="moduliTITOLO">)", Html{league.teams[t]}, " </td>");
    page.Line(R"(    </tr>)");
    page.Line(R"(    <tr class='cv'>)");
    // Only the modules that were best more often than an even spread over
    // the team's matches would make them; none without any module.
    if (modules > 0) {
      const TeamRating& team = rating.teams[t];
      double threshold = std::floor(static_cast<double>(team.matches) / modules);
      for (int m = 0; m < modules; ++m) {
        int count = team.best_module_count[m];
        if (count <= threshold || count <= 0) continue;
        page.Line(R"( <td class="moduliDATI"><div align="right">)",
                  ModuleText(&league.modules[m]), "</div></td>");
        page.Line(R"( <td class="moduliIMG">&nbsp;</td>)");
        page.Line(R"( <td class="moduliDATI"><div align="left">)", Number{double(count)},
                  "</div></td>");
        page.Line("</tr>");
      }
    }
    page.Line("");
  }
  page.Line(R"( </table>)");
  page.Line(R"(  <br />)");
}

void AddBonusTables(const League& league, const SeasonRating& rating, Page& page) {
  int n = league.num_teams();
  AddTableStart("% BONUS POSITIVI TITOLARI", page);
  // A team without positive bonuses counts a sum of 1, and so shows 100.
  std::vector<double> sums(n), percents(n);
  for (int t = 0; t < n; ++t) {
    const TeamRating& team = rating.teams[t];
    sums[t] = team.positive_sum == 0 ? 1 : team.positive_sum;
    percents[t] = 100 - std::floor(1000 * team.substitute_sum / sums[t]) / 10;
  }
  double league_sum = 0;
  double league_substitutes = 0;
  for (int t : ByRepeatedMaximum(ConfOrder(n), [&](int t) { return percents[t]; }, true)) {
    AddBonusRow("center", league.teams[t], NumberText(percents[t]), page);
    league_sum += sums[t];
    league_substitutes += rating.teams[t].substitute_sum;
  }
  if (league_sum == 0) league_sum = 1;
  double league_share = std::floor(10 * (100 - 100 * league_substitutes / league_sum)) / 10;
  AddBonusRow("right", "Media Lega_", NumberText(league_share), page);
  page.Line(R"( </table>)");
  page.Line(R"(  <br />)");

  AddTableStart("MEDIA BONUS POSITIVI/PARTITE", page);
  std::vector<double> averages(n);
  for (int t = 0; t < n; ++t) {
    const TeamRating& team = rating.teams[t];
    double matches = team.matches == 0 ? 1 : team.matches;
    averages[t] = std::floor(100 * team.positive_lines / matches) / 100;
  }
  for (int t : ByRepeatedMaximum(ConfOrder(n), [&](int t) { return averages[t]; }, true)) {
    AddBonusRow("center", league.teams[t], PerMatchText(averages[t]), page);
  }
  page.Line("</table>");
  page.Line(R"(  <br />)");
}

void AddModuleShareTables(const League& league, const SeasonRating& rating, Page& page) {
  size_t modules = league.modules.size();
  std::vector<double> shares(modules);
  for (size_t m = 0; m < modules; ++m) {
    shares[m] = Share(rating.module_best_count[m], rating.best_module_total);
  }
  page.Line(R"(  <table class='cv' border="0" cellspacing="0" cellpadding="0">)");
  page.Line(R"(<tr class='cv'>)");
  page.Line(R"(      <td colspan="8" class="cvTITOLO">GLOBALE MIGLIORE MODULI </td>)");
  page.Line(R"(    </tr>)");
  page.Line(R"(    <tr class='cv'>)");
  page.Line(R"(    <td colspan="3" class="moduliTITOLO">Migliori moduli di giornata </td>)");
  page.Line(R"(   </tr>)");
  AddShareRows(league, shares, R"(    <tr class='cv'>)", R"(    </tr>)", page);
  page.Line("");
  page.Line("</table>");
  page.Line(R"(    <br />)");

  double only_best_total = 0;
  for (size_t m = 0; m < modules; ++m) only_best_total += rating.module_only_best_count[m];
  for (size_t m = 0; m < modules; ++m) {
    shares[m] = Share(rating.module_only_best_count[m], only_best_total);
  }
  AddTableStart("GLOBALE MIGLIORE MODULI ASSOLUTO ", page);
  page.Line(R"(      <td colspan="3" class="moduliTITOLO">Giornata con un solo miglior modulo </td>)");
  page.Line(R"(    </tr>)");
  AddShareRows(league, shares, R"(<tr class='cv'>)", R"(     </tr>)", page);
  page.Line("");
  page.Line(R"(  </table>)");
  page.Line(R"(  <br />)");
}

}  // namespace corvalis
