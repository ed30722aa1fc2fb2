#include "rating/bench_votes.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

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

// The rating finds the player's row first and records through Record only
// when he has none: the same rows, sums and full register as Record alone,
// by name and by team, over many votes of a few names and teams, past the
// register's limit.
TEST(BenchVotesTest, FindThenAddVoteKeepsTheRowsOfRecord) {
  std::mt19937 random(5);
  const std::vector<std::string> teams = {"Alfa", "Beta", "Gamma"};
  const std::vector<std::string> votes = {"6", "6,5", "5.5", "7,25", "4"};
  for (bool by_team : {false, true}) {
    BenchVotes plain(by_team);
    BenchVotes found_first(by_team);
    for (int n = 0; n < 6000; ++n) {
      std::string name = random() % 40 == 0 ? "" : "GIOCATORE " + std::to_string(random() % 1200);
      const std::string& team = teams[random() % teams.size()];
      const std::string& vote = votes[random() % votes.size()];
      uint64_t hash = KeyIndex::Hash(name);
      bool recorded = plain.Record(name, "D", vote, team);
      if (BenchVotePlayer* player = found_first.Find(name, hash, team)) {
        BenchVotes::AddVote(*player, vote);
        ASSERT_TRUE(recorded);
      } else {
        ASSERT_EQ(found_first.Record(name, hash, "D", vote, team), recorded) << n;
      }
    }
    ASSERT_EQ(plain.players().size(), static_cast<size_t>(kBenchVotePlayers));
    ASSERT_EQ(found_first.players().size(), plain.players().size());
    for (size_t row = 0; row < plain.players().size(); ++row) {
      const BenchVotePlayer& a = plain.players()[row];
      const BenchVotePlayer& b = found_first.players()[row];
      ASSERT_EQ(a.name, b.name);
      ASSERT_EQ(a.team, b.team);
      ASSERT_EQ(a.votes, b.votes);
      ASSERT_EQ(a.VoteSumText(), b.VoteSumText());
    }
  }
}

}  // namespace
}  // namespace corvalis
