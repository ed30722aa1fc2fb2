// Season sums that the calendar stage gathers while it reads the matchdays:
// the players' fantavoto totals and the fantasfiga deviations.
#ifndef CORVALIS_MATCHDAY_SEASON_TALLIES_H_
#define CORVALIS_MATCHDAY_SEASON_TALLIES_H_

#include "platform/env.h"
#include "store/row_index.h"
#include "store/season_store.h"

namespace corvalis {

// seasonPlayerTotals with an index of its rows by player name, for the
// many lines of a season. The table must change only through it while it
// lives.
class SeasonTotals {
 public:
  explicit SeasonTotals(SeasonStore& store);
  // As AddSeasonLine.
  void Add(Env& env, int n);

 private:
  SeasonStore& store_;
  RowIndex index_;
};

// Adds row n of matchdayPlayers to seasonPlayerTotals, whose rows are keyed
// by player name alone: a known player gets the fantavoto added and one
// more line counted ("1", then " 2", " 3", ...); a new one takes the first
// free row with its role letter, name, team and fantavoto text. A full table
// leaves new players out, with a warning.
void AddSeasonLine(Env& env, SeasonStore& store, int n);  // one line, no index kept

// Books the match between `home` and `away` (teamName rows, kUnsetTeam for
// a side matching no team) in the luck table: each side's score of the
// match (teamParziale) less its season average goes to the other side.
// A side that scored exactly 3 books nothing.
void AccumulateLuck(SeasonStore& store, int home, int away);

}  // namespace corvalis

#endif  // CORVALIS_MATCHDAY_SEASON_TALLIES_H_
