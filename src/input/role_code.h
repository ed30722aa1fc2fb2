// The role codes of the results exports, in one table for every reading.
// Codes are exact and case-sensitive; any other code ("--", "Cs", ...) has
// none of these properties.
#ifndef CORVALIS_INPUT_ROLE_CODE_H_
#define CORVALIS_INPUT_ROLE_CODE_H_

#include <array>
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

namespace role_code_internal {

// By a code's first byte: the role its letter names, and kUpper for the
// upper-case letters, the only ones a second letter ("R", "U") may follow.
constexpr uint8_t kUpper = 8;
constexpr std::array<uint8_t, 256> RoleLetters() {
  std::array<uint8_t, 256> letters{};
  auto set = [&](char upper, char lower, Role role) {
    letters[static_cast<unsigned char>(upper)] = static_cast<uint8_t>(role) | kUpper;
    letters[static_cast<unsigned char>(lower)] = static_cast<uint8_t>(role);
  };
  set('P', 'p', Role::kGoalkeeper);
  set('D', 'd', Role::kDefender);
  set('C', 'c', Role::kMidfielder);
  set('A', 'a', Role::kForward);
  return letters;
}
inline constexpr std::array<uint8_t, 256> kRoleLetters = RoleLetters();

}  // namespace role_code_internal

// Every player column of every export comes here, in both readings: inline,
// one look at the first byte and at most one at the second.
inline RoleCode ReadRoleCode(std::string_view code) {
  using namespace role_code_internal;
  RoleCode out;
  size_t size = code.size();
  if (size == 0) return out;
  if (size <= 2) {
    uint8_t letter = kRoleLetters[static_cast<unsigned char>(code[0])];
    Role role = static_cast<Role>(letter & 7);
    Role fielded = role == Role::kGoalkeeper ? Role::kNone : role;
    bool goalkeeper = (letter & kUpper) && role == Role::kGoalkeeper;
    if (size == 1) {
      if (role != Role::kNone) {
        out.role = role;
        out.fielded = fielded;
        out.goalkeeper_line = goalkeeper;
        return out;
      }
    } else if (letter & kUpper) {
      if (code[1] == 'R') {
        out.role = role;
        out.fielded = fielded;
        out.substitute = true;
        out.goalkeeper_line = goalkeeper;
        return out;
      }
      if (code[1] == 'U') {
        out.fielded = fielded;
        out.goalkeeper_line = goalkeeper;
        out.left_out = true;
        return out;
      }
    } else if (code[0] == '-' && code[1] == '-') {
      out.left_out = true;
      return out;
    }
  }
  out.left_out = code.back() == 'U';
  return out;
}

}  // namespace corvalis

#endif  // CORVALIS_INPUT_ROLE_CODE_H_
