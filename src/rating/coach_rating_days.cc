// The matchday tables of the coach-rating page, latest matchday first, and
// the script with the details of the latest one.
#include <algorithm>
#include <cmath>
#include <numeric>
#include <string>
#include <vector>

#include "rating/coach_rating_page.h"
#include "rating/rating_text.h"
#include "util/escaping.h"
#include "util/short_number.h"
#include "util/text.h"

namespace corvalis {
namespace {

constexpr double kNoGapPerVote = 9999;

struct DayRow {
  std::string gap;
  std::string votes;
  std::string gap_per_vote;
  std::string score;
  std::string_view module_used;
  std::string max;
  std::string best_modules;  // " 3-4-3 4-4-2"
};

// The module texts, made once for all the rows.
struct ModuleTexts {
  explicit ModuleTexts(const League& league) : none(ModuleText(nullptr)) {
    for (const Module& module : league.modules) of.push_back(ModuleText(&module));
  }
  std::vector<std::string> of;  // in conf.txt order
  std::string none;
};

// The texts are made straight into the row's members.
DayRow MakeDayRow(const ModuleTexts& modules, const TeamMatchday& day) {
  double votes = day.valid_votes;
  double per_vote =
      votes > 11 ? std::floor(100 * day.gap / (votes - 11)) / 100 : kNoGapPerVote;
  DayRow row{
      .gap = DayGapText(day.gap),
      .votes = {},
      .gap_per_vote = day.gap == kDidNotPlay ? "n/a" : GapPerVoteText(per_vote),
      .score = ScoreText(day.actual_score),
      .module_used = day.module_used >= 0 ? modules.of[day.module_used] : modules.none,
      .max = ScoreText(day.max),
      .best_modules = {},
  };
  AppendNumberText(row.votes, votes);
  for (size_t m = 0; m < modules.of.size(); ++m) {
    if (day.best_modules & (1u << m)) {
      row.best_modules += ' ';
      row.best_modules += modules.of[m];
    }
  }
  return row;
}

void AddDayHeader(int g, Page& page) {
  page.Line(R"(    <tr class='cv'>)");
  page.Line(R"(      <td class="giornateSQUADRA"> Giornata)", Number{double(g)}, " </td>");
  page.Line(R"(      <td class="giornateSCARTO">Scarto</td>)");
  page.Line(R"(      <td class="giornateVOTI">Voti</td>)");
  page.Line(R"(      <td class="giornateSCAVOTI">Sc.Voti </td>)");
  page.Line(R"(      <td class="giornatePARZ">Parziale</td>)");
  page.Line(R"(      <td class="giornateMAX">Max</td>)");
  page.Line(R"(    </tr>)");
}

void AddDayRow(std::string_view team, const DayRow& row, Page& page) {
  page.Line(R"(    <tr class='cv'>)");
  page.Line(R"(       <td><div align="left">)", Html{team}, "</div></td>");
  page.Line(R"(      <td><div align="center">)", row.gap, "</div></td>");
  page.Line(R"(      <td><div align="center">)", row.votes, "</div></td>");
  page.Line(R"(      <td><div align="center">)", row.gap_per_vote, "</div></td>");
  page.Line(R"(      <td><div align="center">)", row.score, "  >", row.module_used, "</div></td>");
  page.Line(R"(      <td><div align="left"> > )", row.max, " >", row.best_modules, "</div></td>");
  page.Line(R"(     </tr>)");
}

// The record of the details script; 999 stands for a gap per vote of
// "n/a" there. A gap of "n/a" (a team that did not play) is a string.
void AddScriptRecord(int n, std::string_view team, const DayRow& row, TextEncoding encoding,
                     Page& script) {
  auto value = [&](std::string_view text) { return JsValue(text, encoding); };
  script.Line("a[", Whole{n}, "]=new Cv(", JsText{team, encoding}, ",",
              value(Trimmed(row.gap)), ",", value(Trimmed(row.votes)), ",",
              value(row.gap_per_vote == "n/a" ? "999" : row.gap_per_vote), ",",
              value(row.score), ",\"", row.module_used, "\",", value(row.max), ",\"",
              Trimmed(row.best_modules), "\")");
}

}  // namespace

void AddMatchdayTables(const League& league, const SeasonRating& rating, TextEncoding encoding,
                       CoachRatingFiles& files) {
  Page& page = files.page;
  page.Line(R"(   <table class='cv' border="0" cellspacing="0" cellpadding="0">)");
  page.Line(R"(    <tr class='cv'>)");
  page.Line(R"(      <td colspan="7" class="cvTITOLO">DETTAGLIO GIORNATA </td>)");
  page.Line(R"(    </tr>)");
  files.matchday_script.Line("var arrCorvalis=new Array()");
  files.matchday_script.Line("a=arrCorvalis");
  std::vector<int> teams(league.num_teams());
  ModuleTexts modules(league);
  for (int g = kMatchdays; g >= 1; --g) {
    if (teams.empty() || !rating.has_export[g]) continue;
    // Smallest gap first, equal gaps in conf.txt order; 9999 (did not
    // play) sorts last by itself.
    std::iota(teams.begin(), teams.end(), 0);
    std::stable_sort(teams.begin(), teams.end(), [&](int a, int b) {
      return rating.teams[a].days[g].gap < rating.teams[b].days[g].gap;
    });
    AddDayHeader(g, page);
    int n = 0;
    for (int t : teams) {
      DayRow row = MakeDayRow(modules, rating.teams[t].days[g]);
      AddDayRow(league.teams[t], row, page);
      if (g == rating.last_matchday) {
        AddScriptRecord(++n, league.teams[t], row, encoding, files.matchday_script);
      }
    }
  }
  page.Line("</table>");
  page.Line("</div>");
}

}  // namespace corvalis
