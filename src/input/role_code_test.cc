#include "input/role_code.h"

#include <gtest/gtest.h>

namespace corvalis {
namespace {

// The one table both readings of an export use. A lower-case letter names
// the role for the rating, but only an upper-case "P" code starts the line
// of the two goalkeepers in the calendar.
TEST(RoleCodeTest, EveryKindOfCode) {
  struct Case {
    const char* code;
    Role role;
    Role fielded;
    bool substitute, goalkeeper_line, left_out;
  };
  const Role kNo = Role::kNone;
  const Case cases[] = {
      {"P", Role::kGoalkeeper, kNo, false, true, false},
      {"p", Role::kGoalkeeper, kNo, false, false, false},
      {"PR", Role::kGoalkeeper, kNo, true, true, false},
      {"PU", kNo, kNo, false, true, true},
      {"d", Role::kDefender, Role::kDefender, false, false, false},
      {"CR", Role::kMidfielder, Role::kMidfielder, true, false, false},
      {"A", Role::kForward, Role::kForward, false, false, false},
      {"AU", kNo, Role::kForward, false, false, true},
      {"--", kNo, kNo, false, false, true},
      {"Cs", kNo, kNo, false, false, false},
      {"", kNo, kNo, false, false, false},
  };
  for (const Case& c : cases) {
    RoleCode code = ReadRoleCode(c.code);
    EXPECT_EQ(code.role, c.role) << c.code;
    EXPECT_EQ(code.fielded, c.fielded) << c.code;
    EXPECT_EQ(code.substitute, c.substitute) << c.code;
    EXPECT_EQ(code.goalkeeper_line, c.goalkeeper_line) << c.code;
    EXPECT_EQ(code.left_out, c.left_out) << c.code;
  }
}

}  // namespace
}  // namespace corvalis
