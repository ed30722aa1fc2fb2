// The module tables of the coach-rating page: each team's best modules, and
// every module's share of the league's best modules.
#include <cmath>
#include <vector>

#include "rating/by_maximum.h"
#include "rating/coach_rating_page.h"
#include "rating/rating_text.h"
#include "rating/team_order.h"
#include "util/escaping.h"
#include "util/text.h"

namespace corvalis {
namespace {

// Tenths of a percent, cut; nothing to share gives 0 to every module.
double Share(double count, double total) {
  return total == 0 ? 0 : std::floor(1000 * count / total) / 10;
}

// Modules by share, largest first, equal shares in module order; modules
// that never were best are left out.
void AddShareRows(const SeasonStore& store, const std::vector<double>& shares,
                  const char* row_start, const char* row_end, Lines& page) {
  for (int m : ByRepeatedMaximum(
           store.num_modules, [&](int row) { return shares[row]; }, false)) {
    page.insert(page.end(), {
        row_start,
        R"(      <td class="moduliDATI"><div align="right">)" +
            ModuleText(store.moduleTable[m]) + "</div></td>",
        R"(      <td class="moduliIMG">&nbsp;</td>)",
        R"(      <td class="moduliDATI"><div align="left">)" + ShareText(shares[m]) +
            "%</div></td>",
        row_end,
    });
  }
}

}  // namespace

void AddBestModulesByTeam(const SeasonStore& store, Lines& page) {
  AddTableStart("DETTAGLIO MODULI MIGLIORI ", page);
  for (int t = 1; t <= store.num_teams; ++t) {
    page.insert(page.end(), {
        R"(      <td colspan="3" class="moduliTITOLO">)" + HtmlText(store.teamTitle[t]) +
            " </td>",
        R"(    </tr>)",
        R"(    <tr class='cv'>)",
    });
    // Only the modules that were best more often than an even spread over
    // the team's matches would make them; none without any module.
    if (store.num_modules > 0) {
      double matches = store.teamSeason[SortedRowOf(store, t)][kSnMatches];
      double threshold = std::floor(matches / store.num_modules);
      for (int m = 1; m <= store.num_modules; ++m) {
        int count = store.teamBestModuleCount[t][m];
        if (count <= threshold || count <= 0) continue;
        page.insert(page.end(), {
            R"( <td class="moduliDATI"><div align="right">)" +
                ModuleText(store.moduleTable[m]) + "</div></td>",
            R"( <td class="moduliIMG">&nbsp;</td>)",
            R"( <td class="moduliDATI"><div align="left">)" + NumberText(count) +
                "</div></td>",
            "</tr>",
        });
      }
    }
    page.push_back("");
  }
  page.push_back(R"( </table>)");
  page.push_back(R"(  <br />)");
}

void AddModuleShareTables(SeasonStore& store, Lines& page) {
  std::vector<double> shares(store.num_modules + 1, 0);
  for (int m = 1; m <= store.num_modules; ++m) {
    ModuleRow& module = store.moduleTable[m];
    module[kModShare] = Share(module[kModBestCount], store.best_module_total);
    shares[m] = module[kModShare];
  }
  page.insert(page.end(), {
      R"(  <table class='cv' border="0" cellspacing="0" cellpadding="0">)",
      R"(<tr class='cv'>)",
      R"(      <td colspan="8" class="cvTITOLO">GLOBALE MIGLIORE MODULI </td>)",
      R"(    </tr>)",
      R"(    <tr class='cv'>)",
      R"(    <td colspan="3" class="moduliTITOLO">Migliori moduli di giornata </td>)",
      R"(   </tr>)",
  });
  AddShareRows(store, shares, R"(    <tr class='cv'>)", R"(    </tr>)", page);
  page.insert(page.end(), {"", "</table>", R"(    <br />)"});

  double only_best_total = 0;
  for (int m = 1; m <= store.num_modules; ++m) {
    only_best_total += store.moduleTable[m][kModOnlyBestCount];
  }
  for (int m = 1; m <= store.num_modules; ++m) {
    shares[m] = Share(store.moduleTable[m][kModOnlyBestCount], only_best_total);
  }
  AddTableStart("GLOBALE MIGLIORE MODULI ASSOLUTO ", page);
  page.insert(page.end(), {
      R"(      <td colspan="3" class="moduliTITOLO">Giornata con un solo miglior modulo </td>)",
      R"(    </tr>)",
  });
  AddShareRows(store, shares, R"(<tr class='cv'>)", R"(     </tr>)", page);
  page.insert(page.end(), {"", R"(  </table>)", R"(  <br />)"});
}

}  // namespace corvalis
