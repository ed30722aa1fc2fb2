// The player-ranking stage: every ranking page of players and teams that
// follows the calendar.
#ifndef CORVALIS_RANKINGS_PLAYER_RANKINGS_H_
#define CORVALIS_RANKINGS_PLAYER_RANKINGS_H_

#include <vector>

#include "input/league.h"
#include "matchday/calendar.h"
#include "platform/env.h"
#include "rankings/eleven_pages.h"
#include "rankings/tally_pages.h"
#include "rating/season_rating.h"

namespace corvalis {

// What later pages take from the rankings.
struct Rankings {
  std::vector<ShownScorer> scorers;  // by goals, names shortened: the team pages list them
  SeasonEleven season_eleven;     // the charts page shows it
};

// In this order: incomedia.htm and incomtot.htm, cannonieri.htm,
// uomopartita.htm, the four Top/Flop 11 pages with crvTop11.js,
// fantasfiga.htm.
Rankings WritePlayerRankings(Env& env, const League& league, const SeasonRating& rating,
                             const CalendarResult& calendar, TextEncoding encoding);

}  // namespace corvalis

#endif  // CORVALIS_RANKINGS_PLAYER_RANKINGS_H_
