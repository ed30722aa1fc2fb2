// The calendar stage: what the calendar's reading of the exports logged,
// written into calenbomber.htm (the season) and ultima.htm (the last
// matchday), with the season's tallies of fantasy goals, man of the match
// awards, players and fantasfiga deviations.
#ifndef CORVALIS_MATCHDAY_CALENDAR_H_
#define CORVALIS_MATCHDAY_CALENDAR_H_

#include <string>
#include <vector>

#include "input/credits.h"
#include "input/league.h"
#include "matchday/calendar_reading.h"
#include "matchday/tallies.h"
#include "platform/env.h"
#include "rating/season_rating.h"

namespace corvalis {

// A player line of the last matchday.
struct MatchdayPlayer {
  std::string role;  // "P" for a goalkeeper, else the first character of the code
  std::string name;
  std::string team;
  std::string fantavoto;  // as read, with a decimal point
};

struct CalendarResult {
  explicit CalendarResult(bool sq) : scorers(sq, true), awards(sq, false) {}

  std::vector<MatchdayPlayer> last_matchday;  // in line order
  SeasonPlayers season_players;
  Tally scorers;  // fantasy goals; a row takes the team of the latest goal (without SQ)
  Tally awards;   // man of the match; a row keeps its first team
  std::vector<Luck> luck;  // conf.txt order
};

// Writes calenbomber.htm and ultima.htm into the source folder from
// `reading`, with the surnames shown in `encoding`, the credits of
// `credits` and the warnings the reading logged. `rating` gives the
// season's scores (the fantasfiga deviations) and the order in which a name
// that two teams share is looked up.
CalendarResult RunCalendar(Env& env, const League& league, CalendarReading& reading,
                           const SeasonRating& rating, const Credits& credits,
                           TextEncoding encoding);

}  // namespace corvalis

#endif  // CORVALIS_MATCHDAY_CALENDAR_H_
