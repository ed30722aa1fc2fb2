// The second reading of a results export: every match with its goals,
// fantasy scorers, man of the match and credits, and the player and luck
// tables that the rankings use.
#ifndef CORVALIS_MATCHDAY_CALENDAR_READER_H_
#define CORVALIS_MATCHDAY_CALENDAR_READER_H_

#include <string>
#include <vector>

#include "matchday/calendar_page.h"
#include "matchday/season_tallies.h"
#include "platform/env.h"
#include "store/season_store.h"

namespace corvalis {

// Most goals of one side that get a fantasy scorer.
constexpr int kMaxScorerGoals = 50;

// Reads the lines of matchday g's export; `file` names it in messages.
// Fills matchdayPlayers (emptied first), seasonPlayerTotals, scorerTally,
// momTally, the luck table and teamParziale, and returns the matches to
// print. A match block that breaks off (the file ends inside it, or no
// score or goals line before the substitutions) is not printed, with a
// warning; the rest of the file is read as usual.
// `totals`, when given, is the season's index of seasonPlayerTotals, kept
// across the matchdays.
MatchdayReport ReadCalendarMatchday(const TextLines& lines,
                                    const std::string& file, int g, Env& env,
                                    SeasonStore& store, SeasonTotals* totals = nullptr);

}  // namespace corvalis

#endif  // CORVALIS_MATCHDAY_CALENDAR_READER_H_
