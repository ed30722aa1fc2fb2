#include "rating/coach_rating_page.h"

#include "rating/rating_text.h"
#include "util/escaping.h"
#include "util/text.h"

namespace corvalis {

void BuildCoachRating(const League& league, const SeasonRating& rating, TextEncoding encoding,
                      CoachRatingFiles& files) {
  AddGapTables(league, rating, encoding, files);
  AddBestModulesByTeam(league, rating, files.page);
  AddBonusTables(league, rating, files.page);
  AddModuleShareTables(league, rating, files.page);
  AddMatchdayTables(league, rating, encoding, files);
}

void AddTableStart(const char* title, Page& page) {
  page.Line(R"(  <table class='cv' border="0" cellspacing="0" cellpadding="0">)");
  page.Line(R"(    <tr class='cv'>)");
  page.Line(R"(      <td colspan="8" class="cvTITOLO">)", title, "</td>");
  page.Line(R"(    </tr>)");
  page.Line(R"(    <tr class='cv'>)");
}

// The season tables: by average gap, then by weighted gap with the totals
// script. Teams that never played are left out of both.
void AddGapTables(const League& league, const SeasonRating& rating, TextEncoding encoding,
                  CoachRatingFiles& files) {
  Page& page = files.page;
  page.Line(R"(<link href="corvalis.css" rel="stylesheet" type="text/css" />)");
  page.Line(R"(<div id="cv">)");
  page.Line(R"(  <table class='cv' border="0" cellspacing="0" cellpadding="0">)");
  page.Line(R"(    <tr class='cv'>)");
  page.Line(R"(      <td colspan="7" class="cvTITOLO">RIEPILOGO TOTALE SCARTO ASSOLUTO </td>)");
  page.Line(R"(    </tr>)");
  page.Line(R"(    <tr class='cv'>)");
  page.Line(R"(      <td class="scartoSQUADRA">&nbsp;</td>)");
  page.Line(R"(      <td class="scartoDATI">Scarto Med</td>)");
  page.Line(R"(      <td class="scartoDATI">Partite</td>)");
  page.Line(R"(      <td class="scartoDATI">Scarto Max </td>)");
  page.Line(R"(      <td class="scartoDATI">Giornata</td>)");
  page.Line(R"(      <td class="scartoDATI">Scarto Min </td>)");
  page.Line(R"(      <td class="scartoDATI">Giornata</td>)");
  page.Line(R"(    </tr>)");
  for (int t : rating.average_order) {
    const TeamRating& team = rating.teams[t];
    if (team.matches == 0) continue;
    // Gaps are cut to hundredths for the page (9999, "n/a", stays 9999).
    const std::string cells[] = {
        GapText(FloorHundredths(team.average_gap)), NumberText(team.matches),
        GapText(FloorHundredths(team.largest_gap)), MatchdayText(team.largest_gap_day),
        GapText(FloorHundredths(team.smallest_gap)), MatchdayText(team.smallest_gap_day),
    };
    page.Line(R"(    <tr class='cv'>)");
    page.Line(R"(      <td><div align="left">)", Html{league.teams[t]}, "</div></td>");
    for (const std::string& cell : cells) {
      page.Line(R"(      <td><div align="center">)", cell, "</div></td>");
    }
    page.Line(R"(    </tr>)");
  }
  page.Line("</table>");
  page.Line("<br />");

  page.Line(R"(<table class='cv' border="0" cellspacing="0" cellpadding="0">)");
  page.Line(R"( <tr class='cv'>)");
  page.Line(R"(    <td colspan="8" class="cvTITOLO">RIEPILOGO TOTALE SCARTO PESATO SU VOTI VALIDI </td>)");
  page.Line(R"(  </tr>)");
  page.Line(R"(  <tr class='cv'>)");
  page.Line(R"(    <td class="riepilogoSQUADRA">&nbsp;</td>)");
  page.Line(R"(    <td class="riepilogoDATI">Scarto Pesato </td>)");
  page.Line(R"(    <td class="riepilogoDATI">Partite</td>)");
  page.Line(R"(    <td class="riepilogoSPAZIO">&nbsp;</td>)");
  page.Line(R"( </tr>)");
  Page& script = files.totals_script;
  script.Line("var arrCorvalTot=new Array()");
  script.Line("a=arrCorvalTot");
  int row = 0;
  for (int t : rating.weighted_order) {
    ++row;  // the record number keeps the gaps of the teams left out
    const TeamRating& team = rating.teams[t];
    if (team.matches == 0) continue;
    std::string weighted = WeightedText(team.weighted_gap);
    page.Line(R"( <tr class='cv'>)");
    page.Line(R"(<td><div align="Left">)", Html{league.teams[t]}, "</div></td>");
    page.Line(R"(<td><div align="center">)", weighted, "</div></td>");
    page.Line(R"(<td><div align="center">)", Number{double(team.matches)}, "</div></td>");
    page.Line(R"(<td>&nbsp;</td>)");
    page.Line(R"(    </tr>)");
    script.Line("a[", Whole{row}, "]=new CvTot(", JsText{league.teams[t], encoding}, ",",
                JsValue(weighted, encoding), ",", Whole{team.matches}, ")");
  }
  page.Line(R"( </table>)");
  page.Line(R"(  <br />)");
}

}  // namespace corvalis
