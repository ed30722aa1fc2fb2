#include "rating/season_aggregation.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

#include "util/power.h"
#include "util/text.h"

namespace corvalis {
namespace {

// The module whose counts equal what the team fielded (the last one when
// conf.txt repeats a module), -1 for none.
int ModuleUsed(const League& league, const TeamMatchday& day) {
  int used = -1;
  for (size_t m = 0; m < league.modules.size(); ++m) {
    const Module& module = league.modules[m];
    if (day.fielded[0] == module.defenders && day.fielded[1] == module.midfielders &&
        day.fielded[2] == module.forwards) {
      used = static_cast<int>(m);
    }
  }
  return used;
}

// What rating a matchday's teams works with, set up once for all of them.
struct MatchdayModules {
  std::vector<ModulePlaces> places;  // conf.txt order
  std::vector<double> scores;        // a team's module scores, one after the other
};

void RatePlayedTeam(const League& league, int g, const MatchdayPlay& play,
                    MatchdayModules& modules, TeamRating& team, SeasonRating& rating) {
  TeamMatchday& day = team.days[g];
  double bonus = day.module_used >= 0 ? league.modules[day.module_used].bonus : 0;
  // The bonus of the module used is part of the score obtained but not of
  // the lineup score, so the season sum of Max gives it back.
  team.max_sum -= bonus;
  day.actual_score = play.score + bonus;

  const RatedLineup& lineup = play.lineup;
  std::vector<double>& scores = modules.scores;
  double best = 0;
  for (size_t m = 0; m < scores.size(); ++m) {
    scores[m] = lineup.ModuleScore(modules.places[m]);
    if (scores[m] > best) best = scores[m];
  }
  int tied = 0;
  int first_best = -1;
  for (size_t m = 0; m < scores.size(); ++m) {
    if (scores[m] != best) continue;
    if (++tied == 1) first_best = static_cast<int>(m);
    team.best_module_count[m] += 1;
    rating.module_best_count[m] += 1;
    day.best_modules |= 1u << m;
    rating.best_module_total += 1;
  }
  if (tied == 1) rating.module_only_best_count[first_best] += 1;

  double max = FloorThousandths(best);
  team.max_sum += max;
  day.max = max;
  double gap = std::max(0.0, max - day.actual_score);
  day.gap = FloorThousandths(gap);
  // Equal positive gaps keep the earlier matchday; zero gaps move it on
  // until a positive one comes.
  if (gap > team.largest_gap || (gap == 0 && team.largest_gap == 0)) {
    team.largest_gap = gap;
    team.largest_gap_day = g;
  }
  if (gap < team.smallest_gap) {
    team.smallest_gap = gap;
    team.smallest_gap_day = g;
  }
}

// The team numbers 0..n-1 sorted stably by `key`, smallest first.
template <typename Key>
std::vector<int> SortedBy(std::vector<int> order, Key key) {
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return key(a) < key(b); });
  return order;
}

}  // namespace

void RateMatchday(const League& league, int g, std::span<const MatchdayPlay> plays,
                  SeasonRating& rating) {
  rating.has_export[g] = true;
  rating.last_matchday = g;
  MatchdayModules modules;
  modules.places.reserve(league.modules.size());
  for (const Module& module : league.modules) modules.places.emplace_back(module);
  modules.scores.resize(league.modules.size());
  for (int t = 0; t < league.num_teams(); ++t) {
    TeamMatchday& day = rating.teams[t].days[g];
    day.module_used = ModuleUsed(league, day);
    if (plays[t].score != 0) {
      RatePlayedTeam(league, g, plays[t], modules, rating.teams[t], rating);
    } else {
      day.gap = kDidNotPlay;
    }
  }
}

double WeightedGap(double total_gap, double valid_votes, double matches, double exponent) {
  if (valid_votes <= 11 * matches) return kNoWeightedGap;
  double w = total_gap / (valid_votes - 11 * matches);
  if (matches > 0) {
    double hundredths = std::floor(w * 100);
    // A negative gap counts as none before the power, so that an even
    // exponent cannot turn it into a positive one.
    double power = hundredths < 0 ? 0 : StablePower(hundredths, exponent);
    w = std::isfinite(power) ? power / 100 : 0;
  }
  return std::max(0.0, w);
}

void CloseSeason(const League& league, SeasonRating& rating) {
  for (TeamRating& team : rating.teams) {
    if (team.matches > 0) {
      // The uncut differences, negative ones included, floored at 0 only as
      // a whole.
      team.average_gap = std::max(0.0, (team.max_sum - team.score_sum) / team.matches);
    }
    double votes = 0;
    for (int g = 1; g <= kMatchdays; ++g) votes += team.days[g].valid_votes;
    team.weighted_gap = WeightedGap(team.max_sum - team.score_sum, votes, team.matches,
                                    league.gap_exponent);
  }
  std::vector<int> conf_order(rating.teams.size());
  std::iota(conf_order.begin(), conf_order.end(), 0);
  rating.average_order =
      SortedBy(conf_order, [&](int t) { return rating.teams[t].average_gap; });
  // A weighted gap that could not be worked out goes last, whatever the
  // others' values (a large exponent can lift real ones above 9999).
  rating.weighted_order = SortedBy(rating.average_order, [&](int t) {
    double w = rating.teams[t].weighted_gap;
    return w == kNoWeightedGap ? std::numeric_limits<double>::infinity() : w;
  });
}

}  // namespace corvalis
