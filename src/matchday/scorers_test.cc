#include "matchday/scorers.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/fake_env.h"
#include "util/rank_rows.h"

namespace corvalis {
namespace {

struct Player {
  std::string role, name, vote, fantavoto;
};

class ScorersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* defaults[] = {"", "VA", "MG", "DF", "CE", "AT", ""};
    for (int k = 0; k <= kTieRules; ++k) s().tieRule[k] = defaults[k];
    s().home_team_name = "Alfa";
    s().away_team_name = "Beta";
  }

  // Fills the home side table as the calendar does, sorted by fantavoto.
  TextTable& Side(const std::vector<Player>& players) {
    TextTable& side = s().matchPlayersHome;
    side.Clear();
    for (size_t i = 0; i < players.size(); ++i) {
      int r = static_cast<int>(i) + 1;
      side.at(r, 1) = players[i].role;
      side.at(r, 2) = players[i].name;
      side.at(r, 3) = players[i].vote;
      side.at(r, 4) = players[i].fantavoto;
      side.at(r, 5) = players[i].fantavoto;
    }
    RankRows(side, kScorerRows, 4, 5);
    return side;
  }

  std::string Assign(const std::vector<Player>& players, double goals, int side = 0) {
    s().scorer_list.clear();
    s().scoring_side = side;
    AssignScorers(env_, s(), Side(players), goals);
    return s().scorer_list;
  }

  void Tally(const std::string& name, const std::string& goals) {
    int r = 1;
    while (!s().scorerTally.at(r, 1).empty()) ++r;
    s().scorerTally.at(r, 1) = name;
    s().scorerTally.at(r, 2) = goals;
    s().scorerTally.at(r, 3) = "Alfa";
  }

  SeasonStore& s() { return *store_; }
  std::string Surname(const std::string& name) { return SurnameOf(env_, s(), name); }

  FakeEnv env_;
  std::unique_ptr<SeasonStore> store_ = std::make_unique<SeasonStore>();
};

TEST_F(ScorersTest, SurnameDropsTheFirstNames) {
  EXPECT_EQ(Surname("ROSSI Mario"), "ROSSI");
  EXPECT_EQ(Surname("DE ROSSI D."), "DE ROSSI");
  EXPECT_EQ(Surname("DI NATALE Antonio"), "DI NATALE");
  EXPECT_EQ(Surname("DELL'AGNELLO Gian Marco"), "DELL'AGNELLO");
  EXPECT_EQ(Surname("PIPPO"), "PIPPO");
  EXPECT_EQ(Surname("DE ROSSI  D."), "DE ROSSI");
  EXPECT_EQ(Surname(""), "");
  EXPECT_TRUE(env_.messages().empty());
}

// Accented capitals are capitals in the run's encoding: in Windows-1252
// 0xC8 is "È", in UTF-8 "È" and "Ć" are two bytes each; a lower-case
// accented letter still ends a first name.
TEST_F(ScorersTest, AccentedSurnamesInEitherEncoding) {
  s().encoding = TextEncoding::kWindows1252;
  EXPECT_EQ(Surname("MONT\xC8 Ivan"), "MONT\xC8");
  EXPECT_EQ(Surname("DE ROSSI Nicol\xF2"), "DE ROSSI");
  EXPECT_EQ(Assign({{"A", "MONT\xC8 Ivan", "8", "12"}}, 1), "Mont\xE8");
  s().encoding = TextEncoding::kUtf8;
  EXPECT_EQ(Surname("MONT\xC3\x88 Ivan"), "MONT\xC3\x88");
  EXPECT_EQ(Surname("VLAHOVI\xC4\x86 Dusan"), "VLAHOVI\xC4\x86");
  EXPECT_EQ(Surname("PAPADOPOULOS \xCE\xBD\xCE\xAF\xCE\xBA\xCE\xBF\xCF\x82"),
            "PAPADOPOULOS");  // "νίκος"
  EXPECT_EQ(Assign({{"A", "VLAHOVI\xC4\x86 Dusan", "8", "12"}}, 1), "Vlahovi\xC4\x87");
  EXPECT_TRUE(env_.messages().empty()) << env_.MessageTexts()[0];
  s().encoding = TextEncoding::kWindows1252;
  EXPECT_EQ(Surname("Mont\xE8 Ivan"), "Mont\xE8");  // lower case to the end
  EXPECT_EQ(env_.MessageTexts().size(), 2u);
}

