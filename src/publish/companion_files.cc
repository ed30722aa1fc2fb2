#include "publish/companion_files.h"

#include "util/run_stop.h"

namespace corvalis {

void CopyOrStop(Env& env, const std::string& from, const std::string& to) {
  Status status = env.CopyFileOver(from, to);
  if (!status.ok()) {
    throw RunStop("Impossibile copiare il file " + env.NativePath(from) + " in " +
                      env.NativePath(to) + ": " + status.error,
                  kExitPlatform);
  }
}

void StartCompanion(Env& env, const std::string& path) {
  Status status = env.StartProgram(path);
  if (!status.ok()) {
    env.ShowMessage("Impossibile avviare il programma " + env.NativePath(path) + ": " +
                        status.error + " (la generazione delle statistiche prosegue)",
                    MessageKind::kWarning);
  }
}

}  // namespace corvalis
