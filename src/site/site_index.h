// fanta.php: the league's statistics page, which includes every fragment
// behind a title that shows or hides it.
#ifndef CORVALIS_SITE_SITE_INDEX_H_
#define CORVALIS_SITE_SITE_INDEX_H_

#include <string>
#include <vector>

#include "platform/env.h"
#include "store/season_store.h"
#include "store/source_files.h"

namespace corvalis {

// One section of the page: a title that toggles the layer holding a
// fragment.
struct IndexLayer {
  std::string title_id;
  std::string layer_id;
  std::string caption;
  std::string fragment;  // the page file the layer includes
};

// The sections under one heading.
struct IndexPart {
  std::string heading;
  std::vector<IndexLayer> layers;
};

// The league fragments, then one layer per team page (team names from
// teamLabel, as conf.txt gives them). fanta.php and the preview's
// index.html are both built from this.
std::vector<IndexPart> SiteIndexParts(const SeasonStore& store);

// The title line of a layer, as both pages write it.
std::string LayerTitleLine(const IndexLayer& layer);

// The footer under the team sections.
extern const char kSiteIndexFooter[];

// A header line with the charset of the run's encoding, then two HTML
// documents in one file, one per part.
Lines SiteIndex(const SeasonStore& store);

// Writes fanta.php into the source folder.
void WriteSiteIndex(Env& env, const SeasonStore& store);

}  // namespace corvalis

#endif  // CORVALIS_SITE_SITE_INDEX_H_
