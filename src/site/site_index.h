// fanta.php: the league's statistics page, which includes every fragment
// behind a title that shows or hides it.
#ifndef CORVALIS_SITE_SITE_INDEX_H_
#define CORVALIS_SITE_SITE_INDEX_H_

#include "platform/env.h"
#include "store/season_store.h"
#include "store/source_files.h"

namespace corvalis {

// A header line with the charset of the run's encoding, then two HTML
// documents in one file: the league fragments, then one layer per team page
// (team names from teamLabel, as conf.txt gives them).
Lines SiteIndex(const SeasonStore& store);

// Writes fanta.php into the source folder.
void WriteSiteIndex(Env& env, const SeasonStore& store);

}  // namespace corvalis

#endif  // CORVALIS_SITE_SITE_INDEX_H_
