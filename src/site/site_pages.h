// Every page of the site in one table: its file, its place among the copies
// into the web folder, and its section of fanta.php.
#ifndef CORVALIS_SITE_SITE_PAGES_H_
#define CORVALIS_SITE_SITE_PAGES_H_

#include <string>

namespace corvalis {

// A section of fanta.php: a title that shows or hides the layer holding a
// page.
struct IndexLayer {
  const char* title_id;
  const char* layer_id;
  const char* caption;
};

// The pages, as every stage names them.
inline constexpr char kCoachRatingPage[] = "corvalis.htm";
inline constexpr char kBestSquadsPage[] = "bestrose.htm";
inline constexpr char kCalendarPage[] = "calenbomber.htm";
inline constexpr char kLastMatchdayPage[] = "ultima.htm";
inline constexpr char kTopScorersPage[] = "cannonieri.htm";
inline constexpr char kUnderratedByAveragePage[] = "incomedia.htm";
inline constexpr char kUnderratedByTotalPage[] = "incomtot.htm";
inline constexpr char kManOfTheMatchPage[] = "uomopartita.htm";
inline constexpr char kTop11Page[] = "top11.htm";
inline constexpr char kFlop11Page[] = "flop11.htm";
inline constexpr char kSeasonTop11Page[] = "top11s.htm";
inline constexpr char kSeasonFlop11Page[] = "flop11s.htm";
inline constexpr char kFantasfigaPage[] = "fantasfiga.htm";
inline constexpr char kSiteIndexName[] = "fanta.php";
inline constexpr char kChartsPageName[] = "grafici.htm";
inline constexpr char kTotalsScript[] = "crvCorvalisTot.js";
inline constexpr char kTop11Script[] = "crvTop11.js";

struct SitePage {
  const char* file;
  int web_copy;      // its place among the copies into the web folder
  IndexLayer layer;  // no title_id: not a section of fanta.php
};

// The league pages in the order of their sections in fanta.php, then the
// pages that have no section. The team pages come after the league's pages,
// in fanta.php and in the copies, and the charts page after them. The last
// title repeats the id of the fantasfiga title: the site's scripts toggle by
// layer id, so it is kept.
inline constexpr SitePage kSitePages[] = {
    {kCoachRatingPage, 4, {"laycorvalisH", "laycorvalis", "Classifica Corvalis"}},
    {kBestSquadsPage, 1, {"laybestrosH", "laybestros", "Migliori Rose"}},
    {kCalendarPage, 2, {"laycalenbombeH", "laycalenbombe", "Calendario con marcatori "}},
    {kTopScorersPage, 3, {"laycannonierH", "laycannonier", "Classifica Cannonieri "}},
    {kUnderratedByAveragePage, 6,
     {"layincomediH", "layincomedi", "Classifica incompresi (media) "}},
    {kUnderratedByTotalPage, 7, {"layincomtoH", "layincomto", "Classifica incompresi (totale) "}},
    {kManOfTheMatchPage, 13, {"layuomopartitH", "layuomopartit", "Migliore in Campo"}},
    {kFlop11Page, 10, {"layflop1H", "layflop1", "Flop11 - Giornata "}},
    {kSeasonFlop11Page, 11, {"layflop11H", "layflop11", "Flop11 - Stagione "}},
    {kTop11Page, 8, {"laytop1H", "laytop1", "Top11 - Giornata "}},
    {kSeasonTop11Page, 9, {"laytop11H", "laytop11", "Top11 - Stagione "}},
    {kFantasfigaPage, 5, {"layfantasfigH", "layfantasfig", "Fantasfiga"}},
    {kLastMatchdayPage, 12, {"layfantasfigH", "layultima", "Ultima Giornata"}},
    {kSiteIndexName, 14, {}},
};

// The data scripts that go to the script folder and beside a preview, in
// this order: the latest matchday's details, the season totals, the
// matchday Top 11.
std::string MatchdayScriptName(int g);
inline constexpr const char* kSeasonScripts[] = {kTotalsScript, kTop11Script};

// "sq" + team number (from 1) + ".htm".
std::string TeamPageName(int number);

}  // namespace corvalis

#endif  // CORVALIS_SITE_SITE_PAGES_H_
