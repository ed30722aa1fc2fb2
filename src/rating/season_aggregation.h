// The coach rating's figures: for every team and matchday the best score its
// voted players allowed ("Max") against the score it obtained, and the
// season figures built from those gaps.
#ifndef CORVALIS_RATING_SEASON_AGGREGATION_H_
#define CORVALIS_RATING_SEASON_AGGREGATION_H_

#include "store/season_store.h"

namespace corvalis {

constexpr double kNoWeightedGap = 9999;  // too few valid votes to weigh

// Rates matchday g right after its results file was read: the module each
// team fielded, Max and the gap, the best modules, the largest and smallest
// gap, and the average gap so far. Teams are in conf.txt order.
void RateMatchday(SeasonStore& store, int g);

// After the last matchday: the weighted gap of every team, then the team
// rows sorted by average gap, best coach first.
void CloseSeason(SeasonStore& store);

// The weighted gap of one team: the season gap spread over the valid votes
// beyond eleven per match, cut to hundredths and raised to `exponent`.
double WeightedGap(double total_gap, double valid_votes, double matches, double exponent);

}  // namespace corvalis

#endif  // CORVALIS_RATING_SEASON_AGGREGATION_H_
