#include "matchday/scorers.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "platform/fake_env.h"

namespace corvalis {
namespace {

SidePlayer Player(std::string_view code, std::string_view name, double fantavoto,
                  std::string_view vote = "6", int season_row = -1) {
  return {code, name, vote, 0, fantavoto, fantavoto, season_row};
}

class ScorersTest : public ::testing::Test {
 protected:
  // The side in line order, ranked, hands out `goals` for "Alfa"; the
  // scorers logged, shown as the calendar shows them.
  std::string Assign(std::initializer_list<SidePlayer> players, double goals) {
    SideTable side;
    for (const SidePlayer& player : players) side.Add(player);
    RankSide(side);
    CalendarLog log;
    log.BeginDay(1, 1);
    CalendarContext context{league_, log, scorers_, awards_};
    AssignScorers(context, side, goals, "Alfa", true);
    std::string shown;
    for (const CalendarLog::Step& step : log.days()[0].steps) {
      if (step.kind != CalendarLog::Step::kHomeScorer) continue;
      if (!shown.empty()) shown += ", ";
      const ShownPlayer& player = log.player(step.index);
      std::string_view name =
          player.season_row < 0 ? log.name(player.name) : season_names_[player.season_row];
      shown += surnames_.Of(surname_context_, name, player.season_row);
    }
    return shown;
  }

  FakeEnv env_;
  League league_;
  OnceWarnings warned_;
  Tally scorers_{false, true};
  Tally awards_{false, false};
  SurnameContext surname_context_{env_, warned_, TextEncoding::kUtf8};
  ShownSurnames surnames_;
  std::vector<std::string> season_names_ = {"rossi mario"};  // the names of the rows used
};

// Each goal costs its scorer 3, so the next goal may go to another player.
TEST_F(ScorersTest, GoalsGoBestFirstEachCostingThree) {
  EXPECT_EQ(Assign({Player("C", "DE ROSSI D.", 7), Player("A", "BIANCHI", 6.5),
                    Player("D", "VERDI", 5)},
                   4),
            "De rossi, Bianchi, Verdi, De rossi");
  ASSERT_EQ(scorers_.rows().size(), 3u);
  EXPECT_EQ(scorers_.rows()[0].name, "DE ROSSI D.");
  EXPECT_EQ(scorers_.rows()[0].count, 2);
  EXPECT_EQ(scorers_.rows()[2].team, "Alfa");
}

// Without rules the first in line order scores; the plain vote (read from
// its text, with a decimal comma) or the role can decide instead.
TEST_F(ScorersTest, TiesByLineOrderOrByTheRules) {
  auto tied = {Player("C", "ROSSI", 6, "6"), Player("A", "NERI", 6, "6,5")};
  EXPECT_EQ(Assign(tied, 1), "Rossi");
  league_.tie_rules[0] = "VA";
  EXPECT_EQ(Assign(tied, 1), "Neri");
  league_.tie_rules[0] = "CE";
  EXPECT_EQ(Assign(tied, 1), "Rossi");
  league_.tie_rules[0] = "AT";
  EXPECT_EQ(Assign(tied, 1), "Neri");
}

// A fantavoto of -9999 or below takes a player out of the ranking for good.
TEST_F(ScorersTest, PlayerAtMinus9999IsLeftOut) {
  EXPECT_EQ(Assign({Player("C", "ROSSI", -9999)}, 2), "");
  EXPECT_EQ(Assign({Player("C", "ROSSI", -9999), Player("D", "NERI", -20)}, 2), "Neri, Neri");
  EXPECT_EQ(scorers_.rows().size(), 1u);
}

// The warning for a surname left in lower case comes once, however often
// the player scores, with a row of the season's players or without.
TEST_F(ScorersTest, LowerCaseSurnameWarnsOnce) {
  EXPECT_EQ(Assign({Player("A", "rossi mario", 9, "6", 0)}, 2), "rossi, rossi");
  EXPECT_EQ(Assign({Player("A", "rossi mario", 9)}, 1), "rossi");
  ASSERT_EQ(env_.messages().size(), 2u);
  EXPECT_EQ(env_.messages()[1].text, "rossi");
}

}  // namespace
}  // namespace corvalis
