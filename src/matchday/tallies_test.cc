#include "matchday/tallies.h"

#include <gtest/gtest.h>

namespace corvalis {
namespace {

// A player who changes team: without SQ he is one row, which follows him to
// the team of his latest goal but keeps the team of his first award; with SQ
// each team has its own row, and the rows of one name are linked.
TEST(TallyTest, TeamOfAPlayerWhoMoves) {
  Tally scorers(false, true);
  Tally awards(false, false);
  Tally by_team(true, true);
  for (const char* team : {"Alfa", "Beta", "Beta"}) {
    EXPECT_TRUE(scorers.Count("ROSSI M.", team));
    EXPECT_TRUE(awards.Count("ROSSI M.", team));
    EXPECT_TRUE(by_team.Count("ROSSI M.", team));
  }
  ASSERT_EQ(scorers.rows().size(), 1u);
  EXPECT_EQ(scorers.rows()[0].team, "Beta");
  EXPECT_EQ(scorers.rows()[0].count, 3);
  ASSERT_EQ(awards.rows().size(), 1u);
  EXPECT_EQ(awards.rows()[0].team, "Alfa");
  ASSERT_EQ(by_team.rows().size(), 2u);
  EXPECT_EQ(by_team.FirstNamed("ROSSI M."), 0);
  EXPECT_EQ(by_team.rows()[0].next_same_name, 1);
  EXPECT_EQ(by_team.rows()[1].team, "Beta");
  EXPECT_EQ(by_team.rows()[1].count, 2);
  EXPECT_EQ(by_team.FirstNamed("BIANCHI"), -1);
}

}  // namespace
}  // namespace corvalis
