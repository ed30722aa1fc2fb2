// The best squads page (bestrose.htm): teams ranked by the average of their
// best possible scores, the strength of the squad rather than of the coach.
#ifndef CORVALIS_RATING_BEST_SQUADS_PAGE_H_
#define CORVALIS_RATING_BEST_SQUADS_PAGE_H_

#include "store/season_store.h"
#include "store/source_files.h"

namespace corvalis {

// teamBestAverage of every team row that played: its season sum of Max
// (less the bonuses of the modules used) per match. Rows in coach-rating
// order.
void ComputeBestAverages(SeasonStore& store);

// The page, from teamBestAverage and teamName: highest average first, equal
// averages in coach-rating order, teams that never played last with "0".
Lines BestSquadsPage(const SeasonStore& store);

}  // namespace corvalis

#endif  // CORVALIS_RATING_BEST_SQUADS_PAGE_H_
