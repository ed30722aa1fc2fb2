// The coach rating's files, written after the season is closed.
#ifndef CORVALIS_RATING_RATING_PAGES_H_
#define CORVALIS_RATING_RATING_PAGES_H_

#include "input/league.h"
#include "platform/env.h"
#include "rating/season_rating.h"
#include "util/encoding.h"

namespace corvalis {

// Writes bestrose.htm, then corvalis.htm, crvCorvalisTot.js and the details
// script of the latest matchday read, into the source folder.
void WriteRatingPages(Env& env, const League& league, const SeasonRating& rating,
                      TextEncoding encoding);

}  // namespace corvalis

#endif  // CORVALIS_RATING_RATING_PAGES_H_
