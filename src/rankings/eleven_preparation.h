// The ranked lists the Top and Flop elevens are chosen from.
#ifndef CORVALIS_RANKINGS_ELEVEN_PREPARATION_H_
#define CORVALIS_RANKINGS_ELEVEN_PREPARATION_H_

#include "store/season_store.h"

namespace corvalis {

// The last matchday: a name listed more than once keeps only its highest
// fantavoto (the last of several equal ones), the others get "-9999" and
// drop out; matchdayPlayers is sorted by fantavoto, best first, and
// flopCandidates (columns 1..4) receives the same players worst first.
void PrepareMatchdayElevens(SeasonStore& store);

// The season: column 4 of seasonPlayerTotals becomes the average fantavoto
// (floored to hundredths, number-to-text form), min_presences = the given
// share (season_top_threshold %) of the average presences, floored (0 when
// no player played); the totals are sorted by average and flopCandidates
// (columns 1..5) receives them worst first.
void PrepareSeasonElevens(SeasonStore& store);

}  // namespace corvalis

#endif  // CORVALIS_RANKINGS_ELEVEN_PREPARATION_H_
