// The best squads page (bestrose.htm): teams ranked by the average of their
// best possible scores, the strength of the squad rather than of the coach.
#ifndef CORVALIS_RATING_BEST_SQUADS_PAGE_H_
#define CORVALIS_RATING_BEST_SQUADS_PAGE_H_

#include "input/league.h"
#include "rating/season_rating.h"
#include "util/page.h"

namespace corvalis {

// Highest average of Max (less the bonuses of the modules used) per match
// first, equal averages in coach-rating order, teams that never played last
// with "0".
void AddBestSquadsPage(const League& league, const SeasonRating& rating, Page& page);

}  // namespace corvalis

#endif  // CORVALIS_RATING_BEST_SQUADS_PAGE_H_
