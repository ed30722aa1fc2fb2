// The run: every stage, in the order the data flows.
#ifndef CORVALIS_DRIVER_RUN_H_
#define CORVALIS_DRIVER_RUN_H_

#include <string>

#include "platform/env.h"
#include "util/run_stop.h"

namespace corvalis {

// What the command line adds to a run.
struct RunOptions {
  std::string preview_folder;  // --preview DIR; empty = no preview
};

// The whole run, with the preview when asked for, up to the completion
// message. Throws RunStop when a message ends the run early.
void RunSeason(Env& env, const RunOptions& options = {});

// RunSeason with its messages shown: returns the exit status.
ExitStatus RunAndReport(Env& env, const RunOptions& options = {});

}  // namespace corvalis

#endif  // CORVALIS_DRIVER_RUN_H_
