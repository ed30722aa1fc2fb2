// The last stage of a run: companion tools, the copies to the web and
// script folders, and the completion message.
#ifndef CORVALIS_PUBLISH_PUBLISHING_H_
#define CORVALIS_PUBLISH_PUBLISHING_H_

#include "platform/env.h"
#include "store/season_store.h"

namespace corvalis {

extern const char kCompletionMessage[];

// Starts estremi.exe (working folder) and Listino.exe (program folder) when
// they are there.
void StartCompanionTools(Env& env, const SeasonStore& store);

// Copies every page, fanta.php, the team pages and grafici.htm into
// OutputDir, when one is set.
void CopyPagesToWebFolder(Env& env, const SeasonStore& store);

// Keeps "ultima <N>.htm" in the working folder: the last-matchday page of
// matchday N, which the next matchday's run replaces in ultima.htm.
void ArchiveLastMatchday(Env& env, const SeasonStore& store);

// Copies the newest coach-rating data script and the two season scripts
// into JsDir, when one is set.
void CopyScriptsToJsFolder(Env& env, const SeasonStore& store);

// Puts the shipped corvalis.css into OutputDir and crvUtils.js into JsDir
// when the folder is set and has no file of that name: a league's own style
// sheet or script library is never replaced.
void InstallSiteAssets(Env& env, const SeasonStore& store);

// All of the above and the history tool.
void PublishSite(Env& env, const SeasonStore& store);

// PublishSite, then the completion message.
void Publish(Env& env, const SeasonStore& store);

}  // namespace corvalis

#endif  // CORVALIS_PUBLISH_PUBLISHING_H_
