// Player names as the ranking pages show them: the surname in capitals and
// the start of the first name.
#ifndef CORVALIS_RANKINGS_SHORT_DISPLAY_NAME_H_
#define CORVALIS_RANKINGS_SHORT_DISPLAY_NAME_H_

#include <string>
#include <string_view>

namespace corvalis {

// The name cut right after its second letter from "a" to "y" ("ROSSI Mario"
// -> "ROSSI Mar", "De Rossi" -> "De Ro"); "z", accented letters and every
// other byte do not count. A name with fewer such letters stays whole. The
// answer is a front part of `name` itself.
std::string_view ShortDisplayName(std::string_view name);

}  // namespace corvalis

#endif  // CORVALIS_RANKINGS_SHORT_DISPLAY_NAME_H_
