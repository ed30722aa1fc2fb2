#include "publish/preview.h"

#include <optional>

#include "publish/companion_files.h"
#include "site/charts_page.h"
#include "site/preview_index.h"
#include "site/site_assets.h"
#include "util/run_stop.h"
#include "store/source_files.h"
#include "util/text.h"

namespace corvalis {

void WritePreview(Env& env, const SeasonStore& store, const std::string& folder) {
  Status made = env.CreateFolder(folder);
  if (!made.ok()) {
    throw RunStop("Impossibile creare la cartella " + env.NativePath(folder) + ": " +
                      made.error,
                  kExitPlatform);
  }
  std::string base = folder;
  while (base.size() > 1 && (base.back() == '\\' || base.back() == '/')) base.pop_back();
  base += "\\";

  WriteFileOrStop(env, base + kPreviewIndexName,
                  PreviewIndex(store, [&](const std::string& fragment) {
                    return ReadPageOrStop(env, SourcePath(store, fragment));
                  }));
  WriteFileOrStop(env, base + kStyleSheetName, AssetLines(CorvalisCssText()));
  WriteFileOrStop(env, base + kScriptLibraryName, AssetLines(CrvUtilsJsText()));

  std::string details = "crvCorvalisDati" + WholeText(store.last_matchday_read) + ".js";
  for (const std::string& name : {details, std::string("crvCorvalisTot.js"),
                                  std::string("crvTop11.js")}) {
    CopyOrStop(env, SourcePath(store, name), base + name);
  }
  WriteFileOrStop(env, base + kChartsPageName, ChartsPage(store, {"", kPreviewIndexName}));
}

}  // namespace corvalis
