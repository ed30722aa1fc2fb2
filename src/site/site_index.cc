#include "site/site_index.h"

#include <string>

#include "site/team_page.h"
#include "store/encoding.h"
#include "store/escaping.h"
#include "store/text.h"

namespace corvalis {
namespace {

struct Layer {
  const char* title_id;
  const char* layer_id;
  const char* caption;
  const char* fragment;
};

// The league fragments in page order. The last title repeats the id of the
// fantasfiga title: the site's scripts toggle by layer id, so it is kept.
const Layer kLeagueLayers[] = {
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

void AddLayer(Lines& page, const std::string& title_id, const std::string& layer_id,
              const std::string& caption, const std::string& fragment) {
  page.push_back("<div id='" + title_id +
                 "' class='i-layer' align='left'>&nbsp;<a href='#' "
                 "onclick=\"invertiDisplayLayer('" +
                 layer_id + "')\"><font class='intest2'>" + caption +
                 "</font></a></div>");
  page.push_back("<div id='" + layer_id +
                 "' style='display: none;' align='center'><?php include ('" + fragment +
                 "') ?></div>");
}

void AddHead(Lines& page, const std::string& heading) {
  page.push_back("<html><head><script src='../js/crvUtils.js' "
                 "type='text/javascript'></script>");
  page.push_back("<title>Statistiche Corvalis</title><meta name='author' content='kx'>");
  page.push_back("<link href='corvalis.css' rel='stylesheet' type='text/css'>");
  page.push_back("</head><body><h2 class='intest'>" + heading + "</h2>");
}

}  // namespace

Lines SiteIndex(const SeasonStore& store) {
  // The charset of the league's texts, which the pages carry as read; it
  // covers the included fragments too.
  Lines page = {std::string("<?php header('Content-Type: text/html; charset=") +
                CharsetName(store.encoding) + "'); ?>"};
  AddHead(page, "Riepilogo dati Corvalis");
  for (const Layer& layer : kLeagueLayers) {
    AddLayer(page, layer.title_id, layer.layer_id, layer.caption, layer.fragment);
  }
  page.push_back("</body></html>");

  AddHead(page, "Statistiche di Squadra");
  for (int n = 1; n <= store.num_teams; ++n) {
    std::string id = "sq" + WholeText(n);
    AddLayer(page, id + "H", id, HtmlText(store.teamLabel[n]), TeamPageName(n));
  }
  page.push_back("<br><center><font class='cpr'>Powered by </font>"
                 "<font class='cpr2'>kx</font></center>");
  page.push_back("</body></html>");
  return page;
}

void WriteSiteIndex(Env& env, const SeasonStore& store) {
  WriteSourceFile(env, store, "fanta.php", SiteIndex(store));
}

}  // namespace corvalis
