#include "rating/lineup_rating.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <functional>
#include <random>
#include <vector>

namespace corvalis {
namespace {

// The plain reading of a module's score: every role's votes sorted, the
// places taken one by one while more than none stay free.
double PlainModuleScore(const std::vector<LineupEntry>& lines, const Module& module) {
  std::vector<double> votes[5];
  size_t n = std::min(lines.size(), static_cast<size_t>(kLineupSlots));
  for (size_t i = 0; i < n; ++i) {
    if (lines[i].role != Role::kNone && lines[i].vote != kNoVote) {
      votes[static_cast<int>(lines[i].role)].push_back(lines[i].vote);
    }
  }
  const double places[] = {0, 1, module.defenders, module.midfielders, module.forwards};
  double sum = 0;
  double left = 0;
  for (int role = 1; role <= 4; ++role) {
    std::sort(votes[role].begin(), votes[role].end(), std::greater<double>());
    double free_places = places[role];
    for (double vote : votes[role]) {
      if (free_places <= 0) break;
      free_places -= 1;
      sum += vote;
    }
    left += std::max(0.0, free_places);
  }
  if (left >= 1 && left <= 10) sum += 4;
  return sum + module.bonus;
}

LineupEntry Line(Role role, double vote) { return {role, vote}; }

// The best voted player of each role takes each place; a forward short
// leaves one place free, worth 4 points; bench votes count like the others.
TEST(RatedLineupTest, BestVotesTakeThePlacesAndFreePlacesAddFour) {
  std::vector<LineupEntry> lines = {
      Line(Role::kGoalkeeper, 6),   Line(Role::kDefender, 6.5),  Line(Role::kDefender, 5),
      Line(Role::kDefender, 7),     Line(Role::kMidfielder, 6),  Line(Role::kForward, 8),
      Line(Role::kDefender, 5.5),   Line(Role::kMidfielder, kNoVote),
      Line(Role::kNone, 10),        Line(Role::kGoalkeeper, 4)};
  RatedLineup lineup(lines);
  // 6 + (7 + 6.5 + 5.5) + 6 + 8, then two places free, then the bonus.
  EXPECT_EQ(lineup.ModuleScore(ModulePlaces(Module{3, 2, 1, 0.5})), 39 + 4 + 0.5);
  // Three forwards: one taken, two free.
  EXPECT_EQ(lineup.ModuleScore(ModulePlaces(Module{3, 1, 3, 0})), 39 + 4);
  // Eleven places free of twelve: too many for the 4 points.
  EXPECT_EQ(lineup.ModuleScore(ModulePlaces(Module{4, 10, 3, 0})),
            6 + 7 + 6.5 + 5.5 + 5 + 6 + 8);
  // No vote at all: all eleven places free, no points; four free are worth them.
  EXPECT_EQ(RatedLineup().ModuleScore(ModulePlaces(Module{3, 4, 3, 1})), 1);
  EXPECT_EQ(RatedLineup().ModuleScore(ModulePlaces(Module{1, 1, 1, 1})), 4 + 1);
}

// The fast reading gives the plain one's numbers to the bit, whatever the
// lineup and whatever conf.txt's modules say (fractions, negative and huge
// numbers of places, equal and signed-zero votes, blocks over the limit).
TEST(RatedLineupTest, SameScoresAsThePlainReading) {
  std::mt19937_64 random(5);
  const std::vector<double> place_numbers = {0,   1,    2,   3,    4,     5,    6,
                                             -1,  -0.5, 0.5, 2.5,  3.25,  10,   11,
                                             79,  80,   81,  1e9,  1e300, 9007199254740993.0,
                                             0.1, -1e300};
  const std::vector<double> vote_values = {6,   6.5,  5.5, 7,   0,    -0.0, -0.5, 10,
                                           4.5, 18.5, 1e15, 0.1, 0.2, 0.3,  -3,   kNoVote};
  std::uniform_int_distribution<size_t> place_pick(0, place_numbers.size() - 1);
  std::uniform_int_distribution<size_t> vote_pick(0, vote_values.size() - 1);
  std::uniform_int_distribution<int> role_pick(0, 4);
  std::uniform_int_distribution<int> size_pick(0, 40);
  std::uniform_real_distribution<double> any_vote(-20, 30);
  auto bits = [](double value) { return std::bit_cast<uint64_t>(value); };
  for (int round = 0; round < 3000; ++round) {
    std::vector<LineupEntry> lines(round % 50 == 0 ? 100 : size_pick(random));
    for (LineupEntry& line : lines) {
      line.role = static_cast<Role>(role_pick(random));
      line.vote = round % 3 == 0 ? any_vote(random) : vote_values[vote_pick(random)];
    }
    RatedLineup lineup(lines);
    for (int m = 0; m < 8; ++m) {
      Module module{place_numbers[place_pick(random)], place_numbers[place_pick(random)],
                    place_numbers[place_pick(random)], m % 2 == 0 ? 0 : 1.5};
      double fast = lineup.ModuleScore(ModulePlaces(module));
      double plain = PlainModuleScore(lines, module);
      ASSERT_EQ(bits(fast), bits(plain)) << "round " << round << " module " << m << ": "
                                         << fast << " against " << plain;
    }
  }
}

}  // namespace
}  // namespace corvalis
