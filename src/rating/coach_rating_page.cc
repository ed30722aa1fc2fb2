#include "rating/coach_rating_page.h"

#include <limits>

#include "rating/rating_text.h"
#include "rating/season_aggregation.h"
#include "rating/team_order.h"
#include "util/escaping.h"
#include "util/text.h"

namespace corvalis {

std::string MatchdayScriptName(int g) { return "crvCorvalisDati" + WholeText(g) + ".js"; }

CoachRatingFiles BuildCoachRating(SeasonStore& store) {
  CoachRatingFiles files;
  AddAverageGapTable(store, files.page);
  // A weighted gap that could not be worked out goes last, whatever the
  // others' values (a large exponent can lift real ones above 9999).
  SortTeamRows(store, [](const SeasonRow& row) {
    return row[kSnWeightedGap] == kNoWeightedGap ? std::numeric_limits<double>::infinity()
                                                 : row[kSnWeightedGap];
  });
  AddWeightedGapTable(store, files);
  AddBestModulesByTeam(store, files.page);
  AddStartersBonusTable(store, files.page);
  AddBonusPerMatchTable(store, files.page);
  AddModuleShareTables(store, files.page);
  AddMatchdayTables(store, files);
  return files;
}

void AddTableStart(const std::string& title, Lines& page) {
  page.insert(page.end(), {
      R"(  <table class='cv' border="0" cellspacing="0" cellpadding="0">)",
      R"(    <tr class='cv'>)",
      R"(      <td colspan="8" class="cvTITOLO">)" + title + "</td>",
      R"(    </tr>)",
      R"(    <tr class='cv'>)",
  });
}

void AddAverageGapTable(const SeasonStore& store, Lines& page) {
  page.insert(page.end(), {
      R"(<link href="corvalis.css" rel="stylesheet" type="text/css" />)",
      R"(<div id="cv">)",
      R"(  <table class='cv' border="0" cellspacing="0" cellpadding="0">)",
      R"(    <tr class='cv'>)",
      R"(      <td colspan="7" class="cvTITOLO">RIEPILOGO TOTALE SCARTO ASSOLUTO </td>)",
      R"(    </tr>)",
      R"(    <tr class='cv'>)",
      R"(      <td class="scartoSQUADRA">&nbsp;</td>)",
      R"(      <td class="scartoDATI">Scarto Med</td>)",
      R"(      <td class="scartoDATI">Partite</td>)",
      R"(      <td class="scartoDATI">Scarto Max </td>)",
      R"(      <td class="scartoDATI">Giornata</td>)",
      R"(      <td class="scartoDATI">Scarto Min </td>)",
      R"(      <td class="scartoDATI">Giornata</td>)",
      R"(    </tr>)",
  });
  for (int t = 1; t <= store.num_teams; ++t) {
    const SeasonRow& season = store.teamSeason[t];
    if (season[kSnMatches] == 0) continue;
    // Gaps are cut to hundredths for the page (9999, "n/a", stays 9999).
    const std::string cells[] = {
        GapText(FloorHundredths(season[kSnAverageGap])),
        NumberText(season[kSnMatches]),
        GapText(FloorHundredths(season[kSnLargestGap])),
        MatchdayText(season[kSnLargestGapDay]),
        GapText(FloorHundredths(season[kSnSmallestGap])),
        MatchdayText(season[kSnSmallestGapDay]),
    };
    page.push_back(R"(    <tr class='cv'>)");
    page.push_back(R"(      <td><div align="left">)" + HtmlText(store.teamName[t]) +
                   "</div></td>");
    for (const std::string& cell : cells) {
      page.push_back(R"(      <td><div align="center">)" + cell + "</div></td>");
    }
    page.push_back(R"(    </tr>)");
  }
  page.push_back("</table>");
  page.push_back("<br />");
}

void AddWeightedGapTable(const SeasonStore& store, CoachRatingFiles& files) {
  Lines& page = files.page;
  page.insert(page.end(), {
      R"(<table class='cv' border="0" cellspacing="0" cellpadding="0">)",
      R"( <tr class='cv'>)",
      R"(    <td colspan="8" class="cvTITOLO">RIEPILOGO TOTALE SCARTO PESATO SU VOTI VALIDI </td>)",
      R"(  </tr>)",
      R"(  <tr class='cv'>)",
      R"(    <td class="riepilogoSQUADRA">&nbsp;</td>)",
      R"(    <td class="riepilogoDATI">Scarto Pesato </td>)",
      R"(    <td class="riepilogoDATI">Partite</td>)",
      R"(    <td class="riepilogoSPAZIO">&nbsp;</td>)",
      R"( </tr>)",
  });
  files.totals_script = {"var arrCorvalTot=new Array()", "a=arrCorvalTot"};
  for (int t = 1; t <= store.num_teams; ++t) {
    const SeasonRow& season = store.teamSeason[t];
    if (season[kSnMatches] == 0) continue;
    std::string weighted = WeightedText(season[kSnWeightedGap]);
    page.insert(page.end(), {
        R"( <tr class='cv'>)",
        R"(<td><div align="Left">)" + HtmlText(store.teamName[t]) + "</div></td>",
        R"(<td><div align="center">)" + weighted + "</div></td>",
        R"(<td><div align="center">)" + NumberText(season[kSnMatches]) + "</div></td>",
        R"(<td>&nbsp;</td>)",
        R"(    </tr>)",
    });
    // The row number keeps the gaps of the teams left out.
    files.totals_script.push_back("a[" + WholeText(t) + "]=new CvTot(" +
                                  JsString(store.teamName[t], store.encoding) + "," +
                                  JsValue(weighted, store.encoding) + "," +
                                  JsValue(PlainNumber(season[kSnMatches]), store.encoding) +
                                  ")");
  }
  page.push_back(R"( </table>)");
  page.push_back(R"(  <br />)");
}

}  // namespace corvalis
