#include "input/role_code.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

// The table read as plain comparisons of whole codes, against every code of
// one, two or three bytes and a few longer ones.
RoleCode CodeByComparison(std::string_view code) {
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

TEST(RoleCodeTest, EveryShortCodeAsByComparison) {
  std::vector<std::string> codes = {"", "PRU", "DUU", "P R", "--U", "---", "PPR"};
  for (int a = 0; a < 256; ++a) {
    codes.push_back(std::string(1, static_cast<char>(a)));
    for (int b = 0; b < 256; ++b) {
      codes.push_back(std::string{static_cast<char>(a), static_cast<char>(b)});
    }
  }
  for (const std::string& code : codes) {
    RoleCode got = ReadRoleCode(code), want = CodeByComparison(code);
    ASSERT_EQ(got.role, want.role) << code;
    ASSERT_EQ(got.fielded, want.fielded) << code;
    ASSERT_EQ(got.substitute, want.substitute) << code;
    ASSERT_EQ(got.goalkeeper_line, want.goalkeeper_line) << code;
    ASSERT_EQ(got.left_out, want.left_out) << code;
  }
}

TEST(RoleCodeTest, EveryThreeByteCodeAsByComparison) {
  char bytes[3];
  std::string_view code(bytes, 3);
  for (int a = 0; a < 256; ++a) {
    for (int b = 0; b < 256; ++b) {
      for (int c = 0; c < 256; ++c) {
        bytes[0] = static_cast<char>(a);
        bytes[1] = static_cast<char>(b);
        bytes[2] = static_cast<char>(c);
        RoleCode got = ReadRoleCode(code), want = CodeByComparison(code);
        bool same = got.role == want.role && got.fielded == want.fielded &&
                    got.substitute == want.substitute &&
                    got.goalkeeper_line == want.goalkeeper_line && got.left_out == want.left_out;
        ASSERT_TRUE(same) << a << " " << b << " " << c;
      }
    }
  }
}

}  // namespace
}  // namespace corvalis
