// The program's options. A run needs none: everything comes from conf.txt.
#ifndef CORVALIS_DRIVER_COMMAND_LINE_H_
#define CORVALIS_DRIVER_COMMAND_LINE_H_

#include <string>
#include <vector>

#include "platform/env.h"

namespace corvalis {

extern const char kVersionText[];
extern const char kUsageText[];

struct CommandLine {
  enum Action { kRun, kHelp, kVersion, kBadUsage };
  Action action = kRun;
  EnvOptions env;
  std::string preview_folder;  // --preview DIR
  std::string error;  // for kBadUsage
};

// Parses the arguments after the program name.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

}  // namespace corvalis

#endif  // CORVALIS_DRIVER_COMMAND_LINE_H_
