#include "rating/rate_season.h"

#include "rating/season_aggregation.h"
#include "util/run_stop.h"

namespace corvalis {

SeasonRater::SeasonRater(const League& league) : league_(league) {
  SeasonRating& rating = state_.rating;
  rating.teams.resize(league.num_teams() + 1);  // and the extra row of repeated blocks
  for (TeamRating& team : rating.teams) team.best_module_count.assign(league.modules.size(), 0);
  rating.module_best_count.assign(league.modules.size(), 0);
  rating.module_only_best_count.assign(league.modules.size(), 0);
  rating.bench_votes = BenchVotes(league.sq);
}

void SeasonRater::Rate(Env& env, const MatchdayExport& day) {
  any_ = true;
  RateMatchday(league_, day.matchday, ReadForRating(env, league_, day, state_), state_.rating);
}

SeasonRating SeasonRater::Close() {
  if (!any_) throw RunStop("Files Risultati Assenti", kExitInputMessage);
  SeasonRating& rating = state_.rating;
  rating.teams.pop_back();
  CloseSeason(league_, rating);
  return std::move(rating);
}

}  // namespace corvalis
