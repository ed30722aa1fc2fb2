#include "rating/lineup_rating.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "rating/rating_test_season.h"

namespace corvalis {
namespace {

using testing::ParseLineup;

// The lines as (role, vote) pairs, for readable comparisons.
std::vector<std::pair<int, double>> Pairs(const Lineup& lineup) {
  std::vector<std::pair<int, double>> pairs;
  for (int s = 1; s <= kSlots; ++s) pairs.emplace_back(lineup[s].role, lineup[s].vote);
  return pairs;
}

const ModuleRow k343 = {0, 3, 4, 3, 0, 0, 0, 0};

TEST(LineupRatingTest, OrderByRoleThenVoteWithLinesWithoutRoleFirst) {
  Lineup lineup = ParseLineup("A6 -7 D5 P6 D7 Dx C6 -2 A8");
  OrderLineup(lineup);
  // The empty slots after the block have no role either: they come right
  // after the two lines without a role, and the seven players close up.
  Lineup expected = ParseLineup("-7 -2");
  Lineup players = ParseLineup("P6 Dx D7 D5 C6 A8 A6");
  std::copy(players.begin() + 1, players.begin() + 8, expected.end() - 7);
  EXPECT_EQ(Pairs(lineup), Pairs(expected));
}

TEST(LineupRatingTest, ModuleScoreTakesTheBestVotesOfEachRole) {
  Lineup lineup = ParseLineup("P6 P7 D6 D6.5 D5 D7 C6 C6 C6 C6 Cx A7 A7 A8 A4");
  OrderLineup(lineup);
  // 7 + (7 + 6.5 + 6) + 4 x 6 + (8 + 7 + 7)
  EXPECT_EQ(ModuleScore(lineup, k343), 72.5);
  ModuleRow with_bonus = k343;
  with_bonus[kModBonus] = -1.5;
  EXPECT_EQ(ModuleScore(lineup, with_bonus), 71);
}

TEST(LineupRatingTest, FourPointsWhenOneToTenPlacesStayFree) {
  Lineup one_free = ParseLineup("P6 D6 D6 D6 C6 C6 C6 C6 A7 A7 Ax");
  EXPECT_EQ(ModuleScore(one_free, k343), 62 + 4);
  Lineup goalkeeper_only = ParseLineup("P6 Dx");
  EXPECT_EQ(ModuleScore(goalkeeper_only, k343), 6 + 4);
  Lineup nobody = ParseLineup("Px Dx -6");
  EXPECT_EQ(ModuleScore(nobody, k343), 0);
}

TEST(LineupRatingTest, LinesBeyondTheFortiethCount) {
  std::string text = "P6 D6 D6 D6 C6 C6 C6 C6 A7 A7 A7";
  for (int s = 12; s <= 44; ++s) text += " -0";
  text += " A9";  // line 45
  Lineup lineup = ParseLineup(text);
  OrderLineup(lineup);
  EXPECT_EQ(ModuleScore(lineup, k343), 71);
}

}  // namespace
}  // namespace corvalis
