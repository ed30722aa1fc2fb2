#include "rating/rating_pages.h"

#include "rating/best_squads_page.h"
#include "rating/coach_rating_page.h"
#include "store/source_files.h"

namespace corvalis {

void WriteRatingPages(Env& env, SeasonStore& store) {
  ComputeBestAverages(store);
  WriteSourceFile(env, store, "bestrose.htm", BestSquadsPage(store));
  CoachRatingFiles files = BuildCoachRating(store);
  WriteSourceFile(env, store, "corvalis.htm", files.page);
  WriteSourceFile(env, store, "crvCorvalisTot.js", files.totals_script);
  WriteSourceFile(env, store, MatchdayScriptName(store.last_matchday_read),
                  files.matchday_script);
}

}  // namespace corvalis
