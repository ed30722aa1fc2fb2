#include "rankings/player_rankings.h"

#include "rankings/fantasfiga_page.h"
#include "rankings/lower_team_names.h"
#include "rankings/tally_pages.h"
#include "rankings/underrated_pages.h"
#include "site/site_pages.h"

namespace corvalis {

Rankings WritePlayerRankings(Env& env, const League& league, const SeasonRating& rating,
                             const CalendarResult& calendar, TextEncoding encoding) {
  Rankings rankings;
  // The pages name the same teams: each is lowered once for all of them.
  LowerTeamNames lower(encoding);
  WriteUnderratedPages(env, league, rating.bench_votes, lower);
  rankings.scorers = WriteTallyPages(env, league, calendar.scorers, calendar.awards, lower);
  rankings.season_eleven = WriteElevenPages(env, league, calendar, encoding, lower);
  WritePage(env, league.SourcePath(kFantasfigaPage), [&](Page& page) {
    AddFantasfigaPage(league, calendar.luck, rating.weighted_order, page);
  });
  return rankings;
}

}  // namespace corvalis
