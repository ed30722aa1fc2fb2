#include "rankings/player_rankings.h"

#include "rankings/fantasfiga_page.h"
#include "rankings/tally_pages.h"
#include "rankings/underrated_pages.h"
#include "site/site_pages.h"

namespace corvalis {

Rankings WritePlayerRankings(Env& env, const League& league, const SeasonRating& rating,
                             const CalendarResult& calendar, TextEncoding encoding) {
  Rankings rankings;
  Page page;
  WriteUnderratedPages(env, league, rating.bench_votes, encoding, page);
  rankings.scorers =
      WriteTallyPages(env, league, calendar.scorers, calendar.awards, encoding, page);
  rankings.season_eleven = WriteElevenPages(env, league, calendar, encoding, page);
  page.Clear();
  AddFantasfigaPage(league, calendar.luck, rating.weighted_order, page);
  WriteFileOrStop(env, league.SourcePath(kFantasfigaPage), page.text());
  return rankings;
}

}  // namespace corvalis
