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

void ClaimLeague(Env& env, const League& league, const std::string& preview_folder) {
  if (env.LockFolder(league.source_dir) == FolderLock::kBusy) {
    throw RunStop(BusyLeagueMessage(ShownFolder(env, league.source_dir)), kExitPlatform);
  }
  env.RemoveStaleTemporaryFiles(league.source_dir);
  if (!league.output_dir.empty()) env.RemoveStaleTemporaryFiles(league.output_dir);
  if (!league.js_dir.empty()) env.RemoveStaleTemporaryFiles(league.js_dir);
  env.RemoveStaleTemporaryFiles("");  // the working folder: the archive copy
  if (!preview_folder.empty()) env.RemoveStaleTemporaryFiles(preview_folder);
}

}  // namespace corvalis
