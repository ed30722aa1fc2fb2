// One run at a time per league. The lock is the source folder's: conf.txt,
// which names that folder, is read first, and nothing is written before
// the lock is held. Then the temporary files an interrupted run left in the
// folders this run writes to are removed.
#ifndef CORVALIS_DRIVER_EXCLUSIVE_RUN_H_
#define CORVALIS_DRIVER_EXCLUSIVE_RUN_H_

#include <string>

#include "platform/env.h"
#include "input/league.h"

namespace corvalis {

// The message of a run that finds another one at work on the league.
std::string BusyLeagueMessage(const std::string& folder);

// Takes the league's lock for the rest of the run and cleans the source,
// web, script and working folders, and `preview_folder` when there is one,
// of stale temporary files. Throws RunStop
// (platform failure, nothing touched) when another run holds the league. A
// folder that cannot be locked at all (missing, or no locks on its file
// system) does not stop the run: it fails later, or runs as before.
void ClaimLeague(Env& env, const League& league, const std::string& preview_folder = "");

}  // namespace corvalis

#endif  // CORVALIS_DRIVER_EXCLUSIVE_RUN_H_
