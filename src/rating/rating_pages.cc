#include "rating/rating_pages.h"

#include "rating/best_squads_page.h"
#include "rating/coach_rating_page.h"
#include "site/site_pages.h"

namespace corvalis {

void WriteRatingPages(Env& env, const League& league, const SeasonRating& rating,
                      TextEncoding encoding) {
  WritePage(env, league.SourcePath(kBestSquadsPage),
            [&](Page& page) { AddBestSquadsPage(league, rating, page); });
  // The scripts are made with the page and written after it.
  Page totals_script;
  Page matchday_script;
  WritePage(env, league.SourcePath(kCoachRatingPage), [&](Page& page) {
    CoachRatingFiles files{page, {}, {}};
    BuildCoachRating(league, rating, encoding, files);
    totals_script = std::move(files.totals_script);
    matchday_script = std::move(files.matchday_script);
  });
  WriteFileOrStop(env, league.SourcePath(kTotalsScript), totals_script.text());
  WriteFileOrStop(env, league.SourcePath(MatchdayScriptName(rating.last_matchday)),
                  matchday_script.text());
}

}  // namespace corvalis
