#include "rating/rate_season.h"

#include "rating/rating_reading.h"
#include "rating/season_aggregation.h"
#include "util/run_stop.h"

namespace corvalis {

SeasonRating RateSeason(Env& env, const League& league, SeasonExports& exports) {
  RatingReadingState state;
  SeasonRating& rating = state.rating;
  rating.teams.resize(league.num_teams() + 1);  // and the extra row of repeated blocks
  for (TeamRating& team : rating.teams) team.best_module_count.assign(league.modules.size(), 0);
  rating.module_best_count.assign(league.modules.size(), 0);
  rating.module_only_best_count.assign(league.modules.size(), 0);
  rating.bench_votes = BenchVotes(league.sq);
  bool any = false;
  for (int g = 1; g <= kMatchdays; ++g) {
    const MatchdayExport* day = exports.Read(env, league, g);
    if (day == nullptr) continue;
    any = true;
    RateMatchday(league, g, ReadForRating(env, league, *day, state), rating);
    exports.KeepLinesOnly(g);
  }
  if (!any) throw RunStop("Files Risultati Assenti", kExitInputMessage);
  rating.teams.pop_back();
  CloseSeason(league, rating);
  return std::move(rating);
}

}  // namespace corvalis
