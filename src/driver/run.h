// The run sequence: every stage of a run, in its fixed order.
#ifndef CORVALIS_DRIVER_RUN_H_
#define CORVALIS_DRIVER_RUN_H_

#include "platform/env.h"
#include "store/run_stop.h"
#include "store/season_store.h"

namespace corvalis {

// Start-up values of the store, before conf.txt is read.
void InitialiseStore(Env& env, SeasonStore& store);

// The whole run over `store` (freshly constructed). Throws RunStop when a
// message ends the run early; returns after the completion message.
void RunSeason(Env& env, SeasonStore& store);

// RunSeason with its messages shown: returns the exit status.
ExitStatus RunAndReport(Env& env);

}  // namespace corvalis

#endif  // CORVALIS_DRIVER_RUN_H_
