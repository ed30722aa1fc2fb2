#include "rankings/eleven_pages.h"

#include <algorithm>
#include <vector>

#include "rankings/lower_team_names.h"
#include "rankings/ranking_page.h"
#include "util/escaping.h"
#include "util/text.h"
#include "site/site_pages.h"

namespace corvalis {
namespace {

void AddElevenPage(const Eleven& eleven, const std::string& title, LowerTeamNames& lower,
                   Page& page) {
  RankingPage ranking({"estremi", "kx", "RUOLO", title}, page);
  for (const ElevenPlayer& p : eleven) {
    // The role is the program's own letter.
    ranking.AddRow(std::string_view(p.role), Html{p.name}, " (", lower.Of(p.team), ") [",
                   Html{Trimmed(p.figure)}, "]");
  }
  ranking.Finish();
}

// crvTop11.js: one T11 record per player, team and figure as they are; the
// texts are string literals, the figure too when it is not a number.
void AddTop11Script(const Eleven& eleven, TextEncoding encoding, Page& page) {
  page.Line("var arrTop11=new Array()");
  page.Line("a = arrTop11");
  for (size_t s = 0; s < eleven.size(); ++s) {
    const ElevenPlayer& p = eleven[s];
    page.Line("a[", Whole{static_cast<long long>(s) + 1}, "]=new T11(",
              JsText{Trimmed(p.role), encoding}, ",", JsText{Trimmed(p.name), encoding}, ",",
              JsText{p.team, encoding}, ",", JsValue(p.figure, encoding), ")");
  }
}

void Write(Env& env, const League& league, const char* name,
           const std::function<void(Page&)>& add) {
  WritePage(env, league.SourcePath(name), add);
}

}  // namespace

SeasonEleven WriteElevenPages(Env& env, const League& league, const CalendarResult& calendar,
                              TextEncoding encoding, LowerTeamNames& lower) {
  std::vector<ElevenCandidate> ranked = RankMatchday(calendar.last_matchday);
  std::vector<ElevenCandidate> worst_first(ranked.rbegin(), ranked.rend());
  Eleven top = ChooseEleven(ranked, kElevenCaps, std::nullopt);
  Write(env, league, kTop11Page,
        [&](Page& page) { AddElevenPage(top, "TOP 11 di giornata", lower, page); });
  Write(env, league, kTop11Script, [&](Page& page) { AddTop11Script(top, encoding, page); });
  Eleven flop = ChooseEleven(worst_first, kElevenCaps, std::nullopt);
  Write(env, league, kFlop11Page,
        [&](Page& page) { AddElevenPage(flop, "FLOP 11 di giornata", lower, page); });

  SeasonEleven season;
  ranked = RankSeason(calendar.season_players.players(), league.season_top_threshold,
                      &season.min_presences);
  worst_first.assign(ranked.rbegin(), ranked.rend());
  std::string presences = NumberText(season.min_presences);
  season.top = ChooseEleven(ranked, kElevenCaps, season.min_presences);
  Write(env, league, kSeasonTop11Page, [&](Page& page) {
    AddElevenPage(season.top, "TOP 11 Stagione (min pres:" + presences + ")", lower, page);
  });
  Eleven season_flop = ChooseEleven(worst_first, kSeasonFlopCaps, season.min_presences);
  Write(env, league, kSeasonFlop11Page, [&](Page& page) {
    AddElevenPage(season_flop, "FLOP11 Stagione (min pres:" + presences + ")", lower, page);
  });
  return season;
}

}  // namespace corvalis
