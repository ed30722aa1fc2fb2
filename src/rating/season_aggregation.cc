#include "rating/season_aggregation.h"

#include <cmath>
#include <vector>

#include "rating/lineup_rating.h"
#include "rating/team_order.h"
#include "util/power.h"
#include "util/text.h"

namespace corvalis {
namespace {

// The module row whose counts equal what team t fielded on matchday g
// (the last one when conf.txt repeats a module), 0 for none.
int ModuleUsed(const SeasonStore& store, int t, int g) {
  const RoleCountRow& counts = store.teamRoleCount[t][g];
  int used = 0;
  for (int m = 1; m <= store.num_modules; ++m) {
    const ModuleRow& module = store.moduleTable[m];
    if (counts[kRcDefenders] == module[kModDefenders] &&
        counts[kRcMidfielders] == module[kModMidfielders] &&
        counts[kRcForwards] == module[kModForwards]) {
      used = m;
    }
  }
  return used;
}

// Records the modules whose score equals the best one.
void CountBestModules(SeasonStore& store, int t, int g, const std::vector<double>& scores,
                      double best) {
  int c = 0;
  for (int m = 1; m <= store.num_modules; ++m) {
    if (scores[m] != best) continue;
    ++c;
    store.teamBestModuleCount[t][m] += 1;
    store.moduleTable[m][kModBestCount] += 1;
    store.matchdayBestModules[t][g][c] = m;
    store.best_module_total += 1;
  }
  if (c == 1) store.moduleTable[store.matchdayBestModules[t][g][1]][kModOnlyBestCount] += 1;
}

void RatePlayedTeam(SeasonStore& store, int t, int g) {
  SeasonRow& season = store.teamSeason[t];
  MatchdayRow& day = store.teamMatchday[t][g];
  double bonus = store.moduleTable[static_cast<int>(store.teamRoleCount[t][g][kRcModuleUsed])]
                                  [kModBonus];
  // The bonus of the module used is part of the score obtained but not of
  // the lineup score, so the season sum of Max gives it back.
  season[kSnMaxSum] -= bonus;
  day[kMdActualScore] = store.teamParziale[t] + bonus;

  std::vector<double> scores(store.num_modules + 1, 0);
  double best = 0;
  for (int m = 1; m <= store.num_modules; ++m) {
    scores[m] = ModuleScore(store.lineupSlot[t], store.moduleTable[m]);
    if (scores[m] > best) best = scores[m];
  }
  CountBestModules(store, t, g, scores, best);

  double max = FloorThousandths(best);
  season[kSnMaxSum] += max;
  day[kMdMax] = max;
  double gap = std::max(0.0, max - day[kMdActualScore]);
  day[kMdGap] = FloorThousandths(gap);
  // Equal positive gaps keep the earlier matchday; zero gaps move it on
  // until a positive one comes.
  if (gap > season[kSnLargestGap] || (gap == 0 && season[kSnLargestGap] == 0)) {
    season[kSnLargestGap] = gap;
    season[kSnLargestGapDay] = g;
  }
  if (gap < season[kSnSmallestGap]) {
    season[kSnSmallestGap] = gap;
    season[kSnSmallestGapDay] = g;
  }
}

}  // namespace

void RateMatchday(SeasonStore& store, int g) {
  for (int t = 1; t <= store.num_teams; ++t) {
    store.teamRoleCount[t][g][kRcModuleUsed] = ModuleUsed(store, t, g);
    OrderLineup(store.lineupSlot[t]);
  }
  for (int t = 1; t <= store.num_teams; ++t) {
    if (store.teamParziale[t] != 0) {
      RatePlayedTeam(store, t, g);
    } else {
      store.teamMatchday[t][g][kMdGap] = kDidNotPlay;
    }
  }
  for (int t = 1; t <= store.num_teams; ++t) {
    SeasonRow& season = store.teamSeason[t];
    if (season[kSnMatches] > 0) {
      // The uncut differences, negative ones included, floored at 0 only
      // as a whole.
      season[kSnAverageGap] = std::max(
          0.0, (season[kSnMaxSum] - season[kSnScoreSum]) / season[kSnMatches]);
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

void CloseSeason(SeasonStore& store) {
  for (int t = 1; t <= store.num_teams; ++t) {
    SeasonRow& season = store.teamSeason[t];
    double votes = 0;
    for (int g = 1; g <= kMatchdays; ++g) votes += store.teamMatchday[t][g][kMdValidVotes];
    season[kSnWeightedGap] =
        WeightedGap(season[kSnMaxSum] - season[kSnScoreSum], votes, season[kSnMatches],
                    store.gap_exponent);
  }
  StartTeamOrder(store);
  SortTeamRows(store, [](const SeasonRow& row) { return row[kSnAverageGap]; });
}

}  // namespace corvalis
