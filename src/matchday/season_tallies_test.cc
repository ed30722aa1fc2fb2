#include "matchday/season_tallies.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/fake_env.h"

namespace corvalis {
namespace {

class SeasonTalliesTest : public ::testing::Test {
 protected:
  SeasonStore& s() { return *store_; }

  // Writes a matchdayPlayers row and adds it to the season.
  void Line(int n, const std::string& role, const std::string& name, const std::string& team,
            const std::string& fantavoto) {
    s().matchdayPlayers.at(n, 1) = role;
    s().matchdayPlayers.at(n, 2) = name;
    s().matchdayPlayers.at(n, 3) = team;
    s().matchdayPlayers.at(n, 4) = fantavoto;
    AddSeasonLine(env_, s(), n);
  }

  // A team with `matches` matches and the season score sum `sum`, which
  // scored `score` in the match being read.
  void Team(int t, double sum, double matches, double score) {
    s().teamSeason[t][kSnScoreSum] = sum;
    s().teamSeason[t][kSnMatches] = matches;
    s().teamParziale[t] = score;
  }

  FakeEnv env_;
  std::unique_ptr<SeasonStore> store_ = std::make_unique<SeasonStore>();
};

TEST_F(SeasonTalliesTest, OneRowPerNameWithItsTextForms) {
  Line(1, "C", "ROSSI M.", "Alfa", "6.5");
  Line(2, "P", "VERDI P.", "Beta", "sv/ng");
  s().matchdayPlayers.Clear();
  Line(1, "A", "ROSSI M.", "Gamma", "7");
  Line(2, "P", "VERDI P.", "Beta", "5");

  const TextTable& t = s().seasonPlayerTotals;
  EXPECT_EQ(t.at(1, 1), "C");  // the first line's role and team stay
  EXPECT_EQ(t.at(1, 2), "ROSSI M.");
  EXPECT_EQ(t.at(1, 3), "Alfa");
  EXPECT_EQ(t.at(1, 4), " 13.5");
  EXPECT_EQ(t.at(1, 5), " 2");
  EXPECT_EQ(t.at(2, 4), " 5");  // "sv/ng" counts as 0
  EXPECT_EQ(t.at(2, 5), " 2");
  EXPECT_EQ(t.at(3, 2), "");

  Line(3, "D", "BIANCHI", "Beta", "6");
  EXPECT_EQ(t.at(3, 4), "6");  // a new row keeps the text as read
  EXPECT_EQ(t.at(3, 5), "1");
}

TEST_F(SeasonTalliesTest, FullTableLeavesNewPlayersOutWithOneWarning) {
  for (int r = 1; r <= kPlayerRows; ++r) {
    s().seasonPlayerTotals.at(r, 2) = "P" + std::to_string(r);
    s().seasonPlayerTotals.at(r, 5) = "1";
  }
  Line(1, "C", "NUOVO", "Alfa", "6");
  Line(2, "C", "ALTRO", "Alfa", "6");
  Line(3, "C", "P1000", "Alfa", "6");
  EXPECT_EQ(env_.MessageTexts().size(), 1u);
  EXPECT_EQ(s().seasonPlayerTotals.at(1000, 5), " 2");
  EXPECT_EQ(s().seasonPlayerTotals.at(0, 2), "");
}

TEST_F(SeasonTalliesTest, EachSideBooksItsDeviationToTheOther) {
  // Home: average 70, this match 76; away: average 65, this match 60.
  Team(1, 420, 6, 76);
  Team(2, 390, 6, 60);
  AccumulateLuck(s(), 1, 2);
  EXPECT_DOUBLE_EQ(s().luck[2][kLuckSum], 6);
  EXPECT_EQ(s().luck[2][kLuckCount], 1);
  EXPECT_DOUBLE_EQ(s().luck[1][kLuckSum], -5);
  EXPECT_EQ(s().luck[1][kLuckCount], 1);
  AccumulateLuck(s(), 2, 1);
  EXPECT_DOUBLE_EQ(s().luck[2][kLuckSum], 12);
  EXPECT_EQ(s().luck[1][kLuckCount], 2);
}

TEST_F(SeasonTalliesTest, ExactlyThreeAndMissingSidesBookNothing) {
  Team(1, 420, 6, 3);
  Team(2, 390, 6, 60);
  AccumulateLuck(s(), 1, 2);
  EXPECT_EQ(s().luck[2][kLuckCount], 0);  // the 3 books nothing
  EXPECT_DOUBLE_EQ(s().luck[1][kLuckSum], -5);

  Team(1, 420, 6, 3.001);
  AccumulateLuck(s(), 1, 2);
  EXPECT_EQ(s().luck[2][kLuckCount], 1);

  s().luck.Clear();
  AccumulateLuck(s(), 1, kUnsetTeam);
  EXPECT_EQ(s().luck[1][kLuckCount], 0);

  Team(3, 0, 0, 50);  // no match counted: no average to compare with
  AccumulateLuck(s(), 3, 2);
  EXPECT_EQ(s().luck[2][kLuckCount], 0);
  EXPECT_EQ(s().luck[3][kLuckCount], 1);
}

}  // namespace
}  // namespace corvalis
