#include "publish/publishing.h"

#include <optional>
#include <string>

#include "publish/companion_files.h"
#include "publish/history_scripts.h"
#include "site/charts_page.h"
#include "site/site_assets.h"
#include "site/team_page.h"
#include "store/source_files.h"
#include "util/text.h"

namespace corvalis {

const char kCompletionMessage[] = "Corvalis 17.1   - Eseguito";

namespace {

// The pages of the web folder, in the order they are copied; the team
// pages and then the charts page follow.
const char* const kWebPages[] = {
    "bestrose.htm", "calenbomber.htm", "cannonieri.htm", "corvalis.htm",
    "fantasfiga.htm", "incomedia.htm", "incomtot.htm", "top11.htm",
    "top11s.htm", "flop11.htm", "flop11s.htm", "ultima.htm",
    "uomopartita.htm", "fanta.php",
};

}  // namespace

// Each tool is started from where it was found, not looked up by name
// again: another copy on the system's search path must not run instead.
void StartCompanionTools(Env& env, const SeasonStore& store) {
  if (std::optional<std::string> tool = env.FindFirst("estremi.exe")) {
    StartCompanion(env, ".\\" + *tool);
  }
  std::string folder = store.program_folder + "\\";
  if (std::optional<std::string> tool = env.FindFirst(folder + "Listino.exe")) {
    StartCompanion(env, folder + *tool);
  }
}

void CopyPagesToWebFolder(Env& env, const SeasonStore& store) {
  if (store.output_dir.empty()) return;
  auto copy = [&](const std::string& name) {
    CopyOrStop(env, SourcePath(store, name), store.output_dir + name);
  };
  for (const char* name : kWebPages) copy(name);
  for (int t = 1; t <= store.num_teams; ++t) copy(TeamPageName(t));
  copy(kChartsPageName);
}

void ArchiveLastMatchday(Env& env, const SeasonStore& store) {
  CopyOrStop(env, SourcePath(store, "ultima.htm"),
             "ultima" + NumberText(store.last_matchday_read) + ".htm");
}

void CopyScriptsToJsFolder(Env& env, const SeasonStore& store) {
  if (store.js_dir.empty()) return;
  bool found = false;
  for (int g = kMatchdays; g >= 1 && !found; --g) {
    std::string name = "crvCorvalisDati" + WholeText(g) + ".js";
    if (std::optional<std::string> script = FindInSource(env, store, name)) {
      CopyOrStop(env, SourcePath(store, *script), store.js_dir + name);
      found = true;
    }
  }
  if (!found) {
    env.ShowMessage("Problema con i path per crvCorvalisDati", MessageKind::kWarning);
    env.ShowMessage(" - ", MessageKind::kWarning);
  }
  for (const char* name : {"crvCorvalisTot.js", "crvTop11.js"}) {
    CopyOrStop(env, SourcePath(store, name), store.js_dir + "\\" + name);
  }
}

namespace {

void InstallWhenMissing(Env& env, const std::string& folder, const char* name,
                        std::string_view text) {
  if (folder.empty() || env.FindFirst(folder + name)) return;
  WriteFileOrStop(env, folder + name, AssetLines(text));
}

}  // namespace

void InstallSiteAssets(Env& env, const SeasonStore& store) {
  InstallWhenMissing(env, store.output_dir, kStyleSheetName, CorvalisCssText());
  InstallWhenMissing(env, store.js_dir, kScriptLibraryName, CrvUtilsJsText());
}

void PublishSite(Env& env, const SeasonStore& store) {
  StartCompanionTools(env, store);
  CopyPagesToWebFolder(env, store);
  ArchiveLastMatchday(env, store);
  CopyScriptsToJsFolder(env, store);
  InstallSiteAssets(env, store);
  PublishHistoryScripts(env, store);
}

void Publish(Env& env, const SeasonStore& store) {
  PublishSite(env, store);
  env.ShowMessage(kCompletionMessage, MessageKind::kCompletion);
}

}  // namespace corvalis
