#include "rating/rating_pages.h"

#include "rating/best_squads_page.h"
#include "rating/coach_rating_page.h"
#include "site/site_pages.h"

namespace corvalis {

void WriteRatingPages(Env& env, const League& league, const SeasonRating& rating,
                      TextEncoding encoding) {
  Page best_squads;
  AddBestSquadsPage(league, rating, best_squads);
  WriteFileOrStop(env, league.SourcePath(kBestSquadsPage), best_squads.text());
  CoachRatingFiles files;
  BuildCoachRating(league, rating, encoding, files);
  WriteFileOrStop(env, league.SourcePath(kCoachRatingPage), files.page.text());
  WriteFileOrStop(env, league.SourcePath(kTotalsScript), files.totals_script.text());
  WriteFileOrStop(env, league.SourcePath(MatchdayScriptName(rating.last_matchday)),
                  files.matchday_script.text());
}

}  // namespace corvalis