TEST_F(ScorersTest, LowerCaseSurnameWarnsOncePerName) {
  EXPECT_EQ(Surname("Rossi Mario"), "Rossi");
  EXPECT_EQ(env_.MessageTexts(),
            (std::vector<std::string>{
                "WARNING: C'\xE8 un giocatore con il cognome scritto in minuscolo?", "Rossi"}));
  EXPECT_EQ(env_.messages()[0].kind, MessageKind::kWarning);
  EXPECT_EQ(Surname("Rossi Mario"), "Rossi");
  EXPECT_EQ(Surname("Rafinha"), "Rafinha");
  EXPECT_EQ(env_.MessageTexts().size(), 4u);
  EXPECT_EQ(env_.MessageTexts()[3], "Rafinha");
}

TEST_F(ScorersTest, EachGoalLowersTheScorerByThree) {
  // 9 and 7: the 9 scores, drops to 6, and the 7 scores the second.
  EXPECT_EQ(Assign({{"A", "NOVE Primo", "7", "9"}, {"C", "SETTE S.", "6.5", "7"}}, 2),
            "Nove, Sette");
  const TextTable& side = s().matchPlayersHome;
  EXPECT_EQ(side.at(1, 2), "NOVE Primo");
  EXPECT_EQ(side.at(1, 4), " 6");
  EXPECT_EQ(side.at(2, 4), " 4");
  EXPECT_EQ(side.at(2, 5), " 4");

  // 10 and 6.5: the 10 scores both (10, then 7).
  EXPECT_EQ(Assign({{"C", "SEI E MEZZO", "6.5", "6.5"}, {"A", "DE DIECI Tino", "8", "10"}}, 2),
            "De dieci, De dieci");
  EXPECT_EQ(side.at(1, 2), "SEI E MEZZO");
  EXPECT_EQ(side.at(2, 4), " 4");

  const TextTable& tally = s().scorerTally;
  EXPECT_EQ(tally.at(1, 1), "NOVE Primo");
  EXPECT_EQ(tally.at(1, 2), " 1");
  EXPECT_EQ(tally.at(1, 3), "Alfa");
  EXPECT_EQ(tally.at(2, 1), "SETTE S.");
  EXPECT_EQ(tally.at(3, 1), "DE DIECI Tino");
  EXPECT_EQ(tally.at(3, 2), " 2");
  EXPECT_EQ(tally.at(4, 1), "");
}

TEST_F(ScorersTest, NoGoalsOrNoPlayersNoScorer) {
  EXPECT_EQ(Assign({{"A", "NOVE", "7", "9"}}, 0), "");
  EXPECT_EQ(Assign({{"A", "NOVE", "7", "9"}}, -1), "");
  EXPECT_EQ(Assign({}, 2), "");
  EXPECT_EQ(s().scorerTally.at(1, 1), "");
  // One player left: he takes every goal.
  EXPECT_EQ(Assign({{"A", "SOLO", "6", "6"}}, 3, 1), "Solo, Solo, Solo");
  EXPECT_EQ(s().scorerTally.at(1, 2), " 3");
  EXPECT_EQ(s().scorerTally.at(1, 3), "Beta");
  EXPECT_EQ(s().matchPlayersHome.at(1, 4), "-3");
}

TEST_F(ScorersTest, DefaultRulesBetweenTwoDefendersAndAForward) {
  std::vector<Player> tied = {{"A", "AVANTI", "6", "8"},
                              {"D", "DIFESA Uno", "6", "8"},
                              {"DR", "DIFESA Due", "6", "8"}};
  // No season goals for anyone: "MG" leaves them tied, "DF" puts the
  // forward behind, and the earlier defender wins the remaining tie.
  EXPECT_EQ(Assign(tied, 1), "Difesa");
  EXPECT_EQ(s().scorerTally.at(1, 1), "DIFESA Uno");

  // "MG" first: the player with the fewest season goals is ahead.
  s().scorerTally.Clear();
  Tally("AVANTI", " 1");
  Tally("DIFESA Uno", " 2");
  Tally("DIFESA Due", " 1");
  EXPECT_EQ(Assign(tied, 1), "Difesa");
  EXPECT_EQ(s().scorerTally.at(3, 1), "DIFESA Due");
  EXPECT_EQ(s().scorerTally.at(3, 2), " 2");

  // A player without a tally row takes no part in "MG": the forward with
  // one goal is as good as the defenders without any.
  s().scorerTally.Clear();
  Tally("AVANTI", " 1");
  EXPECT_EQ(Assign(tied, 1), "Difesa");
  EXPECT_EQ(s().scorerTally.at(2, 1), "DIFESA Uno");
}

