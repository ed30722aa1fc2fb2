// The coach rating's files, written after the season is closed.
#ifndef CORVALIS_RATING_RATING_PAGES_H_
#define CORVALIS_RATING_RATING_PAGES_H_

#include "platform/env.h"
#include "store/season_store.h"

namespace corvalis {

// Writes bestrose.htm, then corvalis.htm, crvCorvalisTot.js and the details
// script of the latest matchday read, into the source folder. Leaves the
// team rows sorted by weighted gap.
void WriteRatingPages(Env& env, SeasonStore& store);

}  // namespace corvalis

#endif  // CORVALIS_RATING_RATING_PAGES_H_
