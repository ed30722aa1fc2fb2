// The coach rating's result: for every team and matchday the best score its
// voted players allowed ("Max") against the score it obtained, the gap
// ("scarto") and the season figures built from the gaps; with them what the
// rating's reading of the exports gathers for later pages (rosters, bench
// votes, positive bonuses).
#ifndef CORVALIS_RATING_SEASON_RATING_H_
#define CORVALIS_RATING_SEASON_RATING_H_

#include <array>
#include <cstdint>
#include <vector>

#include "input/league.h"
#include "rating/bench_votes.h"
#include "rating/roster.h"

namespace corvalis {

constexpr double kNoExportGap = -1;  // gap of a matchday without an export
constexpr double kDidNotPlay = 9999;  // gap of a team that did not play
constexpr double kNoWeightedGap = 9999;  // too few valid votes to weigh

struct TeamMatchday {
  // Read from the export.
  std::array<int, 3> fielded = {0, 0, 0};  // defenders, midfielders, forwards
  int valid_votes = 0;
  // Rated.
  int module_used = -1;  // the module whose counts equal the fielded ones; -1 none
  double gap = kNoExportGap;  // cut to 3 decimals
  double actual_score = 0;    // score plus the bonus of the module used
  double max = 0;             // best possible score, cut to 3 decimals
  uint32_t best_modules = 0;  // bit m: module m gave the best score
};

struct TeamRating {
  std::array<TeamMatchday, kMatchdays + 1> days;  // 1..42
  double score_sum = 0;
  int matches = 0;
  double max_sum = 0;  // sum of Max less the bonuses of the modules used
  double average_gap = 0;
  double largest_gap = 0;
  int largest_gap_day = 0;
  double smallest_gap = 9999;
  int smallest_gap_day = 0;
  double weighted_gap = 0;  // kNoWeightedGap: not available
  std::vector<int> best_module_count;  // per module: matchdays it was among the best
  // Player lines whose field after the vote (the bonus) is positive: their
  // count, the sum, and the part from substitutes and the bench.
  int positive_lines = 0;
  double positive_sum = 0;
  double substitute_sum = 0;
  bool fielded_any = false;   // some player column of the team was read
  bool roster_named = false;  // some starter with a vote was read
  Roster roster;
};

struct SeasonRating {
  std::vector<TeamRating> teams;           // conf.txt order
  std::vector<int> module_best_count;      // per module, all teams and matchdays
  std::vector<int> module_only_best_count; // matchdays it was a team's only best
  int best_module_total = 0;
  // The team orders of the coach rating: by average gap, best coach first
  // (equal gaps in conf.txt order), and that order sorted again by weighted
  // gap, which the pages after the coach rating keep.
  std::vector<int> average_order;
  std::vector<int> weighted_order;
  BenchVotes bench_votes;
  std::array<bool, kMatchdays + 1> has_export = {};
  int last_matchday = 0;  // the latest matchday with an export
};

}  // namespace corvalis

#endif  // CORVALIS_RATING_SEASON_RATING_H_
