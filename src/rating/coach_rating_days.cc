// The matchday tables of the coach-rating page, latest matchday first, and
// the script with the details of the latest one.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "rating/coach_rating_page.h"
#include "rating/rating_text.h"
#include "util/escaping.h"
#include "util/text.h"

namespace corvalis {
namespace {

constexpr double kNoGapPerVote = 9999;

struct DayRow {
  std::string title;
  std::string gap;
  std::string votes;
  std::string gap_per_vote;
  std::string score;
  std::string module_used;
  std::string max;
  std::string best_modules;  // " 3-4-3 4-4-2"
};

DayRow MakeDayRow(const SeasonStore& store, int t, int g) {
  const MatchdayRow& day = store.teamMatchday[t][g];
  double gap = day[kMdGap];
  double votes = day[kMdValidVotes];
  double per_vote = votes > 11 ? std::floor(100 * gap / (votes - 11)) / 100 : kNoGapPerVote;
  DayRow row;
  row.title = store.teamTitle[t];
  row.gap = DayGapText(gap);
  row.votes = NumberText(votes);
  row.gap_per_vote = gap == kDidNotPlay ? "n/a" : GapPerVoteText(per_vote);
  row.score = ScoreText(day[kMdActualScore]);
  row.module_used =
      ModuleText(store.moduleTable[static_cast<int>(store.teamRoleCount[t][g][kRcModuleUsed])]);
  row.max = ScoreText(day[kMdMax]);
  for (int m : store.matchdayBestModules[t][g]) {
    if (m > 0) row.best_modules += ' ' + ModuleText(store.moduleTable[m]);
  }
  return row;
}

void AddDayHeader(int g, Lines& page) {
  page.insert(page.end(), {
      R"(    <tr class='cv'>)",
      R"(      <td class="giornateSQUADRA"> Giornata)" + NumberText(g) + " </td>",
      R"(      <td class="giornateSCARTO">Scarto</td>)",
      R"(      <td class="giornateVOTI">Voti</td>)",
      R"(      <td class="giornateSCAVOTI">Sc.Voti </td>)",
      R"(      <td class="giornatePARZ">Parziale</td>)",
      R"(      <td class="giornateMAX">Max</td>)",
      R"(    </tr>)",
  });
}

void AddDayRow(const DayRow& row, Lines& page) {
  page.insert(page.end(), {
      R"(    <tr class='cv'>)",
      R"(       <td><div align="left">)" + HtmlText(row.title) + "</div></td>",
      R"(      <td><div align="center">)" + row.gap + "</div></td>",
      R"(      <td><div align="center">)" + row.votes + "</div></td>",
      R"(      <td><div align="center">)" + row.gap_per_vote + "</div></td>",
      R"(      <td><div align="center">)" + row.score + "  >" + row.module_used + "</div></td>",
      R"(      <td><div align="left"> > )" + row.max + " >" + row.best_modules + "</div></td>",
      R"(     </tr>)",
  });
}

// The record of the details script; 999 stands for a gap per vote of
// "n/a" there. A gap of "n/a" (a team that did not play) is a string.
std::string ScriptRecord(int n, const DayRow& row, TextEncoding encoding) {
  auto value = [&](const std::string& text) { return JsValue(text, encoding); };
  return "a[" + WholeText(n) + "]=new Cv(" + JsString(row.title, encoding) + "," +
         value(TrimSpaces(row.gap)) + "," + value(TrimSpaces(row.votes)) + "," +
         value(row.gap_per_vote == "n/a" ? "999" : row.gap_per_vote) + "," +
         value(row.score) + ",\"" + row.module_used + "\"," + value(row.max) + ",\"" +
         TrimSpaces(row.best_modules) + "\")";
}

}  // namespace

void AddMatchdayTables(const SeasonStore& store, CoachRatingFiles& files) {
  Lines& page = files.page;
  page.insert(page.end(), {
      R"(   <table class='cv' border="0" cellspacing="0" cellpadding="0">)",
      R"(    <tr class='cv'>)",
      R"(      <td colspan="7" class="cvTITOLO">DETTAGLIO GIORNATA </td>)",
      R"(    </tr>)",
  });
  files.matchday_script = {"var arrCorvalis=new Array()", "a=arrCorvalis"};
  for (int g = kMatchdays; g >= 1; --g) {
    if (store.num_teams == 0 || store.teamMatchday[1][g][kMdGap] == kNoFileGap) continue;
    // Smallest gap first, equal gaps in conf.txt order; 9999 (did not
    // play) sorts last by itself.
    std::vector<int> teams;
    for (int t = 1; t <= store.num_teams; ++t) teams.push_back(t);
    std::stable_sort(teams.begin(), teams.end(), [&](int a, int b) {
      return store.teamMatchday[a][g][kMdGap] < store.teamMatchday[b][g][kMdGap];
    });
    AddDayHeader(g, page);
    int n = 0;
    for (int t : teams) {
      DayRow row = MakeDayRow(store, t, g);
      AddDayRow(row, page);
      if (g == store.last_matchday_read) {
        files.matchday_script.push_back(ScriptRecord(++n, row, store.encoding));
      }
    }
  }
  page.push_back("</table>");
  page.push_back("</div>");
}

}  // namespace corvalis
