#include "site/preview_index.h"

#include <vector>

#include "site/site_index.h"

namespace corvalis {

Lines PreviewIndex(const SeasonStore& store,
                   const std::function<Lines(const std::string& fragment)>& fragment_lines) {
  Lines page = {
      std::string("<html><head><meta charset=\"") + CharsetName(store.encoding) + "\">",
      "<script src='crvUtils.js' type='text/javascript'></script>",
      "<title>Statistiche Corvalis</title><meta name='author' content='kx'>",
      "<link href='corvalis.css' rel='stylesheet' type='text/css'>",
      "</head><body>",
  };
  for (const IndexPart& part : SiteIndexParts(store)) {
    page.push_back("<h2 class='intest'>" + part.heading + "</h2>");
    for (const IndexLayer& layer : part.layers) {
      page.push_back(LayerTitleLine(layer));
      page.push_back("<div id='" + layer.layer_id +
                     "' style='display: none;' align='center'>");
      Lines fragment = fragment_lines(layer.fragment);
      page.insert(page.end(), fragment.begin(), fragment.end());
      page.push_back("</div>");
    }
  }
  page.push_back(kSiteIndexFooter);
  page.push_back("</body></html>");
  return page;
}

}  // namespace corvalis
