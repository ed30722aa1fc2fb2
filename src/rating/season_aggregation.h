// The coach rating's figures, matchday by matchday and for the season.
#ifndef CORVALIS_RATING_SEASON_AGGREGATION_H_
#define CORVALIS_RATING_SEASON_AGGREGATION_H_

#include <array>
#include <span>
#include <vector>

#include "input/league.h"
#include "rating/lineup_rating.h"
#include "rating/season_rating.h"

namespace corvalis {

// What the rating's reading of one export leaves for the matchday's rating,
// per team: its block's lines and its score ("Parziale", cut to 3 decimals;
// 0 = did not play).
struct MatchdayPlay {
  // The room for lines is left unset: only the first lineup_size are read.
  MatchdayPlay() {}

  // The block's line in `slot` (1..kLineupSlots); the slots before it that
  // no column filled become lines without a role.
  LineupEntry& Slot(int slot) {
    while (lineup_size < slot) lineup[lineup_size++] = LineupEntry{};
    return lineup[slot - 1];
  }
  std::span<const LineupEntry> Lineup() const {
    return {lineup.data(), static_cast<size_t>(lineup_size)};
  }

  // Room for every slot a block fills, so that a line costs no growing.
  std::array<LineupEntry, kLineupSlots> lineup;
  int lineup_size = 0;
  double score = 0;
};

// Rates matchday g: the module each team fielded, Max and the gap, the best
// modules, the largest and smallest gap. `plays` in conf.txt order.
void RateMatchday(const League& league, int g, const std::vector<MatchdayPlay>& plays,
                  SeasonRating& rating);

// After the last matchday: average and weighted gaps, and the two team
// orders.
void CloseSeason(const League& league, SeasonRating& rating);

// The weighted gap of one team: the season gap spread over the valid votes
// beyond eleven per match, cut to hundredths and raised to `exponent`.
double WeightedGap(double total_gap, double valid_votes, double matches, double exponent);

}  // namespace corvalis

#endif  // CORVALIS_RATING_SEASON_AGGREGATION_H_
