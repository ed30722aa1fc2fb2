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
    ranked.push_back(std::string(c.name) + " " + std::string(c.team) + " " + FigureText(c));
  }
  EXPECT_EQ(ranked, (std::vector<std::string>{"ROSSI Beta 8", "BIANCHI Alfa 7", "VERDI Beta 7",
                                              "NERI Beta -1"}));
}

// The season list goes by the average as its figure is written, cut to
// hundredths: averages that print alike tie and keep their order, however
// their sums were made.
TEST(ElevensTest, SeasonListGoesByTheWrittenAverage) {
  const std::vector<SeasonPlayer> players = {
      {"D", "ROSSI", "Alfa", 6.1 + 6.2, 2},     {"C", "BIANCHI", "Alfa", 12.309, 2},
      {"A", "VERDI", "Beta", 20.0 / 3 * 3, 3},  {"P", "NERI", "Beta", 0, 0},
      {"C", "GIALLI", "Beta", -19998.5, 2},      {"D", "VIOLA", "Alfa", 1e300 * 1e10, 1}};
  int min_presences = -1;
  std::vector<std::string> ranked;
  for (const ElevenCandidate& c : RankSeason(players, 50, &min_presences)) {
    ranked.push_back(std::string(c.name) + FigureText(c));
  }
  EXPECT_EQ(ranked, (std::vector<std::string>{"VERDI 6.66", "ROSSI 6.15", "BIANCHI 6.15",
                                              "NERI 0", "VIOLA 0"}));
  EXPECT_EQ(min_presences, 0);  // half of 10 / 6 presences, floored
}

}  // namespace
}  // namespace corvalis
