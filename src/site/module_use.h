// How often each team fielded each module of conf.txt.
#ifndef CORVALIS_SITE_MODULE_USE_H_
#define CORVALIS_SITE_MODULE_USE_H_

#include "store/season_store.h"

namespace corvalis {

// Fills teamModuleUse for teams 1..NumTeams (conf.txt order): column m
// counts the matchdays on which the team fielded exactly the defenders,
// midfielders and forwards of module m, column 0 all of them together.
void CountModuleUse(SeasonStore& store);

// The share of module m in the team's module use, as the team page prints
// it: cut (not rounded) to one decimal, 2 of 3 gives 66.6.
double ModuleShare(const SeasonStore& store, int t, int m);

}  // namespace corvalis

#endif  // CORVALIS_SITE_MODULE_USE_H_
