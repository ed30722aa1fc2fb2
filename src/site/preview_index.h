// index.html of a preview: fanta.php as one static HTML document, for a
// copy of the site that opens from disk or from any static host.
#ifndef CORVALIS_SITE_PREVIEW_INDEX_H_
#define CORVALIS_SITE_PREVIEW_INDEX_H_

#include <functional>
#include <string>

#include "store/season_store.h"
#include "store/source_files.h"

namespace corvalis {

inline constexpr char kPreviewIndexName[] = "index.html";

// The sections of fanta.php under their headings in one document, each
// layer holding the lines of its fragment (given by `fragment_lines`) where
// fanta.php includes it. With no PHP to send the charset, a <meta charset>
// of the run's encoding says it; the scripts sit beside the page.
Lines PreviewIndex(const SeasonStore& store,
                   const std::function<Lines(const std::string& fragment)>& fragment_lines);

}  // namespace corvalis

#endif  // CORVALIS_SITE_PREVIEW_INDEX_H_
