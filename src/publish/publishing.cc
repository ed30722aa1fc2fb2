#include "publish/publishing.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "publish/companion_files.h"
#include "publish/history_scripts.h"
#include "site/site_assets.h"
#include "site/site_pages.h"
#include "util/page.h"
#include "util/text.h"

namespace corvalis {

const char kCompletionMessage[] = "Corvalis 17.1   - Eseguito";

// Each tool is started from where it was found, not looked up by name
// again: another copy on the system's search path must not run instead.
void StartCompanionTools(Env& env, const League& league) {
  if (std::optional<std::string> tool = env.FindFirst("estremi.exe")) {
    StartCompanion(env, ".\\" + *tool);
  }
  std::string folder = league.program_folder + "\\";
  if (std::optional<std::string> tool = env.FindFirst(folder + "Listino.exe")) {
    StartCompanion(env, folder + *tool);
  }
}

void CopyPagesToWebFolder(Env& env, const League& league) {
  if (league.output_dir.empty()) return;
  auto copy = [&](const std::string& name) {
    CopyOrStop(env, league.SourcePath(name), league.output_dir + name);
  };
  std::vector<const SitePage*> pages;
  for (const SitePage& page : kSitePages) pages.push_back(&page);
  std::sort(pages.begin(), pages.end(),
            [](const SitePage* a, const SitePage* b) { return a->web_copy < b->web_copy; });
  for (const SitePage* page : pages) copy(page->file);
  for (int t = 1; t <= league.num_teams(); ++t) copy(TeamPageName(t));
  copy(kChartsPageName);
}

void ArchiveLastMatchday(Env& env, const League& league, int last_matchday) {
  CopyOrStop(env, league.SourcePath(kLastMatchdayPage),
             "ultima" + NumberText(last_matchday) + ".htm");
}

void CopyScriptsToJsFolder(Env& env, const League& league) {
  if (league.js_dir.empty()) return;
  bool found = false;
  for (int g = kMatchdays; g >= 1 && !found; --g) {
    std::string name = MatchdayScriptName(g);
    if (std::optional<std::string> script = env.FindFirst(league.SourcePath(name))) {
      CopyOrStop(env, league.SourcePath(*script), league.js_dir + name);
      found = true;
    }
  }
  if (!found) {
    env.ShowMessage("Problema con i path per crvCorvalisDati", MessageKind::kWarning);
    env.ShowMessage(" - ", MessageKind::kWarning);
  }
  for (const char* name : kSeasonScripts) {
    CopyOrStop(env, league.SourcePath(name), league.js_dir + "\\" + name);
  }
}

namespace {

void InstallWhenMissing(Env& env, const std::string& folder, const char* name,
                        std::string_view text) {
  if (folder.empty() || env.FindFirst(folder + name)) return;
  WriteFileOrStop(env, folder + name, AssetFile(text));
}

}  // namespace

void InstallSiteAssets(Env& env, const League& league) {
  InstallWhenMissing(env, league.output_dir, kStyleSheetName, CorvalisCssText());
  InstallWhenMissing(env, league.js_dir, kScriptLibraryName, CrvUtilsJsText());
}

void PublishSite(Env& env, const League& league, int last_matchday) {
  StartCompanionTools(env, league);
  CopyPagesToWebFolder(env, league);
  ArchiveLastMatchday(env, league, last_matchday);
  CopyScriptsToJsFolder(env, league);
  InstallSiteAssets(env, league);
  PublishHistoryScripts(env, league);
}

}  // namespace corvalis
