#include "site/site_pages.h"

#include "util/text.h"

namespace corvalis {

std::string MatchdayScriptName(int g) { return "crvCorvalisDati" + WholeText(g) + ".js"; }

std::string TeamPageName(int number) { return "sq" + WholeText(number) + ".htm"; }

}  // namespace corvalis
