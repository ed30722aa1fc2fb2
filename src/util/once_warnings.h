// Warnings about limits of the data, shown once per stage however often the
// same limit is met (each is a message box the administrator must close).
#ifndef CORVALIS_UTIL_ONCE_WARNINGS_H_
#define CORVALIS_UTIL_ONCE_WARNINGS_H_

#include <string>
#include <vector>

#include "platform/env.h"

namespace corvalis {

class OnceWarnings {
 public:
  // Shows `text` unless a warning with the same `key` was shown before.
  void Warn(Env& env, const std::string& text, const std::string& key) {
    if (First(key)) env.ShowMessage(text, MessageKind::kWarning);
  }

  // True the first time it is asked about `key`.
  bool First(const std::string& key) {
    for (const std::string& shown : keys_) {
      if (shown == key) return false;
    }
    keys_.push_back(key);
    return true;
  }

 private:
  std::vector<std::string> keys_;
};

}  // namespace corvalis

#endif  // CORVALIS_UTIL_ONCE_WARNINGS_H_
