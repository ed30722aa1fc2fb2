#include "rating/season_aggregation.h"

#include <gtest/gtest.h>

#include "rating/rating_test_season.h"

namespace corvalis {
namespace {

using testing::TestSeason;

// Eleven voted players: 3-4-3 scores 69; 4-4-2 lacks a defender, so it
// scores 6 + 18 + 24 + 14 = 62, plus 4 for the free place.
const char kEleven[] = "P6 D6 D6 D6 C6 C6 C6 C6 A7 A7 A7";
const RoleCountRow k343 = {0, 3, 4, 3, 0};
const RoleCountRow k442 = {0, 4, 4, 2, 0};

TEST(SeasonAggregationTest, GapsOfASeasonWorkedOutByHand) {
  TestSeason season({"Alfa"}, {"3 4 3 0", "4 4 2 0"});
  // Matchday 1: the fielded lineup is the best one (4-4-2 makes 67).
  season.Matchday(1, {{1, 69, k343, std::string(kEleven) + " D5 C5"}});
  // Matchday 2: a score above Max (a modifier the lineup does not carry).
  season.Matchday(2, {{1, 72, k343, std::string(kEleven) + " D5 C5"}});
  // Matchday 3: 6 below Max, fielding 4-4-2.
  season.Matchday(3, {{1, 63, k442, std::string(kEleven) + " D5 C5"}});
  SeasonStore& s = season.store();

  EXPECT_EQ(s.teamMatchday[1][1], (MatchdayRow{0, 0, 13, 69, 69}));
  EXPECT_EQ(s.teamMatchday[1][2], (MatchdayRow{0, 0, 13, 72, 69}));
  EXPECT_EQ(s.teamMatchday[1][3], (MatchdayRow{0, 6, 13, 63, 69}));
  EXPECT_EQ(s.teamRoleCount[1][3][kRcModuleUsed], 2);
  // (0 - 3 + 6) / 3: the uncut differences, not the printed gaps.
  EXPECT_EQ(s.teamSeason[1][kSnAverageGap], 1);
  EXPECT_EQ(s.teamSeason[1][kSnMaxSum], 207);
  EXPECT_EQ(s.teamSeason[1][kSnLargestGap], 6);
  EXPECT_EQ(s.teamSeason[1][kSnLargestGapDay], 3);
  EXPECT_EQ(s.teamSeason[1][kSnSmallestGap], 0);
  EXPECT_EQ(s.teamSeason[1][kSnSmallestGapDay], 1);
  EXPECT_EQ(s.teamBestModuleCount[1][1], 3);
  EXPECT_EQ(s.moduleTable[1][kModOnlyBestCount], 3);
  EXPECT_EQ(s.best_module_total, 3);

  CloseSeason(s);
  // 39 valid votes, 6 beyond eleven a match, for a season gap of 3.
  EXPECT_EQ(s.teamSeason[1][kSnWeightedGap], 0.5);
}

TEST(SeasonAggregationTest, FreePlacesAddFourAndTiedModulesAllCount) {
  TestSeason season({"Alfa"}, {"3 4 3 0", "4 4 2 0"});
  // Ten voted players: each module has one free place, 62 + 4 both.
  season.Matchday(1, {{1, 62, k343, "P6 D6 D6 D6 C6 C6 C6 C6 A7 A7 Ax"}});
  season.Matchday(2, {{1, 69, k343, kEleven}});
  SeasonStore& s = season.store();

  EXPECT_EQ(s.teamMatchday[1][1][kMdMax], 66);
  EXPECT_EQ(s.teamMatchday[1][1][kMdGap], 4);
  EXPECT_EQ(s.matchdayBestModules[1][1][1], 1);
  EXPECT_EQ(s.matchdayBestModules[1][1][2], 2);
  EXPECT_EQ(s.matchdayBestModules[1][2][2], 0);
  EXPECT_EQ(s.teamBestModuleCount[1][1], 2);
  EXPECT_EQ(s.teamBestModuleCount[1][2], 1);
  EXPECT_EQ(s.moduleTable[1][kModBestCount], 2);
  EXPECT_EQ(s.moduleTable[2][kModBestCount], 1);
  // Only matchday 2 had a single best module.
  EXPECT_EQ(s.moduleTable[1][kModOnlyBestCount], 1);
  EXPECT_EQ(s.moduleTable[2][kModOnlyBestCount], 0);
  EXPECT_EQ(s.best_module_total, 3);
}

TEST(SeasonAggregationTest, LargestAndSmallestGapTieRules) {
  TestSeason season({"Alfa", "Beta"}, {"3 4 3 0"});
  const double alfa[] = {66.5, 69, 66.5};  // gaps 2.5, 0, 2.5
  for (int g = 1; g <= 3; ++g) {
    season.Matchday(g, {{1, alfa[g - 1], k343, kEleven}, {2, 69, k343, kEleven}});
  }
  const SeasonRow& a = season.store().teamSeason[1];
  EXPECT_EQ(a[kSnLargestGap], 2.5);
  EXPECT_EQ(a[kSnLargestGapDay], 1);  // an equal positive gap keeps the first
  EXPECT_EQ(a[kSnSmallestGap], 0);
  EXPECT_EQ(a[kSnSmallestGapDay], 2);
  const SeasonRow& b = season.store().teamSeason[2];
  EXPECT_EQ(b[kSnLargestGapDay], 3);  // zero gaps move on to the latest
  EXPECT_EQ(b[kSnSmallestGapDay], 1);
}

TEST(SeasonAggregationTest, BonusOfTheModuleUsedAndTeamsWithoutVotes) {
  TestSeason season({"Alfa", "Beta"}, {"3 4 3 0", "4 5 1 0.5"});
  const char lines[] = "P6 D6 D6 D6 D6 C6 C6 C6 C6 C6 A7";
  // 4-5-1 makes 67 + 0.5; 3-4-3 makes 55 + 4. Beta's block has no vote.
  season.Matchday(1, {{1, 66, {0, 4, 5, 1, 0}, lines}, {2, 0, {0, 4, 5, 1, 0}, lines}});
  SeasonStore& s = season.store();
  EXPECT_EQ(s.teamMatchday[1][1], (MatchdayRow{0, 1, 11, 66.5, 67.5}));
  EXPECT_EQ(s.teamSeason[1][kSnMaxSum], 67);
  EXPECT_EQ(s.teamSeason[1][kSnAverageGap], 1);
  EXPECT_EQ(s.teamMatchday[2][1][kMdGap], kDidNotPlay);
  EXPECT_EQ(s.teamRoleCount[2][1][kRcModuleUsed], 2);
  // A match not played gives back no bonus: Beta's sum stays empty.
  EXPECT_EQ(s.teamSeason[2][kSnMaxSum], 0);
}

TEST(SeasonAggregationTest, RepeatedModuleLineGivesItsBonusBackOnce) {
  TestSeason season({"Alfa"}, {"3 4 3 1", "3 4 3 1"});
  season.Matchday(1, {{1, 68, k343, kEleven}});
  SeasonStore& s = season.store();
  EXPECT_EQ(s.teamRoleCount[1][1][kRcModuleUsed], 2);
  EXPECT_EQ(s.teamMatchday[1][1][kMdGap], 1);
  EXPECT_EQ(s.teamSeason[1][kSnAverageGap], 1);
}

TEST(SeasonAggregationTest, EveryModuleMayTieAsBest) {
  std::vector<std::string> modules;
  for (int d = 1; d <= 8 && modules.size() < kMaxModules; ++d) {
    for (int c = 1; d + c <= 9 && modules.size() < kMaxModules; ++c) {
      modules.push_back(std::to_string(d) + " " + std::to_string(c) + " " +
                        std::to_string(10 - d - c) + " 0");
    }
  }
  TestSeason season({"Alfa"}, modules);
  // Nobody voted: every module scores 0, so all twenty are best.
  season.Matchday(1, {{1, 1, k343, "Px Dx Cx Ax"}});
  const BestModules& best = season.store().matchdayBestModules[1][1];
  for (int c = 1; c <= kMaxModules; ++c) EXPECT_EQ(best[c], c);
  EXPECT_EQ(season.store().best_module_total, kMaxModules);
}

TEST(SeasonAggregationTest, ClosingOrdersTeamsByAverageGap) {
  TestSeason season({"Alfa", "Beta", "Gamma"}, {"3 4 3 0"});
  season.Matchday(1, {{1, 68, k343, kEleven}, {2, 69, k343, kEleven}});
  SeasonStore& s = season.store();
  CloseSeason(s);
  // Gamma never played: average 0, like Beta, after whom it stays.
  EXPECT_EQ(s.teamName[1], "Beta");
  EXPECT_EQ(s.teamName[2], "Gamma");
  EXPECT_EQ(s.teamName[3], "Alfa");
  EXPECT_EQ(s.teamSeason[2][kSnWeightedGap], kNoWeightedGap);
  EXPECT_EQ(s.teamTitle[1], "Alfa");
  EXPECT_EQ(s.teamMatchday[1][1][kMdGap], 1);
}

TEST(SeasonAggregationTest, WeightedGap) {
  EXPECT_EQ(WeightedGap(7, 26, 2, 1), 1.75);
  EXPECT_EQ(WeightedGap(7.999, 26, 2, 1), 1.99);  // cut, not rounded
  EXPECT_EQ(WeightedGap(6, 28, 2, 2), 100);       // 100 squared, over 100
  EXPECT_EQ(WeightedGap(6, 28, 2, 0.5), 0.1);
  // Eleven valid votes a match or fewer: not available.
  EXPECT_EQ(WeightedGap(6, 22, 2, 1), kNoWeightedGap);
  EXPECT_EQ(WeightedGap(0, 0, 0, 1), kNoWeightedGap);
  // Lineups above Max overall: none, even squared; 0 to a negative power.
  EXPECT_EQ(WeightedGap(-3, 28, 2, 2), 0);
  EXPECT_EQ(WeightedGap(-3, 28, 2, 1), 0);
  EXPECT_EQ(WeightedGap(0, 28, 2, -1), 0);
  // Votes without a match counted: the quotient as it is.
  EXPECT_EQ(WeightedGap(1, 5, 0, 1), 0.2);
}

}  // namespace
}  // namespace corvalis
