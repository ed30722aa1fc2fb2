// Entry point: options, then one run with its messages.
#include <string>
#include <vector>

#include "driver/command_line.h"
#include "driver/run.h"

int main(int argc, char** argv) {
  using namespace corvalis;
  std::vector<std::string> args(argv + 1, argv + argc);
  CommandLine command = ParseCommandLine(args);
  auto env = NewPlatformEnv(command.env);
  switch (command.action) {
    case CommandLine::kHelp:
      env->ShowMessage(kUsageText, MessageKind::kCompletion);
      return kExitDone;
    case CommandLine::kVersion:
      env->ShowMessage(kVersionText, MessageKind::kCompletion);
      return kExitDone;
    case CommandLine::kBadUsage:
      env->ShowMessage(command.error + "\n" + kUsageText, MessageKind::kError);
      return kExitPlatform;
    case CommandLine::kRun:
      break;
  }
  return RunAndReport(*env, {command.preview_folder});
}
