// Season sums that the calendar stage gathers while it reads the matchdays:
// the players' fantavoto totals and the fantasfiga deviations.
#ifndef CORVALIS_MATCHDAY_SEASON_TALLIES_H_
#define CORVALIS_MATCHDAY_SEASON_TALLIES_H_

#include "platform/env.h"
#include "store/season_store.h"

namespace corvalis {

// Adds row n of matchdayPlayers to seasonPlayerTotals, whose rows are keyed
// by player name alone: a known player gets the fantavoto added and one
// more line counted ("1", then " 2", " 3", ...); a new one takes the first
// free row with its role letter, name, team and fantavoto text. A full table
// leaves new players out, with a warning.
void AddSeasonLine(Env& env, SeasonStore& store, int n);

// Books the match between `home` and `away` (teamName rows, kUnsetTeam for
// a side matching no team) in the luck table: each side's score of the
// match (teamParziale) less its season average goes to the other side.
// A side that scored exactly 3 books nothing.
void AccumulateLuck(SeasonStore& store, int home, int away);

}  // namespace corvalis

#endif  // CORVALIS_MATCHDAY_SEASON_TALLIES_H_
