// The team pages sq<N>.htm: modules fielded, bench settings, fantasy
// scorers and appearances of one team.
#ifndef CORVALIS_SITE_TEAM_PAGE_H_
#define CORVALIS_SITE_TEAM_PAGE_H_

#include <vector>

#include "input/bench_settings.h"
#include "input/league.h"
#include "rankings/tally_pages.h"
#include "platform/env.h"
#include "rating/season_rating.h"
#include "util/encoding.h"
#include "util/page.h"

namespace corvalis {

// How often team t fielded each module: per module the matchdays whose
// defenders, midfielders and forwards equal the module's, and their total.
// The counts are the rating's, paired with the team through its name (of
// two teams with one name, the last one that fielded a player).
struct ModuleUse {
  std::vector<int> matchdays;  // per module
  int total = 0;
};
ModuleUse CountModuleUse(const League& league, const SeasonRating& rating, int t);

// The share of module m as the page prints it: cut (not rounded) to one
// decimal, 2 of 3 gives 66.6.
double ModuleShare(const ModuleUse& use, int m);

// Writes the page of every team into the source folder: `scorers` ranked,
// with short names; the bench section only when the league keeps
// Panchine.txt.
void WriteTeamPages(Env& env, const League& league, const SeasonRating& rating,
                    const std::vector<ShownScorer>& scorers, const BenchSettings& bench,
                    TextEncoding encoding);

}  // namespace corvalis

#endif  // CORVALIS_SITE_TEAM_PAGE_H_
