#include "rating/bench_votes.h"

#include <gtest/gtest.h>

namespace corvalis {
namespace {

// The total of the underrated page (incomtot.htm) is the single vote as the
// export wrote it, then the sum of the votes as a number text; with SQ the
// same name on two teams is two players.
TEST(BenchVotesTest, TotalsAsKeptAndPlayersByTeamWithSq) {
  BenchVotes votes;
  EXPECT_TRUE(votes.Record("ROSSI M.", "D", "6.500", "Alfa"));
  EXPECT_TRUE(votes.Record("", "C", "7", "Alfa"));  // a nameless line: no row
  ASSERT_EQ(votes.players().size(), 1u);
  EXPECT_EQ(votes.players()[0].VoteSumText(), "6.500");
  EXPECT_TRUE(votes.Record("ROSSI M.", "D", "6", "Beta"));
  ASSERT_EQ(votes.players().size(), 1u);
  EXPECT_EQ(votes.players()[0].VoteSumText(), " 12.5");
  EXPECT_EQ(votes.players()[0].team, "Alfa");  // of his first vote

  BenchVotes by_team(true);
  by_team.Record("ROSSI M.", "D", "6.500", "Alfa");
  by_team.Record("ROSSI M.", "D", "6", "Beta");
  ASSERT_EQ(by_team.players().size(), 2u);
  EXPECT_EQ(by_team.players()[1].VoteSumText(), "6");
}

}  // namespace
}  // namespace corvalis
