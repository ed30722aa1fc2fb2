#include "site/site_assets.h"

#include "platform/file_names.h"

namespace corvalis {

std::string AssetFile(std::string_view text) { return JoinLines(SplitLines(text)); }

}  // namespace corvalis
