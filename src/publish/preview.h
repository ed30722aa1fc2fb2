// --preview DIR: after the run, a self-contained static copy of the site
// that an administrator opens from disk or puts on any host, no PHP needed.
#ifndef CORVALIS_PUBLISH_PREVIEW_H_
#define CORVALIS_PUBLISH_PREVIEW_H_

#include <string>

#include "platform/env.h"
#include "site/charts_page.h"

namespace corvalis {

inline constexpr char kPreviewIndexName[] = "index.html";

// Writes into `folder` (made when missing): index.html with every fragment
// in place, our corvalis.css and crvUtils.js (always ours: the preview shows
// the site as the program ships it), the three data scripts and grafici.htm,
// all side by side. Reads the pages this run wrote into the source folder;
// a file that cannot be read or written ends the run naming it.
void WritePreview(Env& env, const ChartsData& site, const std::string& folder);

}  // namespace corvalis

#endif  // CORVALIS_PUBLISH_PREVIEW_H_
