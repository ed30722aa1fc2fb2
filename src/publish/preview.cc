#include "publish/preview.h"

#include "publish/companion_files.h"
#include "site/site_assets.h"
#include "site/site_index.h"
#include "site/site_pages.h"
#include "util/page.h"
#include "util/run_stop.h"

namespace corvalis {

void WritePreview(Env& env, const ChartsData& site, const std::string& folder) {
  const League& league = site.league;
  Status made = env.CreateFolder(folder);
  if (!made.ok()) {
    throw RunStop("Impossibile creare la cartella " + env.NativePath(folder) + ": " +
                      made.error,
                  kExitPlatform);
  }
  std::string base = folder;
  while (base.size() > 1 && (base.back() == '\\' || base.back() == '/')) base.pop_back();
  base += "\\";

  // Each fragment as read back, line by line, like any page of the run.
  WritePage(env, base + kPreviewIndexName, [&](Page& index) {
    AddPreviewIndex(league, site.encoding, [&](const std::string& fragment) {
      std::string path = league.SourcePath(fragment);
      TextLines lines;
      Status read = env.ReadLines(path, &lines);
      if (!read.ok()) {
        throw RunStop("Impossibile leggere il file " + env.NativePath(path) + ": " + read.error,
                      kExitPlatform);
      }
      for (std::string_view line : lines) index.Line(line);
    }, index);
  });
  WriteFileOrStop(env, base + kStyleSheetName, AssetFile(CorvalisCssText()));
  WriteFileOrStop(env, base + kScriptLibraryName, AssetFile(CrvUtilsJsText()));

  std::string details = MatchdayScriptName(site.rating.last_matchday);
  for (const std::string& name : {details, std::string(kTotalsScript), std::string(kTop11Script)}) {
    CopyOrStop(env, league.SourcePath(name), base + name);
  }
  WritePage(env, base + kChartsPageName,
            [&](Page& charts) { AddChartsPage(site, {"", kPreviewIndexName}, charts); });
}

}  // namespace corvalis
