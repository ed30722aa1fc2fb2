#include "rankings/elevens.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvalis {
namespace {

// The last matchday's list for Top 11 and Flop 11: a name met twice, on any
// team, keeps its highest fantavoto, and of equal ones the later line (so
// its team); a line without a name is nobody; equal fantavoti stay in line
// order.
TEST(ElevensTest, MatchdayListHasOneLinePerName) {
  const std::vector<MatchdayPlayer> players = {
      {"D", "ROSSI", "Alfa", "6"}, {"C", "BIANCHI", "Alfa", "7"}, {"D", "ROSSI", "Beta", "8"},
      {"A", "VERDI", "Alfa", "7"}, {"A", "VERDI", "Beta", "7"},   {"C", "", "Beta", "9"},
      {"P", "NERI", "Beta", "-1"}};
  std::vector<std::string> ranked;
  for (const ElevenCandidate& c : RankMatchday(players)) {
    ranked.push_back(std::string(c.name) + " " + std::string(c.team) + " " + c.figure);
  }
  EXPECT_EQ(ranked, (std::vector<std::string>{"ROSSI Beta 8", "BIANCHI Alfa 7", "VERDI Beta 7",
                                              "NERI Beta -1"}));
}

}  // namespace
}  // namespace corvalis
