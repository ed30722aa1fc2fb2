// The two season tallies of the matchday reports as ranking pages: top
// fantasy scorers (cannonieri.htm) and man of the match (uomopartita.htm).
#ifndef CORVALIS_RANKINGS_TALLY_PAGES_H_
#define CORVALIS_RANKINGS_TALLY_PAGES_H_

#include "platform/env.h"
#include "store/season_store.h"
#include "store/source_files.h"

namespace corvalis {

// The pages over the tallies as they stand: one row per named row, in table
// order, the count exactly as stored.
Lines TopScorersPage(const SeasonStore& store);
Lines ManOfTheMatchPage(const SeasonStore& store);

// Sorts scorerTally by goals and momTally by awards (equal counts keep their
// order), shortens their names in place (the team pages show them so) and
// writes the two pages.
void WriteTallyPages(Env& env, SeasonStore& store);

}  // namespace corvalis

#endif  // CORVALIS_RANKINGS_TALLY_PAGES_H_
