// Team names in lower case, as the ranking rows show them ("(juventus)"),
// escaped for the page.
// A page names the same few teams on every row: each is lowered once.
#ifndef CORVALIS_RANKINGS_LOWER_TEAM_NAMES_H_
#define CORVALIS_RANKINGS_LOWER_TEAM_NAMES_H_

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "util/encoding.h"

namespace corvalis {

class LowerTeamNames {
 public:
  explicit LowerTeamNames(TextEncoding encoding) : encoding_(encoding) {}

  // HtmlText(LowerText(team)), to go on a page as it is; the answer lasts
  // as long as this object does.
  std::string_view Of(std::string_view team);

 private:
  // A page's few team names differ in their length or at their ends; the
  // standard hash would read every byte of every row's team.
  // Transparent: a name is looked up as a view, and copied only when new,
  // since the pages that share this object drop theirs.
  struct EndsHash {
    using is_transparent = void;
    size_t operator()(std::string_view text) const;
  };

  TextEncoding encoding_;
  std::unordered_map<std::string, std::string, EndsHash, std::equal_to<>> lowered_;
};

}  // namespace corvalis

#endif  // CORVALIS_RANKINGS_LOWER_TEAM_NAMES_H_
