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
// per team: the voted lines of its block among the first kLineupSlots, and
// its score ("Parziale", cut to 3 decimals; 0 = did not play).
struct MatchdayPlay {
  // Provided, so that a vector of plays does not clear their lineups' room.
  MatchdayPlay() {}

  void Clear() {
    lineup.Clear();
    score = 0;
  }

  RatedLineup lineup;
  double score = 0;
};

// Rates matchday g: the module each team fielded, Max and the gap, the best
// modules, the largest and smallest gap. `plays` in conf.txt order.
void RateMatchday(const League& league, int g, std::span<const MatchdayPlay> plays,
                  SeasonRating& rating);

// After the last matchday: average and weighted gaps, and the two team
// orders.
void CloseSeason(const League& league, SeasonRating& rating);

// The weighted gap of one team: the season gap spread over the valid votes
// beyond eleven per match, cut to hundredths and raised to `exponent`.
double WeightedGap(double total_gap, double valid_votes, double matches, double exponent);

}  // namespace corvalis

#endif  // CORVALIS_RATING_SEASON_AGGREGATION_H_
