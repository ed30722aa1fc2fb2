// The coach rating's reorderings of the team rows. teamName, teamSeason,
// lineupSlot and teamConfNumber move together; every other team table stays
// in conf.txt order.
#ifndef CORVALIS_RATING_TEAM_ORDER_H_
#define CORVALIS_RATING_TEAM_ORDER_H_

#include <functional>

#include "store/season_store.h"

namespace corvalis {

// Marks every row as holding its own conf.txt team, before the first sort.
void StartTeamOrder(SeasonStore& store);

// Sorts rows 1..num_teams stably by `key` of their teamSeason row,
// smallest first: rows with equal keys keep their order.
void SortTeamRows(SeasonStore& store,
                  const std::function<double(const SeasonRow&)>& key);

// The teamName/teamSeason row that holds conf.txt team `t`.
int SortedRowOf(const SeasonStore& store, int t);

}  // namespace corvalis

#endif  // CORVALIS_RATING_TEAM_ORDER_H_
