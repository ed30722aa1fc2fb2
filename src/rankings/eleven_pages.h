// The Top 11 and Flop 11 pages of the last matchday and of the season, and
// the data script of the matchday Top 11.
#ifndef CORVALIS_RANKINGS_ELEVEN_PAGES_H_
#define CORVALIS_RANKINGS_ELEVEN_PAGES_H_

#include <string>

#include "input/league.h"
#include "matchday/calendar.h"
#include "platform/env.h"
#include "rankings/elevens.h"
#include "rankings/lower_team_names.h"
#include "util/page.h"

namespace corvalis {

// The season Top 11 and its presence threshold, which the charts page shows.
struct SeasonEleven {
  Eleven top;
  int min_presences = 0;
};

// Chooses and writes the four elevens in their order: matchday Top 11 (with
// crvTop11.js), matchday Flop 11, season Top 11, season Flop 11.
// `lower` holds the team names the ranking pages have lowered so far.
SeasonEleven WriteElevenPages(Env& env, const League& league, const CalendarResult& calendar,
                              TextEncoding encoding, LowerTeamNames& lower);

}  // namespace corvalis

#endif  // CORVALIS_RANKINGS_ELEVEN_PAGES_H_
