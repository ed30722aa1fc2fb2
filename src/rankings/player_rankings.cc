#include "rankings/player_rankings.h"

#include "rankings/fantasfiga_page.h"
#include "rankings/tally_pages.h"
#include "rankings/underrated_pages.h"
#include "site/site_pages.h"

namespace corvalis {

Rankings WritePlayerRankings(Env& env, const League& league, const SeasonRating& rating,
                             const CalendarResult& calendar, TextEncoding encoding) {
  Rankings rankings;
  WriteUnderratedPages(env, league, rating.bench_votes, encoding);
  rankings.scorers = WriteTallyPages(env, league, calendar.scorers, calendar.awards, encoding);
  rankings.season_eleven = WriteElevenPages(env, league, calendar, encoding);
  WritePage(env, league.SourcePath(kFantasfigaPage), [&](Page& page) {
    AddFantasfigaPage(league, calendar.luck, rating.weighted_order, page);
  });
  return rankings;
}

}  // namespace corvalis
