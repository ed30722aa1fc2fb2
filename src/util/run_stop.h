// Ending a run early: a stage throws RunStop with the text to show; the
// program's entry point shows it and exits with the status.
#ifndef CORVALIS_UTIL_RUN_STOP_H_
#define CORVALIS_UTIL_RUN_STOP_H_

#include <stdexcept>
#include <string>

namespace corvalis {

enum ExitStatus {
  kExitDone = 0,          // completion message shown
  kExitInputMessage = 1,  // a message about the league's files ended the run
  kExitPlatform = 2,      // a file could not be read, written or copied
};

class RunStop : public std::runtime_error {
 public:
  RunStop(const std::string& message, ExitStatus status)
      : std::runtime_error(message), status_(status) {}
  ExitStatus status() const { return status_; }

 private:
  ExitStatus status_;
};

}  // namespace corvalis

#endif  // CORVALIS_UTIL_RUN_STOP_H_
