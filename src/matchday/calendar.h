// The calendar stage: every results export read once more, match by match,
// into calenbomber.htm (the season) and ultima.htm (the last matchday).
#ifndef CORVALIS_MATCHDAY_CALENDAR_H_
#define CORVALIS_MATCHDAY_CALENDAR_H_

#include "input/season_exports.h"
#include "platform/env.h"
#include "store/season_store.h"

namespace corvalis {

// Runs after ReadCredits. Leaves in the store the last matchday's players,
// the season player totals, the scorer and man-of-the-match tallies and the
// luck sums. Throws RunStop when an export or a page cannot be read or
// written.
void WriteCalendar(Env& env, SeasonStore& store, const SeasonExports& exports);

}  // namespace corvalis

#endif  // CORVALIS_MATCHDAY_CALENDAR_H_
