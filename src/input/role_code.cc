#include "input/role_code.h"

namespace corvalis {

RoleCode ReadRoleCode(std::string_view code) {
  RoleCode out;
  if (code == "P" || code == "PR" || code == "p") out.role = Role::kGoalkeeper;
  if (code == "D" || code == "DR" || code == "d") out.role = Role::kDefender;
  if (code == "C" || code == "CR" || code == "c") out.role = Role::kMidfielder;
  if (code == "A" || code == "AR" || code == "a") out.role = Role::kForward;
  out.fielded = out.role == Role::kGoalkeeper ? Role::kNone : out.role;
  if (code == "DU") out.fielded = Role::kDefender;
  if (code == "CU") out.fielded = Role::kMidfielder;
  if (code == "AU") out.fielded = Role::kForward;
  out.substitute = code == "PR" || code == "DR" || code == "CR" || code == "AR";
  out.goalkeeper_line = code == "P" || code == "PU" || code == "PR";
  out.left_out = code == "--" || (!code.empty() && code.back() == 'U');
  return out;
}

}  // namespace corvalis
