// The rating stage: every export read, rated matchday by matchday, and the
// season closed.
#ifndef CORVALIS_RATING_RATE_SEASON_H_
#define CORVALIS_RATING_RATE_SEASON_H_

#include "input/league.h"
#include "input/season_exports.h"
#include "platform/env.h"
#include "rating/season_rating.h"

namespace corvalis {

// Reads the exports in matchday order, each one read, parsed and rated
// before the next file is read: a file's messages come with its matchday,
// and a message that ends the run leaves the later files unread. Throws
// RunStop ("Files Risultati Assenti") when the season has no export.
SeasonRating RateSeason(Env& env, const League& league, SeasonExports& exports);

}  // namespace corvalis

#endif  // CORVALIS_RATING_RATE_SEASON_H_
