#include "matchday/scorers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "platform/fake_env.h"
#include "util/text.h"

namespace corvalis {
namespace {

SidePlayer Player(std::string_view code, std::string_view name, double fantavoto,
                  std::string_view vote = "6", int season_row = -1) {
  return {code, name, vote, 0, fantavoto, fantavoto, season_row, KeyIndex::Hash(name)};
}

class ScorersTest : public ::testing::Test {
 protected:
  // The side in line order hands out `goals` for "Alfa"; the
  // scorers logged, shown as the calendar shows them.
  std::string Assign(std::initializer_list<SidePlayer> players, double goals) {
    SideTable side;
    for (const SidePlayer& player : players) side.Add(player);
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

// The plain reading of the ranking: which places count is settled first,
// then one insertion sort over the places in their order.
void PlainRankPlaces(SideTable& side, int n, double SidePlayer::*column) {
  std::vector<double> player_values;
  for (int r = 0; r < n; ++r) {
    if (!side[r].code.empty() && side[r].*column > -9999) player_values.push_back(side[r].*column);
  }
  std::vector<std::pair<double, uint8_t>> kept;
  for (int r = 0; r < n; ++r) {
    double value = side[r].*column;
    bool player = !side[r].code.empty() && value > -9999;
    if (!player && std::find(player_values.begin(), player_values.end(), value) ==
                       player_values.end()) {
      continue;
    }
    kept.emplace_back(value, side.rank[r]);
    for (size_t j = kept.size() - 1; j > 0 && kept[j - 1].first < value; --j) {
      std::swap(kept[j], kept[j - 1]);
    }
  }
  for (size_t k = 0; k < kept.size(); ++k) side.rank[k] = kept[k].second;
  for (int r = static_cast<int>(kept.size()); r < n; ++r) side.rank[r] = kScorerPlaces;
}

// The ranking gives the plain reading's order whatever the places hold:
// sides partly ranked already, with empty places in between, places of
// nobody or shared slots, values at -9999 and below, NaN, both zeros, ties;
// and again after the first place's value is lowered, as after a goal.
TEST(RankPlacesTest, SameOrderAsThePlainReading) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const std::vector<double> values = {0, -0.0, 6, 6, 6.5, 5.5, 3, -3, -9999, -10000, nan, 7, 1e300};
  std::mt19937 random(3);
  auto pick = [&](int below) { return static_cast<int>(random() % below); };
  for (int round = 0; round < 20000; ++round) {
    SideTable side;
    int size = pick(kScorerPlaces + 1);
    for (int i = 0; i < size; ++i) {
      SidePlayer player;
      player.code = pick(8) == 0 ? "" : "C";
      player.fantavoto = values[pick(values.size())];
      player.working = pick(2) == 0 ? player.fantavoto : values[pick(values.size())];
      side.Add(player);
    }
    if (pick(3) == 0) {
      for (uint8_t& slot : side.rank) slot = static_cast<uint8_t>(pick(kScorerPlaces + 1));
    }
    int n = pick(2) == 0 ? kScorerPlaces : 1 + pick(kScorerPlaces);
    double SidePlayer::*column = pick(2) == 0 ? &SidePlayer::fantavoto : &SidePlayer::working;
    SideTable plain = side;
    for (int step = 0; step < 3; ++step) {
      RankPlaces(side, n, column);
      PlainRankPlaces(plain, n, column);
      ASSERT_EQ(side.rank, plain.rank) << "round " << round << " step " << step;
      if (side.rank[0] == kScorerPlaces) break;
      double& first = side[0].*column;
      first = pick(4) == 0 ? values[pick(values.size())] : first - 3;
      plain[0].*column = first;
    }
  }
}

// The leader found from the players' slots is SoleLeader's over generated
// sides as the calendar fills them, every player with a code: ties, values
// of 0 beside the empty places, at -9999 and below; with the places in line
// order, then after goals (the scorer moved ahead, 3 less) or rankings.
TEST(SoleLeaderTest, CodedSideHasTheLeaderOfThePlaces) {
  const std::vector<double> values = {0, -0.0, 6, 6, 6.5, 3, -3, -9999, -10000, 7, 9};
  std::mt19937 random(5);
  auto pick = [&](size_t below) { return static_cast<int>(random() % below); };
  for (int round = 0; round < 20000; ++round) {
    SideTable side;
    int size = pick(kScorerPlaces + 1);
    for (int i = 0; i < size; ++i) {
      SidePlayer player;
      player.code = "C";
      player.fantavoto = values[pick(values.size())];
      side.Add(player);
    }
    for (int step = 0; step < 6; ++step) {
      int leader = SoleLeader(side);
      ASSERT_EQ(SoleLeaderOfCodedSide(side), leader) << "round " << round << " step " << step;
      if (leader >= 0 && pick(3) != 0) {
        side[leader].fantavoto -= 3;
        std::rotate(side.rank.begin(), side.rank.begin() + leader,
                    side.rank.begin() + leader + 1);
      } else {
        if (side.size > 0 && pick(2) == 0) side.players[pick(side.size)].fantavoto -= 3;
        RankSide(side);
      }
    }
  }
}

// The plain reading of the assignment with one tie-break rule of role: the
// side ranked before the first goal and after every goal.
std::vector<std::string_view> PlainScorers(SideTable side, double goals, std::string_view rule) {
  std::vector<std::string_view> names;
  RankSide(side);
  for (int goal = 1; goal <= goals; ++goal) {
    if (side[0].code.empty()) break;
    int tied = 1;
    while (tied < kScorerPlaces && !side[tied].code.empty() &&
           side[tied].fantavoto == side[0].fantavoto) {
      ++tied;
    }
    if (tied > 1 && !rule.empty()) {
      for (int r = 0; r < tied; ++r) {
        if (side[r].code.substr(0, 1) != rule.substr(0, 1)) {
          side[r].working = ReadBack15(side[r].working - 0.01);
        }
      }
      RankPlaces(side, tied, &SidePlayer::working);
    }
    names.push_back(side[0].name);
    side[0].fantavoto = ReadBack15(side[0].fantavoto - 3);
    for (int i = 0; i < side.size; ++i) side.players[i].working = side.players[i].fantavoto;
    RankSide(side);
  }
  return names;
}

// The assignment names the plain reading's scorers, goal after goal, over
// generated sides: ties, players at -9999 and below, empty codes, sv/ng
// players at 0 beside the empty places, fractions of goals.
TEST(AssignScorersTest, SameScorersAsThePlainReading) {
  const std::vector<double> values = {0, -0.0, 6, 6, 6.5, 7, 7, 3, 3.5, 9, -2, -9999, -10000};
  const std::vector<std::string_view> codes = {"D", "C", "A", "A", "C", "Cs", ""};
  const std::vector<double> goal_counts = {0, 0.5, 1, 1, 1.5, 2, 2, 3, 4, 7};
  const std::vector<std::string> rules = {"", "DF", "CE", "AT"};
  std::vector<std::string> names;
  for (int i = 0; i < kScorerPlaces; ++i) names.push_back("GIOCATORE " + std::to_string(i));
  std::mt19937 random(9);
  auto pick = [&](size_t below) { return random() % below; };
  for (int round = 0; round < 10000; ++round) {
    SideTable side;
    int size = static_cast<int>(pick(kScorerPlaces + 1));
    // Half the sides as the calendar fills them, every player with a code.
    size_t code_choices = round % 2 == 0 ? codes.size() : codes.size() - 1;
    for (int i = 0; i < size; ++i) {
      double fantavoto = values[pick(values.size())];
      side.Add({codes[pick(code_choices)], names[i], "6", 0, fantavoto, fantavoto, -1});
    }
    double goals = goal_counts[pick(goal_counts.size())];
    League league;
    league.tie_rules[0] = rules[pick(rules.size())];
    std::vector<std::string_view> plain = PlainScorers(side, goals, league.tie_rules[0]);

    CalendarLog log;
    log.BeginDay(1, 1);
    Tally scorers{false, true};
    Tally awards{false, false};
    CalendarContext context{league, log, scorers, awards};
    AssignScorers(context, side, goals, "Alfa", true);
    std::vector<std::string_view> chosen;
    for (const CalendarLog::Step& step : log.days()[0].steps) {
      if (step.kind == CalendarLog::Step::kHomeScorer) {
        chosen.push_back(log.name(log.player(step.index).name));
      }
    }
    ASSERT_EQ(chosen, plain) << "round " << round;
  }
}

}  // namespace
}  // namespace corvalis
