// Warnings about limits of the data, shown once per run however often the
// same limit is met (each is a message box the administrator must close).
#ifndef CORVALIS_STORE_WARNINGS_H_
#define CORVALIS_STORE_WARNINGS_H_

#include <string>

#include "platform/env.h"
#include "store/season_store.h"

namespace corvalis {

// Shows `text` unless a warning with the same `key` was shown before.
inline void WarnOnce(Env& env, SeasonStore& store, const std::string& text,
                     const std::string& key) {
  if (store.shown_warnings.insert(key).second) {
    env.ShowMessage(text, MessageKind::kWarning);
  }
}

}  // namespace corvalis

#endif  // CORVALIS_STORE_WARNINGS_H_
