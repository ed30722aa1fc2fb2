#include "input/role_code.h"

namespace corvalis {
namespace {

// A code of one or two bytes as one number, for a switch; the length's bit
// keeps "A" apart from "\0A".
constexpr unsigned Key(std::string_view code) {
  unsigned key = static_cast<unsigned char>(code[0]);
  return code.size() == 2 ? 0x10000 | key << 8 | static_cast<unsigned char>(code[1]) : key;
}

constexpr RoleCode Lineup(Role role, bool substitute = false) {
  return {role, role == Role::kGoalkeeper ? Role::kNone : role, substitute, false, false};
}

constexpr RoleCode WentOut(Role role) {
  return {Role::kNone, role == Role::kGoalkeeper ? Role::kNone : role, false, false, true};
}

constexpr RoleCode GoalkeeperLine(RoleCode code) {
  code.goalkeeper_line = true;
  return code;
}

}  // namespace

// Every player column of every export comes here, in both readings: one
// switch, no comparison of whole texts.
RoleCode ReadRoleCode(std::string_view code) {
  using R = Role;
  if (code.empty()) return {};
  if (code.size() <= 2) {
    switch (Key(code)) {
      case Key("P"): return GoalkeeperLine(Lineup(R::kGoalkeeper));
      case Key("PR"): return GoalkeeperLine(Lineup(R::kGoalkeeper, true));
      case Key("PU"): return GoalkeeperLine(WentOut(R::kGoalkeeper));
      case Key("p"): return Lineup(R::kGoalkeeper);
      case Key("D"): case Key("d"): return Lineup(R::kDefender);
      case Key("DR"): return Lineup(R::kDefender, true);
      case Key("DU"): return WentOut(R::kDefender);
      case Key("C"): case Key("c"): return Lineup(R::kMidfielder);
      case Key("CR"): return Lineup(R::kMidfielder, true);
      case Key("CU"): return WentOut(R::kMidfielder);
      case Key("A"): case Key("a"): return Lineup(R::kForward);
      case Key("AR"): return Lineup(R::kForward, true);
      case Key("AU"): return WentOut(R::kForward);
      case Key("--"): return WentOut(R::kNone);
      default: break;
    }
  }
  RoleCode out;
  out.left_out = code.back() == 'U';
  return out;
}

}  // namespace corvalis
