#include "rankings/eleven_preparation.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace corvalis {
namespace {

// Rows of cells from row 1, column 1.
void Fill(TextTable& table, const std::vector<std::vector<std::string>>& rows) {
  for (size_t r = 0; r < rows.size(); ++r) {
    for (size_t c = 0; c < rows[r].size(); ++c) {
      table.at(static_cast<int>(r) + 1, static_cast<int>(c) + 1) = rows[r][c];
    }
  }
}

std::vector<std::string> Column(const TextTable& table, int c, int n) {
  std::vector<std::string> out;
  for (int r = 1; r <= n; ++r) out.push_back(table.at(r, c));
  return out;
}

TEST(ElevenPreparationTest, NameListedTwiceKeepsItsHighestFantavoto) {
  auto store = std::make_unique<SeasonStore>();
  Fill(store->matchdayPlayers, {{"D", "ROSSI", "Alfa", "6"},
                                {"C", "BIANCHI", "Alfa", "7"},
                                {"D", "ROSSI", "Beta", "8"},
                                {"A", "VERDI", "Alfa", "7"},
                                {"A", "VERDI", "Beta", "7"},
                                {"P", "NERI", "Beta", "5"}});
  PrepareMatchdayElevens(*store);
  // Of equal fantavoto the later row stays; names count whatever the team.
  EXPECT_EQ(Column(store->matchdayPlayers, 2, 5),
            (std::vector<std::string>{"ROSSI", "BIANCHI", "VERDI", "NERI", ""}));
  EXPECT_EQ(Column(store->matchdayPlayers, 3, 4),
            (std::vector<std::string>{"Beta", "Alfa", "Beta", "Beta"}));
  EXPECT_EQ(Column(store->flopCandidates, 2, 5),
            (std::vector<std::string>{"NERI", "VERDI", "BIANCHI", "ROSSI", ""}));
}

TEST(ElevenPreparationTest, NegativeFantavotoStaysInTheFlopListBesideNoVotes) {
  // Free rows sorted among the players without a vote (fantavoto 0) would
  // end the list before the player at -1, the worst of the matchday.
  auto store = std::make_unique<SeasonStore>();
  Fill(store->matchdayPlayers, {{"P", "PORTA", "Alfa", "-1"},
                                {"D", "SENZA", "Alfa", "sv/ng"},
                                {"C", "BUONO", "Beta", "6"}});
  PrepareMatchdayElevens(*store);
  EXPECT_EQ(Column(store->flopCandidates, 2, 4),
            (std::vector<std::string>{"PORTA", "SENZA", "BUONO", ""}));
}

TEST(ElevenPreparationTest, SeasonAveragesAndMinimumPresences) {
  auto store = std::make_unique<SeasonStore>();
  Fill(store->seasonPlayerTotals, {{"D", "UNO", "Alfa", " 32.65", " 5"},
                                   {"C", "DUE", "Alfa", " 20", " 3"},
                                   {"A", "TRE", "Beta", " 15", " 2"},
                                   {"D", "ZERO", "Beta", "sv/ng", " 2"}});
  PrepareSeasonElevens(*store);
  EXPECT_EQ(Column(store->seasonPlayerTotals, 4, 4),
            (std::vector<std::string>{" 7.5", " 6.66", " 6.52", " 0"}));
  EXPECT_EQ(Column(store->flopCandidates, 2, 4),
            (std::vector<std::string>{"ZERO", "UNO", "DUE", "TRE"}));
  EXPECT_EQ(Column(store->flopCandidates, 5, 4),
            (std::vector<std::string>{" 2", " 5", " 3", " 2"}));

  auto minimum = [](const std::vector<std::string>& presences, double threshold) {
    auto season = std::make_unique<SeasonStore>();
    season->season_top_threshold = threshold;
    for (size_t i = 0; i < presences.size(); ++i) {
      int r = static_cast<int>(i) + 1;
      season->seasonPlayerTotals.at(r, 1) = "C";
      season->seasonPlayerTotals.at(r, 5) = presences[i];
    }
    PrepareSeasonElevens(*season);
    return season->min_presences;
  };
  EXPECT_EQ(minimum({" 10", " 5"}, 50), 3);  // an average of 7.5 presences
  EXPECT_EQ(minimum({" 4", " 4", " 4"}, 50), 2);
  EXPECT_EQ(minimum({}, 50), 0);
  EXPECT_EQ(minimum({" 4"}, 1e300), std::numeric_limits<int>::max());
}

}  // namespace
}  // namespace corvalis
