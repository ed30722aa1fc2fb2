#include "site/site_assets.h"

#include "platform/file_names.h"

namespace corvalis {

Lines AssetLines(std::string_view text) { return SplitLines(text); }

}  // namespace corvalis
