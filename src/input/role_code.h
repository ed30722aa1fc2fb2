// The role codes of the results exports, in one table for every reading.
// Codes are exact and case-sensitive; any other code ("--", "Cs", ...) has
// none of these properties.
#ifndef CORVALIS_INPUT_ROLE_CODE_H_
#define CORVALIS_INPUT_ROLE_CODE_H_

#include <cstdint>
#include <string_view>

namespace corvalis {

enum class Role : uint8_t { kNone, kGoalkeeper, kDefender, kMidfielder, kForward };

struct RoleCode {
  // The player's role in the team's lineup: "P", "PR", "p" goalkeeper, "D",
  // "DR", "d" defender, and so on.
  Role role = Role::kNone;
  // The outfield role he counts in among those fielded: as `role`, and also
  // for the players who went out, "DU", "CU", "AU".
  Role fielded = Role::kNone;
  bool substitute = false;       // "PR", "DR", "CR", "AR": came in from the bench
  bool goalkeeper_line = false;  // "P", "PU", "PR": the line of both goalkeepers
  bool left_out = false;         // "--" or any code ending in "U": no player of the match
};

RoleCode ReadRoleCode(std::string_view code);

}  // namespace corvalis

#endif  // CORVALIS_INPUT_ROLE_CODE_H_
