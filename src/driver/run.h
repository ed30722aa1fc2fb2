// The run sequence: every stage of a run, in its fixed order.
#ifndef CORVALIS_DRIVER_RUN_H_
#define CORVALIS_DRIVER_RUN_H_

#include <string>

#include "platform/env.h"
#include "util/run_stop.h"
#include "store/season_store.h"

namespace corvalis {

// What the command line adds to a run.
struct RunOptions {
  std::string preview_folder;  // --preview DIR; empty = no preview
};

// Start-up values of the store, before conf.txt is read.
void InitialiseStore(Env& env, SeasonStore& store);

// The whole run over `store` (freshly constructed), with the preview when
// asked for, before the completion message. Throws RunStop when a message
// ends the run early; returns after the completion message.
void RunSeason(Env& env, SeasonStore& store, const RunOptions& options = {});

// RunSeason with its messages shown: returns the exit status.
ExitStatus RunAndReport(Env& env, const RunOptions& options = {});

}  // namespace corvalis

#endif  // CORVALIS_DRIVER_RUN_H_
