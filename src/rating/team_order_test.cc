#include "rating/team_order.h"

#include <gtest/gtest.h>

#include <memory>

namespace corvalis {
namespace {

TEST(TeamOrderTest, StableSortMovesTheRatingRowsOnly) {
  auto store = std::make_unique<SeasonStore>();
  SeasonStore& s = *store;
  s.num_teams = 4;
  const char* names[] = {"", "Alfa", "Beta", "Gamma", "Delta"};
  const double keys[] = {0, 3, 1, 3, 1};
  for (int t = 1; t <= 4; ++t) {
    s.teamName[t] = s.teamTitle[t] = names[t];
    s.teamSeason[t][kSnAverageGap] = keys[t];
    s.lineupSlot[t][1].vote = t;
  }
  StartTeamOrder(s);
  SortTeamRows(s, [](const SeasonRow& row) { return row[kSnAverageGap]; });

  const char* sorted[] = {"", "Beta", "Delta", "Alfa", "Gamma"};
  for (int row = 1; row <= 4; ++row) {
    EXPECT_EQ(s.teamName[row], sorted[row]);
    EXPECT_EQ(s.teamTitle[row], names[row]);
    int team = s.teamConfNumber[row];
    EXPECT_EQ(s.teamName[row], names[team]);
    EXPECT_EQ(s.teamSeason[row][kSnAverageGap], keys[team]);
    EXPECT_EQ(s.lineupSlot[row][1].vote, team);
    EXPECT_EQ(SortedRowOf(s, team), row);
  }
}

}  // namespace
}  // namespace corvalis
