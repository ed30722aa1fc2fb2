// fanta.php: the league's statistics page, which includes every fragment
// behind a title that shows or hides it; and the preview's index.html, the
// same sections in one static document.
#ifndef CORVALIS_SITE_SITE_INDEX_H_
#define CORVALIS_SITE_SITE_INDEX_H_

#include <functional>
#include <string>
#include <string_view>

#include "input/league.h"
#include "platform/env.h"
#include "util/encoding.h"
#include "util/page.h"

namespace corvalis {

// A header line with the charset of the run's encoding, then two HTML
// documents in one file: the league's sections, then one per team (team
// names as conf.txt gives them).
void AddSiteIndex(const League& league, TextEncoding encoding, Page& page);

// The sections under their headings in one document, each layer holding
// the fragment `add_fragment` appends where fanta.php includes it. With no
// PHP to send the charset, a <meta charset> says it; the scripts sit beside
// the page.
void AddPreviewIndex(const League& league, TextEncoding encoding,
                     const std::function<void(const std::string& fragment)>& add_fragment,
                     Page& page);

// Writes fanta.php into the source folder.
void WriteSiteIndex(Env& env, const League& league, TextEncoding encoding);

}  // namespace corvalis

#endif  // CORVALIS_SITE_SITE_INDEX_H_