TEST_F(ScorersTest, VoteRuleAloneLeavesTheTableOrder) {
  for (int k = 1; k <= kTieRules; ++k) s().tieRule[k] = k == 1 ? "VA" : "";
  // Votes 6, 7, 7: "VA" keeps the two sevens tied, the empty slot stops,
  // and the first of them in table order scores.
  EXPECT_EQ(Assign({{"A", "PRIMO", "6", "8"}, {"A", "SECONDO", "7", "8"}, {"D", "TERZO", "7", "8"}},
                   1),
            "Secondo");
  const TextTable& side = s().matchPlayersHome;
  EXPECT_EQ(side.at(1, 2), "TERZO");  // the scorer drops to 5, behind the others
  EXPECT_EQ(side.at(2, 2), "PRIMO");
  EXPECT_EQ(side.at(3, 2), "SECONDO");
  EXPECT_EQ(side.at(3, 4), " 5");

  // Equal numbers written differently are equal.
  EXPECT_EQ(Assign({{"A", "PRIMO", "6.50", "8"}, {"A", "SECONDO", "6.5", "8.0"}}, 1), "Primo");
}

TEST_F(ScorersTest, MostGoalsRuleAndRoleRules) {
  for (int k = 1; k <= kTieRules; ++k) s().tieRule[k] = k == 1 ? "PG" : "";
  Tally("UNO", " 1");
  Tally("DUE", " 3");
  EXPECT_EQ(Assign({{"D", "UNO", "6", "7"}, {"D", "DUE", "6", "7"}, {"A", "TRE", "6", "7"}}, 1),
            "Due");
  // "PG" leaves the player without a tally row tied with the best; "AT"
  // then prefers the forward.
  s().tieRule[2] = "AT";
  s().scorerTally.Clear();
  Tally("UNO", " 1");
  EXPECT_EQ(Assign({{"D", "UNO", "6", "7"}, {"A", "TRE", "6", "7"}}, 1), "Tre");
  // A rule label the program does not know ends the tie-break.
  s().tieRule[1] = "XX";
  EXPECT_EQ(Assign({{"D", "UNO", "6", "7"}, {"A", "TRE", "6", "7"}}, 1), "Uno");
}

TEST_F(ScorersTest, SqTellsNamesApartByTeam) {
  CountScorer(env_, s(), "ROSSI", "Alfa");
  CountScorer(env_, s(), "ROSSI", "Beta");
  EXPECT_EQ(s().scorerTally.at(1, 2), " 2");
  EXPECT_EQ(s().scorerTally.at(1, 3), "Beta");  // the team of the latest goal
  EXPECT_EQ(s().scorerTally.at(2, 1), "");

  s().scorerTally.Clear();
  s().sq_flag = 1;
  CountScorer(env_, s(), "ROSSI", "Alfa");
  CountScorer(env_, s(), "ROSSI", "Beta");
  CountScorer(env_, s(), "ROSSI", "Alfa");
  EXPECT_EQ(s().scorerTally.at(1, 2), " 2");
  EXPECT_EQ(s().scorerTally.at(1, 3), "Alfa");
  EXPECT_EQ(s().scorerTally.at(2, 2), " 1");
  EXPECT_EQ(s().scorerTally.at(2, 3), "Beta");
}

TEST_F(ScorersTest, FullTallyWarnsOnceAndKeepsCountingKnownPlayers) {
  for (int r = 1; r <= kPlayerRows; ++r) Tally("P" + std::to_string(r), " 1");
  CountScorer(env_, s(), "NUOVO", "Alfa");
  CountScorer(env_, s(), "ALTRO", "Alfa");
  CountScorer(env_, s(), "P1000", "Alfa");
  ASSERT_EQ(env_.MessageTexts().size(), 1u);
  EXPECT_NE(env_.MessageTexts()[0].find("NUOVO"), std::string::npos);
  EXPECT_EQ(s().scorerTally.at(1000, 2), " 2");
  EXPECT_EQ(s().scorerTally.at(0, 1), "");
}

}  // namespace
}  // namespace corvalis
