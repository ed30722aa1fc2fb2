// The two platform operations of publishing, with the run's own reaction
// to their failures.
#ifndef CORVALIS_PUBLISH_COMPANION_FILES_H_
#define CORVALIS_PUBLISH_COMPANION_FILES_H_

#include <string>

#include "platform/env.h"

namespace corvalis {

// Copies `from` over `to`. A copy that fails (missing folder, file in use)
// ends the run with a message naming both files: the web folder would
// otherwise hold a mix of old and new pages without anyone knowing.
void CopyOrStop(Env& env, const std::string& from, const std::string& to);

// Starts a companion tool without waiting for it. A tool that cannot be
// started is only a warning: the pages are ours, the tool is not.
void StartCompanion(Env& env, const std::string& path);

}  // namespace corvalis

#endif  // CORVALIS_PUBLISH_COMPANION_FILES_H_
