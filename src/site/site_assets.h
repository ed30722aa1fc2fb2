// The style sheet and the script library that every page refers to
// ("corvalis.css" beside the pages, "../js/crvUtils.js"). A league site that
// has its own keeps them; the program carries these for the others.
//
// The texts are edited as src/site/assets/corvalis.css and crvUtils.js and
// built into the program (cmake/embed_assets.cmake).
#ifndef CORVALIS_SITE_SITE_ASSETS_H_
#define CORVALIS_SITE_SITE_ASSETS_H_

#include <string_view>

#include <string>

namespace corvalis {

inline constexpr char kStyleSheetName[] = "corvalis.css";
inline constexpr char kScriptLibraryName[] = "crvUtils.js";

std::string_view CorvalisCssText();
std::string_view CrvUtilsJsText();

// An asset as the run writes it: lines ended by CR LF like every other file
// of the run, whatever line ends the repository's copy has.
std::string AssetFile(std::string_view text);

}  // namespace corvalis

#endif  // CORVALIS_SITE_SITE_ASSETS_H_
