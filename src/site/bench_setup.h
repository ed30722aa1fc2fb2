// Panchine.txt: the bench settings of each team, shown on the team pages.
#ifndef CORVALIS_SITE_BENCH_SETUP_H_
#define CORVALIS_SITE_BENCH_SETUP_H_

#include "platform/env.h"
#include "store/season_store.h"

namespace corvalis {

// Reads the first NumTeams lines of Panchine.txt from the source folder into
// benchSetup (team name, flexible bench, fixed bench, man marking). Returns
// false, leaving benchSetup empty, when the league keeps no such file.
bool ReadBenchSetup(Env& env, SeasonStore& store);

}  // namespace corvalis

#endif  // CORVALIS_SITE_BENCH_SETUP_H_
