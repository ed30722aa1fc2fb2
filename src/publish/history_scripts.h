// The history tool Annali.exe and the scripts it leaves for the web site.
#ifndef CORVALIS_PUBLISH_HISTORY_SCRIPTS_H_
#define CORVALIS_PUBLISH_HISTORY_SCRIPTS_H_

#include "platform/env.h"
#include "input/league.h"

namespace corvalis {

// When Annali.exe lies in the source folder: starts it and, without waiting
// for it, copies the history scripts found at that moment (usually those of
// its previous run) into the web folder. The per-team scripts are numbered
// from 1; the first number with neither a team script nor a ranking script
// ends the list.
void PublishHistoryScripts(Env& env, const League& league);

}  // namespace corvalis

#endif  // CORVALIS_PUBLISH_HISTORY_SCRIPTS_H_
