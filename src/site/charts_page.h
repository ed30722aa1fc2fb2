// grafici.htm: the charts of the season, drawn in the browser by
// crvUtils.js from the data scripts and from the figures that no data script
// carries (each team's gap on every matchday, the season Top 11), which the
// page holds itself.
#ifndef CORVALIS_SITE_CHARTS_PAGE_H_
#define CORVALIS_SITE_CHARTS_PAGE_H_

#include <string>

#include "platform/env.h"
#include "store/season_store.h"
#include "store/source_files.h"

namespace corvalis {

inline constexpr char kChartsPageName[] = "grafici.htm";

// Where the page finds the other files of the site.
struct ChartsPageLinks {
  std::string script_folder;  // before every script name: "../js/" or ""
  std::string index_page;     // the statistics page: "fanta.php" or "index.html"
};

// The page as the web folder holds it: scripts in ../js/, back to fanta.php.
extern const ChartsPageLinks kWebFolderLinks;

// The whole page. League texts appear only inside script strings, escaped;
// everything else is ASCII, so the page reads alike under any charset.
Lines ChartsPage(const SeasonStore& store, const ChartsPageLinks& links);

// Writes grafici.htm into the source folder.
void WriteChartsPage(Env& env, const SeasonStore& store);

}  // namespace corvalis

#endif  // CORVALIS_SITE_CHARTS_PAGE_H_
