// The rating stage: every export rated, matchday by matchday, and the
// season closed.
#ifndef CORVALIS_RATING_RATE_SEASON_H_
#define CORVALIS_RATING_RATE_SEASON_H_

#include "input/league.h"
#include "input/results_export.h"
#include "platform/env.h"
#include "rating/rating_reading.h"
#include "rating/season_rating.h"

namespace corvalis {

class SeasonRater {
 public:
  explicit SeasonRater(const League& league);

  // Rates the export of the next matchday with one: the exports come in
  // matchday order, each read and rated before the next file is read, so a
  // file's messages come with its matchday and a message that ends the run
  // (RunStop) leaves the later files unread.
  void Rate(Env& env, const MatchdayExport& day);

  // The season rated. Throws RunStop ("Files Risultati Assenti") when no
  // export was rated.
  SeasonRating Close();

 private:
  const League& league_;
  RatingReadingState state_;
  bool any_ = false;
};

}  // namespace corvalis

#endif  // CORVALIS_RATING_RATE_SEASON_H_
