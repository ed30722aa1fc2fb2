#include "site/site_index.h"

#include <string>

#include "site/team_page.h"
#include "util/encoding.h"
#include "util/escaping.h"
#include "util/text.h"

namespace corvalis {
namespace {

// The league fragments in page order. The last title repeats the id of the
// fantasfiga title: the site's scripts toggle by layer id, so it is kept.
const IndexLayer kLeagueLayers[] = {
    {"laycorvalisH", "laycorvalis", "Classifica Corvalis", "corvalis.htm"},
    {"laybestrosH", "laybestros", "Migliori Rose", "bestrose.htm"},
    {"laycalenbombeH", "laycalenbombe", "Calendario con marcatori ", "calenbomber.htm"},
    {"laycannonierH", "laycannonier", "Classifica Cannonieri ", "cannonieri.htm"},
    {"layincomediH", "layincomedi", "Classifica incompresi (media) ", "incomedia.htm"},
    {"layincomtoH", "layincomto", "Classifica incompresi (totale) ", "incomtot.htm"},
    {"layuomopartitH", "layuomopartit", "Migliore in Campo", "uomopartita.htm"},
    {"layflop1H", "layflop1", "Flop11 - Giornata ", "flop11.htm"},
    {"layflop11H", "layflop11", "Flop11 - Stagione ", "flop11s.htm"},
    {"laytop1H", "laytop1", "Top11 - Giornata ", "top11.htm"},
    {"laytop11H", "laytop11", "Top11 - Stagione ", "top11s.htm"},
    {"layfantasfigH", "layfantasfig", "Fantasfiga", "fantasfiga.htm"},
    {"layfantasfigH", "layultima", "Ultima Giornata", "ultima.htm"},
};

void AddHead(Lines& page, const std::string& heading) {
  page.push_back("<html><head><script src='../js/crvUtils.js' "
                 "type='text/javascript'></script>");
  page.push_back("<title>Statistiche Corvalis</title><meta name='author' content='kx'>");
  page.push_back("<link href='corvalis.css' rel='stylesheet' type='text/css'>");
  page.push_back("</head><body><h2 class='intest'>" + heading + "</h2>");
}

}  // namespace

const char kSiteIndexFooter[] =
    "<br><center><font class='cpr'>Powered by </font>"
    "<font class='cpr2'>kx</font></center>";

std::vector<IndexPart> SiteIndexParts(const SeasonStore& store) {
  IndexPart league{"Riepilogo dati Corvalis", {}};
  for (const IndexLayer& layer : kLeagueLayers) league.layers.push_back(layer);
  IndexPart teams{"Statistiche di Squadra", {}};
  for (int n = 1; n <= store.num_teams; ++n) {
    std::string id = "sq" + WholeText(n);
    teams.layers.push_back({id + "H", id, HtmlText(store.teamLabel[n]), TeamPageName(n)});
  }
  return {league, teams};
}

std::string LayerTitleLine(const IndexLayer& layer) {
  return "<div id='" + layer.title_id +
         "' class='i-layer' align='left'>&nbsp;<a href='#' "
         "onclick=\"invertiDisplayLayer('" +
         layer.layer_id + "')\"><font class='intest2'>" + layer.caption +
         "</font></a></div>";
}

Lines SiteIndex(const SeasonStore& store) {
  // The charset of the league's texts, which the pages carry as read; it
  // covers the included fragments too.
  Lines page = {std::string("<?php header('Content-Type: text/html; charset=") +
                CharsetName(store.encoding) + "'); ?>"};
  std::vector<IndexPart> parts = SiteIndexParts(store);
  for (size_t p = 0; p < parts.size(); ++p) {
    AddHead(page, parts[p].heading);
    for (const IndexLayer& layer : parts[p].layers) {
      page.push_back(LayerTitleLine(layer));
      page.push_back("<div id='" + layer.layer_id +
                     "' style='display: none;' align='center'><?php include ('" +
                     layer.fragment + "') ?></div>");
    }
    if (p + 1 == parts.size()) page.push_back(kSiteIndexFooter);
    page.push_back("</body></html>");
  }
  return page;
}

void WriteSiteIndex(Env& env, const SeasonStore& store) {
  WriteSourceFile(env, store, "fanta.php", SiteIndex(store));
}

}  // namespace corvalis
