#include "driver/config.h"

#include <gtest/gtest.h>

#include <memory>

#include "driver/run.h"
#include "platform/fake_env.h"
#include "util/run_stop.h"

namespace corvalis {
namespace {

class ConfigTest : public ::testing::Test {
 protected:
  SeasonStore& Apply(const std::vector<std::string>& lines) {
    InitialiseStore(env_, *store_);
    ApplyConfig(lines, "C:\\lega\\conf.txt", env_, *store_);
    return *store_;
  }
  FakeEnv env_;
  std::unique_ptr<SeasonStore> store_ = std::make_unique<SeasonStore>();
};

TEST_F(ConfigTest, TeamsModulesAndDefaultLabels) {
  SeasonStore& s = Apply({"  Alfa  ", "Beta", "", "* squadre", "3 4 3 0", "4 4 2 0.5",
                          "3,5 4", "x 4 3 1"});
  EXPECT_EQ(s.num_teams, 3);
  EXPECT_EQ(s.teamName[1], "Alfa");
  EXPECT_EQ(s.teamLabel[2], "Beta");
  EXPECT_EQ(s.teamTitle[3], "");  // an empty line is a team with an empty name
  EXPECT_EQ(s.num_modules, 4);
  EXPECT_EQ(s.moduleTable[2][kModDefenders], 4);
  EXPECT_EQ(s.moduleTable[2][kModBonus], 0.5);
  EXPECT_EQ(s.moduleTable[3][kModDefenders], 3);  // the comma ends the number
  EXPECT_EQ(s.moduleTable[3][kModForwards], 0);   // missing word
  EXPECT_EQ(s.moduleTable[4][kModDefenders], 0);  // not a number
  EXPECT_EQ(s.moduleTable[4][kModBonus], 1);
  // No section 3: the five default labels, slot 6 empty.
  EXPECT_EQ(s.tieRule[1], "VA");
  EXPECT_EQ(s.tieRule[2], "MG");
  EXPECT_EQ(s.tieRule[3], "DF");
  EXPECT_EQ(s.tieRule[4], "CE");
  EXPECT_EQ(s.tieRule[5], "AT");
  EXPECT_EQ(s.tieRule[6], "");
  EXPECT_EQ(s.source_dir, "C:\\lega");  // no SRC: the program folder, no backslash
  EXPECT_EQ(s.output_dir, "");
  EXPECT_EQ(s.gap_exponent, 1);
  EXPECT_EQ(s.season_top_threshold, 50);
  EXPECT_EQ(s.sq_flag, 0);
  EXPECT_EQ(s.teamSeason[1][kSnSmallestGap], 9999);
  EXPECT_EQ(s.teamSeason[40][kSnSmallestGap], 9999);
}

TEST_F(ConfigTest, FolderKeysLookAtThreeCharacters) {
  SeasonStore& s = Apply({"Alfa", "*", "SRC D:\\dati", "DIRX  C:\\web", "DJS",
                          "3 4 3"});
  EXPECT_EQ(s.source_dir, "D:\\dati\\");
  EXPECT_EQ(s.output_dir, " C:\\web\\");  // the second space stays
  EXPECT_EQ(s.js_dir, "\\");              // key with nothing behind it
  EXPECT_EQ(s.num_modules, 1);
  EXPECT_EQ(s.moduleTable[1][kModBonus], 0);
}

TEST_F(ConfigTest, SectionThreeSwitchesLabelsAndExponent) {
  SeasonStore& s = Apply({"Alfa", "*", "3 4 3 0", "*", "*", "SQ", "60", "PG", "AT extra",
                          "0", "-5", "*", "1.5", "VA"});
  EXPECT_EQ(s.sq_flag, 1);
  EXPECT_EQ(s.season_top_threshold, 60);
  EXPECT_EQ(s.tieRule[1], "PG");
  EXPECT_EQ(s.tieRule[2], "AT");
  EXPECT_EQ(s.tieRule[3], "0");   // 0 is not a threshold: it is a label
  EXPECT_EQ(s.tieRule[4], "-5");
  EXPECT_EQ(s.tieRule[5], "");
  EXPECT_EQ(s.gap_exponent, 1.5);  // and the line after it is never read
}

TEST_F(ConfigTest, SectionThreeWithoutLabelsLeavesAllEmpty) {
  SeasonStore& s = Apply({"Alfa", "*", "3 4 3 0", "*", "SQ", "*"});
  for (int k = 1; k <= kTieRules; ++k) EXPECT_EQ(s.tieRule[k], "") << k;
  EXPECT_EQ(s.gap_exponent, 1);
}

TEST_F(ConfigTest, ClosingStarOnTheLastLineKeepsExponentOne) {
  SeasonStore& s = Apply({"Alfa", "*", "3 4 3 0", "*", "VA", "*"});
  EXPECT_EQ(s.tieRule[1], "VA");
  EXPECT_EQ(s.gap_exponent, 1);
}

TEST_F(ConfigTest, KeyLineMayEndTheFile) {
  SeasonStore& s = Apply({"Alfa", "*", "3 4 3 0", "DIR C:\\web"});
  EXPECT_EQ(s.output_dir, "C:\\web\\");
  EXPECT_EQ(s.tieRule[1], "VA");
}

TEST_F(ConfigTest, SeventhLabelIsIgnoredWithAWarning) {
  SeasonStore& s = Apply({"Alfa", "*", "*", "VA", "MG", "PG", "DF", "CE", "AT", "VA", "*"});
  EXPECT_EQ(s.tieRule[6], "AT");
  ASSERT_EQ(env_.messages().size(), 1u);
  EXPECT_EQ(env_.messages()[0].kind, MessageKind::kWarning);
  EXPECT_NE(env_.messages()[0].text.find("conf.txt"), std::string::npos);
}

TEST_F(ConfigTest, LimitsAndUnclosedTeamListStopTheRun) {
  try {
    Apply({"Alfa", "Beta"});
    FAIL() << "no stop";
  } catch (const RunStop& stop) {
    EXPECT_EQ(stop.status(), kExitPlatform);
    EXPECT_NE(std::string(stop.what()).find("C:\\lega\\conf.txt"), std::string::npos);
  }
  std::vector<std::string> teams;
  for (int t = 0; t <= kMaxTeams; ++t) teams.push_back("T" + std::to_string(t));
  teams.push_back("*");
  store_ = std::make_unique<SeasonStore>();
  EXPECT_THROW(Apply(teams), RunStop);

  std::vector<std::string> modules = {"Alfa", "*"};
  for (int m = 0; m <= kMaxModules; ++m) modules.push_back("3 4 3 0");
  store_ = std::make_unique<SeasonStore>();
  EXPECT_THROW(Apply(modules), RunStop);
}

TEST_F(ConfigTest, MissingFileIsAPlatformFailureNamingIt) {
  InitialiseStore(env_, *store_);
  try {
    ReadConfig(env_, *store_);
    FAIL() << "no stop";
  } catch (const RunStop& stop) {
    EXPECT_EQ(stop.status(), kExitPlatform);
    EXPECT_NE(std::string(stop.what()).find("conf.txt"), std::string::npos);
  }
}

}  // namespace
}  // namespace corvalis
