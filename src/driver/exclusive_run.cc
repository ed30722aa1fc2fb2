#include "driver/exclusive_run.h"

#include "util/run_stop.h"

namespace corvalis {
namespace {

// A folder as messages name it: without the separator conf.txt leaves.
std::string ShownFolder(Env& env, const std::string& folder) {
  std::string shown = env.NativePath(folder);
  while (shown.size() > 1 && (shown.back() == '\\' || shown.back() == '/')) shown.pop_back();
  return shown;
}

}  // namespace

std::string BusyLeagueMessage(const std::string& folder) {
  return "Corvalis e' gia' in esecuzione sulla lega della cartella " + folder +
         ": questa esecuzione termina senza modificare alcun file (riprovare quando "
         "l'altra sara' finita)";
}

void ClaimLeague(Env& env, const SeasonStore& store, const std::string& preview_folder) {
  if (env.LockFolder(store.source_dir) == FolderLock::kBusy) {
    throw RunStop(BusyLeagueMessage(ShownFolder(env, store.source_dir)), kExitPlatform);
  }
  env.RemoveStaleTemporaryFiles(store.source_dir);
  if (!store.output_dir.empty()) env.RemoveStaleTemporaryFiles(store.output_dir);
  if (!store.js_dir.empty()) env.RemoveStaleTemporaryFiles(store.js_dir);
  env.RemoveStaleTemporaryFiles("");  // the working folder: the archive copy
  if (!preview_folder.empty()) env.RemoveStaleTemporaryFiles(preview_folder);
}

}  // namespace corvalis
