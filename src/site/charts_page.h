// grafici.htm: the charts of the season, drawn in the browser by
// crvUtils.js from the data scripts and from the figures that no data script
// carries (each team's gap on every matchday, the season Top 11), which the
// page holds itself.
#ifndef CORVALIS_SITE_CHARTS_PAGE_H_
#define CORVALIS_SITE_CHARTS_PAGE_H_

#include <string>

#include "input/league.h"
#include "platform/env.h"
#include "rankings/eleven_pages.h"
#include "rating/season_rating.h"
#include "util/encoding.h"
#include "util/page.h"

namespace corvalis {

// What the page shows.
struct ChartsData {
  const League& league;
  const SeasonRating& rating;
  const SeasonEleven& season_eleven;
  TextEncoding encoding;
};

// Where the page finds the other files of the site.
struct ChartsPageLinks {
  std::string script_folder;  // before every script name: "../js/" or ""
  std::string index_page;     // the statistics page: "fanta.php" or "index.html"
};

// The whole page. League texts appear only inside script strings, escaped;
// everything else is ASCII, so the page reads alike under any charset.
void AddChartsPage(const ChartsData& data, const ChartsPageLinks& links, Page& page);

// Writes grafici.htm, as the web folder holds it (scripts in ../js/, back to
// fanta.php), into the source folder.
void WriteChartsPage(Env& env, const ChartsData& data);

}  // namespace corvalis

#endif  // CORVALIS_SITE_CHARTS_PAGE_H_
