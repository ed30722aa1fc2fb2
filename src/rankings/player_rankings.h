// The player-ranking stage: every ranking page of players and teams that
// follows the calendar.
#ifndef CORVALIS_RANKINGS_PLAYER_RANKINGS_H_
#define CORVALIS_RANKINGS_PLAYER_RANKINGS_H_

#include "platform/env.h"
#include "store/season_store.h"

namespace corvalis {

// In this order: bench averages, incomedia.htm and incomtot.htm,
// cannonieri.htm, uomopartita.htm, the four Top/Flop 11 pages with
// crvTop11.js, fantasfiga.htm. Leaves scorerTally ranked by goals with
// shortened names, as the team pages list it.
void WritePlayerRankings(Env& env, SeasonStore& store);

}  // namespace corvalis

#endif  // CORVALIS_RANKINGS_PLAYER_RANKINGS_H_
