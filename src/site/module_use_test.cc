#include "site/module_use.h"

#include <gtest/gtest.h>

#include <memory>

namespace corvalis {
namespace {

class ModuleUseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    store_->num_teams = 2;
    store_->teamLabel[1] = "Alfa";
    store_->teamLabel[2] = "Beta";
    AddModule(3, 4, 3);
    AddModule(4, 4, 2);
    AddModule(4, 3, 3);
  }
  void AddModule(int d, int c, int a) {
    ModuleRow& row = store_->moduleTable[++store_->num_modules];
    row[kModDefenders] = d;
    row[kModMidfielders] = c;
    row[kModForwards] = a;
  }
  void Field(int row, const std::string& name, int g, int d, int c, int a) {
    store_->teamRoleCountName[row] = name;
    store_->teamRoleCount[row][g][kRcDefenders] = d;
    store_->teamRoleCount[row][g][kRcMidfielders] = c;
    store_->teamRoleCount[row][g][kRcForwards] = a;
  }
  std::unique_ptr<SeasonStore> store_ = std::make_unique<SeasonStore>();
};

TEST_F(ModuleUseTest, SharesAreCutToOneDecimal) {
  for (int g = 1; g <= 6; ++g) Field(1, "Alfa", g, 3, 4, 3);
  for (int g = 7; g <= 9; ++g) Field(1, "Alfa", g, 4, 4, 2);
  Field(1, "Alfa", 10, 5, 4, 1);  // no module of conf.txt: not counted
  CountModuleUse(*store_);
  const ModuleCounts& use = store_->teamModuleUse[1];
  EXPECT_EQ(use[0], 9);
  EXPECT_EQ(use[1], 6);
  EXPECT_EQ(use[2], 3);
  EXPECT_EQ(use[3], 0);
  EXPECT_DOUBLE_EQ(ModuleShare(*store_, 1, 1), 66.6);
  EXPECT_DOUBLE_EQ(ModuleShare(*store_, 1, 2), 33.3);
  EXPECT_DOUBLE_EQ(ModuleShare(*store_, 1, 3), 0);
  // A team that never played divides by nothing.
  EXPECT_DOUBLE_EQ(ModuleShare(*store_, 2, 1), 0);
}

TEST_F(ModuleUseTest, CountsArePairedThroughTheTeamName) {
  // Beta's counts sit in row 1, Alfa's in row 2; a later row of the same
  // name wins.
  Field(1, "Beta", 1, 3, 4, 3);
  Field(2, "Alfa", 1, 4, 4, 2);
  Field(2, "Alfa", 2, 4, 4, 2);
  CountModuleUse(*store_);
  EXPECT_EQ(store_->teamModuleUse[1][2], 2);
  EXPECT_EQ(store_->teamModuleUse[2][1], 1);

  store_->teamRoleCountName[1] = "Alfa";
  store_->teamRoleCountName[2] = "Alfa";
  CountModuleUse(*store_);  // counted afresh, not added to the earlier count
  EXPECT_EQ(store_->teamModuleUse[1][2], 2);
  EXPECT_EQ(store_->teamModuleUse[1][0], 2);
  EXPECT_EQ(store_->teamModuleUse[2][0], 0);
}

TEST_F(ModuleUseTest, MatchdaysNotPlayedMatchOnlyAnEmptyModule) {
  Field(1, "Alfa", 1, 3, 4, 3);
  CountModuleUse(*store_);
  EXPECT_EQ(store_->teamModuleUse[1][0], 1);
  AddModule(0, 0, 0);
  CountModuleUse(*store_);
  EXPECT_EQ(store_->teamModuleUse[1][4], 41);
  EXPECT_EQ(store_->teamModuleUse[1][0], 42);
}

}  // namespace
}  // namespace corvalis
