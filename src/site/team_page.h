// The team pages sq<N>.htm: modules fielded, bench settings, fantasy
// scorers and appearances of one team.
#ifndef CORVALIS_SITE_TEAM_PAGE_H_
#define CORVALIS_SITE_TEAM_PAGE_H_

#include <string>

#include "platform/env.h"
#include "store/season_store.h"
#include "store/source_files.h"

namespace corvalis {

// "sq" + team number + ".htm".
std::string TeamPageName(int t);

// The page of team t (conf.txt order). teamModuleUse must be counted; the
// bench section is there only when the league keeps Panchine.txt.
Lines TeamPage(const SeasonStore& store, int t, bool with_bench);

// The stage: reads Panchine.txt, counts the module use and writes the page
// of every team into the source folder.
void WriteTeamPages(Env& env, SeasonStore& store);

}  // namespace corvalis

#endif  // CORVALIS_SITE_TEAM_PAGE_H_
