// The rating stage: every export rated, matchday by matchday, and the
// season closed.
#ifndef CORVALIS_RATING_RATE_SEASON_H_
#define CORVALIS_RATING_RATE_SEASON_H_

#include "input/league.h"
#include "input/results_export.h"
#include "input/season_exports.h"
#include "platform/env.h"
#include "rating/rating_reading.h"
#include "rating/season_rating.h"

namespace corvalis {

class SeasonRater {
 public:
  explicit SeasonRater(const League& league);

  // Rates the export of the next matchday with one (in matchday order):
  // shows the reading's warnings, throws RunStop for those that end the run.
  void Rate(Env& env, const MatchdayExport& day);

  // The season rated. Throws RunStop ("Files Risultati Assenti") when no
  // export was rated.
  SeasonRating Close();

 private:
  const League& league_;
  RatingReadingState state_;
  bool any_ = false;
};

// Reads and rates the exports in matchday order, each one read, parsed and
// rated before the next file is read: a file's messages come with its
// matchday, and a message that ends the run leaves the later files unread.
SeasonRating RateSeason(Env& env, const League& league, SeasonExports& exports);

}  // namespace corvalis

#endif  // CORVALIS_RATING_RATE_SEASON_H_
