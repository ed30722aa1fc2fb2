#include "rankings/lower_team_names.h"

namespace corvalis {

std::string_view LowerTeamNames::Of(std::string_view team) {
  auto found = lowered_.find(team);
  if (found == lowered_.end()) found = lowered_.emplace(team, LowerText(team, encoding_)).first;
  return found->second;
}

}  // namespace corvalis
