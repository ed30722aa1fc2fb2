#include "input/league.h"

#include <gtest/gtest.h>

#include "platform/fake_env.h"
#include "util/run_stop.h"

namespace corvalis {
namespace {

using Rules = std::array<std::string, kTieRules>;

class LeagueTest : public ::testing::Test {
 protected:
  League Parse(const std::vector<std::string>& lines) {
    return ParseLeague(lines, "C:\\lega\\conf.txt", "C:\\lega", env_);
  }
  FakeEnv env_;
};

TEST_F(LeagueTest, TeamsModulesAndDefaultRules) {
  League league = Parse({"  Alfa  ", "Beta", "", "* squadre", "3 4 3 0", "4 4 2 0.5",
                         "3,5 4", "x 4 3 1"});
  // An empty line is a team with an empty name.
  EXPECT_EQ(league.teams, (std::vector<std::string>{"Alfa", "Beta", ""}));
  ASSERT_EQ(league.modules.size(), 4u);
  EXPECT_EQ(league.modules[1].defenders, 4);
  EXPECT_EQ(league.modules[1].bonus, 0.5);
  EXPECT_EQ(league.modules[2].defenders, 3);  // the comma ends the number
  EXPECT_EQ(league.modules[2].forwards, 0);   // missing word
  EXPECT_EQ(league.modules[3].defenders, 0);  // not a number
  EXPECT_EQ(league.modules[3].bonus, 1);
  // No section 3: the five default rules, slot 6 empty.
  EXPECT_EQ(league.tie_rules, (Rules{"VA", "MG", "DF", "CE", "AT", ""}));
  EXPECT_EQ(league.source_dir, "C:\\lega");  // no SRC: the program folder, no backslash
  EXPECT_EQ(league.SourcePath("x.tab"), "C:\\lega\\x.tab");
  EXPECT_EQ(league.output_dir, "");
  EXPECT_EQ(league.gap_exponent, 1);
  EXPECT_EQ(league.season_top_threshold, 50);
  EXPECT_FALSE(league.sq);
  EXPECT_EQ(league.FirstTeamNamed("Beta"), 1);
  EXPECT_EQ(league.FirstTeamNamed("Gamma"), -1);
}

TEST_F(LeagueTest, FolderKeysLookAtThreeCharacters) {
  League league = Parse({"Alfa", "*", "SRC D:\\dati", "DIRX  C:\\web", "DJS", "3 4 3"});
  EXPECT_EQ(league.source_dir, "D:\\dati\\");
  EXPECT_EQ(league.SourcePath("x.tab"), "D:\\dati\\\\x.tab");  // a doubled separator
  EXPECT_EQ(league.output_dir, " C:\\web\\");  // the second space stays
  EXPECT_EQ(league.js_dir, "\\");              // key with nothing behind it
  ASSERT_EQ(league.modules.size(), 1u);
  EXPECT_EQ(league.modules[0].bonus, 0);
}

TEST_F(LeagueTest, SectionThreeSwitchesRulesAndExponent) {
  League league = Parse({"Alfa", "*", "3 4 3 0", "*", "*", "SQ", "60", "PG", "AT extra",
                         "0", "-5", "*", "1.5", "VA"});
  EXPECT_TRUE(league.sq);
  EXPECT_EQ(league.season_top_threshold, 60);
  // 0 and -5 are no threshold: they are rules.
  EXPECT_EQ(league.tie_rules, (Rules{"PG", "AT", "0", "-5", "", ""}));
  EXPECT_EQ(league.gap_exponent, 1.5);  // and the line after it is never read

  EXPECT_EQ(Parse({"Alfa", "*", "3 4 3 0", "*", "SQ", "*"}).tie_rules, Rules{});
  League closed = Parse({"Alfa", "*", "3 4 3 0", "*", "VA", "*"});
  EXPECT_EQ(closed.tie_rules[0], "VA");
  EXPECT_EQ(closed.gap_exponent, 1);  // a closing "*" on the last line
  League key_last = Parse({"Alfa", "*", "3 4 3 0", "DIR C:\\web"});
  EXPECT_EQ(key_last.output_dir, "C:\\web\\");
  EXPECT_EQ(key_last.tie_rules[0], "VA");
}

TEST_F(LeagueTest, SeventhRuleIsIgnoredWithAWarning) {
  League league = Parse({"Alfa", "*", "*", "VA", "MG", "PG", "DF", "CE", "AT", "VA", "*"});
  EXPECT_EQ(league.tie_rules[5], "AT");
  ASSERT_EQ(env_.messages().size(), 1u);
  EXPECT_EQ(env_.messages()[0].kind, MessageKind::kWarning);
  EXPECT_NE(env_.messages()[0].text.find("conf.txt"), std::string::npos);
}

TEST_F(LeagueTest, LimitsAndUnclosedTeamListStopTheRun) {
  try {
    Parse({"Alfa", "Beta"});
    FAIL() << "no stop";
  } catch (const RunStop& stop) {
    EXPECT_EQ(stop.status(), kExitPlatform);
    EXPECT_NE(std::string(stop.what()).find("C:\\lega\\conf.txt"), std::string::npos);
  }
  std::vector<std::string> teams;
  for (int t = 0; t <= kMaxTeams; ++t) teams.push_back("T" + std::to_string(t));
  teams.push_back("*");
  EXPECT_THROW(Parse(teams), RunStop);
  std::vector<std::string> modules = {"Alfa", "*"};
  for (int m = 0; m <= kMaxModules; ++m) modules.push_back("3 4 3 0");
  EXPECT_THROW(Parse(modules), RunStop);
}

TEST_F(LeagueTest, ReadFromTheProgramFolderInItsEncoding) {
  try {
    ReadLeague(env_);
    FAIL() << "no stop";
  } catch (const RunStop& stop) {
    EXPECT_EQ(stop.status(), kExitPlatform);
    EXPECT_NE(std::string(stop.what()).find("C:\\lega\\conf.txt"), std::string::npos);
  }
  env_.AddLines("C:\\lega\\conf.txt", {"Citt\xC3\xA0", "*"});
  EXPECT_EQ(ReadLeague(env_).encoding, TextEncoding::kUtf8);
  env_.AddLines("C:\\lega\\conf.txt", {"Citt\xE0", "*"});
  League league = ReadLeague(env_);
  EXPECT_EQ(league.encoding, TextEncoding::kWindows1252);
  EXPECT_EQ(league.program_folder, "C:\\lega");
}

}  // namespace
}  // namespace corvalis
