// What the rating counts in a results export: each team's lineup and score
// of the matchday, the roles it fielded, its valid votes, and over the
// season its scores, positive bonuses, roster and the bench votes.
#ifndef CORVALIS_RATING_RATING_READING_H_
#define CORVALIS_RATING_RATING_READING_H_

#include <span>
#include <vector>

#include "input/league.h"
#include "input/results_export.h"
#include "platform/env.h"
#include "rating/season_aggregation.h"
#include "rating/season_rating.h"
#include "util/once_warnings.h"

namespace corvalis {

// The season so far as the reading adds to it. `teams` has one row more than
// the league: a team met twice in one export has its second block read into
// that row, which no page reads.
struct RatingReadingState {
  SeasonRating rating;
  OnceWarnings warned;
  // The plays of the export being read, the extra row's last. Their room
  // (some kilobytes of lineup each) is kept from one export to the next:
  // made anew for each, it would touch fresh memory pages every time.
  std::vector<MatchdayPlay> plays;
};

// Reads `day` into `state` and returns the plays of its teams (conf.txt
// order, without the extra row), valid until the next export is read. Shows
// the reader's warnings as it meets them; throws RunStop for the messages
// that end the run.
std::span<const MatchdayPlay> ReadForRating(Env& env, const League& league,
                                            const MatchdayExport& day,
                                            RatingReadingState& state);

}  // namespace corvalis

#endif  // CORVALIS_RATING_RATING_READING_H_
