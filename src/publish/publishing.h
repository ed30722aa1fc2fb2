// The last stage of a run: companion tools and the copies to the web and
// script folders.
#ifndef CORVALIS_PUBLISH_PUBLISHING_H_
#define CORVALIS_PUBLISH_PUBLISHING_H_

#include "input/league.h"
#include "platform/env.h"

namespace corvalis {

extern const char kCompletionMessage[];

// Starts estremi.exe (working folder) and Listino.exe (program folder) when
// they are there.
void StartCompanionTools(Env& env, const League& league);

// Copies every page, fanta.php, the team pages and grafici.htm into the web
// folder, when one is set.
void CopyPagesToWebFolder(Env& env, const League& league);

// Keeps "ultima <N>.htm" in the working folder: the last-matchday page of
// matchday N, which the next matchday's run replaces in ultima.htm.
void ArchiveLastMatchday(Env& env, const League& league, int last_matchday);

// Copies the newest coach-rating data script and the two season scripts
// into the script folder, when one is set.
void CopyScriptsToJsFolder(Env& env, const League& league);

// Puts the shipped corvalis.css into the web folder and crvUtils.js into the
// script folder when the folder is set and has no file of that name: a
// league's own style sheet or script library is never replaced.
void InstallSiteAssets(Env& env, const League& league);

// All of the above and the history tool.
void PublishSite(Env& env, const League& league, int last_matchday);

}  // namespace corvalis

#endif  // CORVALIS_PUBLISH_PUBLISHING_H_
