#include "site/site_index.h"

#include <vector>

#include "site/site_pages.h"
#include "util/escaping.h"
#include "util/text.h"

namespace corvalis {
namespace {

const char kFooter[] =
    "<br><center><font class='cpr'>Powered by </font><font class='cpr2'>kx</font></center>";

// A section as both pages write it; the caption as written (a team's name
// escaped, the program's own captions as they are).
struct Layer {
  std::string title_id;
  std::string layer_id;
  std::string caption;
  std::string fragment;
};

struct Part {
  const char* heading;
  std::vector<Layer> layers;
};

std::vector<Part> Parts(const League& league) {
  Part pages{"Riepilogo dati Corvalis", {}};
  for (const SitePage& page : kSitePages) {
    if (page.layer.title_id == nullptr) continue;
    pages.layers.push_back(
        {page.layer.title_id, page.layer.layer_id, page.layer.caption, page.file});
  }
  Part teams{"Statistiche di Squadra", {}};
  for (int t = 0; t < league.num_teams(); ++t) {
    std::string id = "sq" + WholeText(t + 1);
    teams.layers.push_back({id + "H", id, HtmlText(league.teams[t]), TeamPageName(t + 1)});
  }
  return {pages, teams};
}

void AddTitleLine(const Layer& layer, Page& page) {
  page.Line("<div id='", layer.title_id,
            "' class='i-layer' align='left'>&nbsp;<a href='#' onclick=\"invertiDisplayLayer('",
            layer.layer_id, "')\"><font class='intest2'>", layer.caption, "</font></a></div>");
}

}  // namespace

void AddSiteIndex(const League& league, TextEncoding encoding, Page& page) {
  // The charset of the league's texts, which the pages carry as read; it
  // covers the included fragments too.
  page.Line("<?php header('Content-Type: text/html; charset=", CharsetName(encoding), "'); ?>");
  std::vector<Part> parts = Parts(league);
  for (size_t p = 0; p < parts.size(); ++p) {
    page.Line("<html><head><script src='../js/crvUtils.js' type='text/javascript'></script>");
    page.Line("<title>Statistiche Corvalis</title><meta name='author' content='kx'>");
    page.Line("<link href='corvalis.css' rel='stylesheet' type='text/css'>");
    page.Line("</head><body><h2 class='intest'>", parts[p].heading, "</h2>");
    for (const Layer& layer : parts[p].layers) {
      AddTitleLine(layer, page);
      page.Line("<div id='", layer.layer_id, "' style='display: none;' align='center'>",
                "<?php include ('", layer.fragment, "') ?></div>");
    }
    if (p + 1 == parts.size()) page.Line(kFooter);
    page.Line("</body></html>");
  }
}

void AddPreviewIndex(const League& league, TextEncoding encoding,
                     const std::function<void(const std::string& fragment)>& add_fragment,
                     Page& page) {
  page.Line("<html><head><meta charset=\"", CharsetName(encoding), "\">");
  page.Line("<script src='crvUtils.js' type='text/javascript'></script>");
  page.Line("<title>Statistiche Corvalis</title><meta name='author' content='kx'>");
  page.Line("<link href='corvalis.css' rel='stylesheet' type='text/css'>");
  page.Line("</head><body>");
  for (const Part& part : Parts(league)) {
    page.Line("<h2 class='intest'>", part.heading, "</h2>");
    for (const Layer& layer : part.layers) {
      AddTitleLine(layer, page);
      page.Line("<div id='", layer.layer_id, "' style='display: none;' align='center'>");
      add_fragment(layer.fragment);
      page.Line("</div>");
    }
  }
  page.Line(kFooter);
  page.Line("</body></html>");
}

void WriteSiteIndex(Env& env, const League& league, TextEncoding encoding) {
  WritePage(env, league.SourcePath(kSiteIndexName),
            [&](Page& page) { AddSiteIndex(league, encoding, page); });
}

}  // namespace corvalis
