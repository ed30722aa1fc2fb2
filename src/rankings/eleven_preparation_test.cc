#include "rankings/eleven_preparation.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace corvalis {
namespace {

using Row = std::vector<std::string>;

void Fill(TextTable& table, const std::vector<Row>& rows) {
  for (size_t r = 0; r < rows.size(); ++r) {
    for (size_t c = 0; c < rows[r].size(); ++c) {
      table.at(static_cast<int>(r) + 1, static_cast<int>(c) + 1) = rows[r][c];
    }
  }
}

// Column `c` of rows 1..n.
std::vector<std::string> Column(const TextTable& table, int c, int n) {
  std::vector<std::string> out;
  for (int r = 1; r <= n; ++r) out.push_back(table.at(r, c));
  return out;
}

class ElevenPreparationTest : public ::testing::Test {
 protected:
  std::unique_ptr<SeasonStore> store_ = std::make_unique<SeasonStore>();
};

TEST_F(ElevenPreparationTest, NameListedTwiceKeepsItsHighestFantavoto) {
  Fill(store_->matchdayPlayers, {{"D", "ROSSI", "Alfa", "6"},
                                 {"C", "BIANCHI", "Alfa", "7"},
                                 {"D", "ROSSI", "Beta", "8"},
                                 {"A", "VERDI", "Alfa", "7"},
                                 {"A", "VERDI", "Beta", "7"},
                                 {"P", "NERI", "Beta", "5"}});
  PrepareMatchdayElevens(*store_);
  const TextTable& players = store_->matchdayPlayers;
  // Of equal fantavoto the later row stays; names count whatever the team.
  EXPECT_EQ(Column(players, 2, 5),
            (std::vector<std::string>{"ROSSI", "BIANCHI", "VERDI", "NERI", ""}));
  EXPECT_EQ(Column(players, 3, 4),
            (std::vector<std::string>{"Beta", "Alfa", "Beta", "Beta"}));
  EXPECT_EQ(Column(store_->flopCandidates, 2, 5),
            (std::vector<std::string>{"NERI", "VERDI", "BIANCHI", "ROSSI", ""}));
  EXPECT_EQ(store_->flopCandidates.at(1, 1), "P");
  EXPECT_EQ(store_->flopCandidates.at(1, 4), "5");
}

TEST_F(ElevenPreparationTest, NegativeFantavotoStaysInTheFlopListBesideNoVotes) {
  // Free rows sorted among the players without a vote (fantavoto 0) would
  // cut the list before the player at -1, the worst of the matchday.
  Fill(store_->matchdayPlayers, {{"P", "PORTA", "Alfa", "-1"},
                                 {"D", "SENZA", "Alfa", "sv/ng"},
                                 {"C", "BUONO", "Beta", "6"}});
  PrepareMatchdayElevens(*store_);
  EXPECT_EQ(Column(store_->matchdayPlayers, 2, 4),
            (std::vector<std::string>{"BUONO", "SENZA", "PORTA", ""}));
  EXPECT_EQ(Column(store_->flopCandidates, 2, 4),
            (std::vector<std::string>{"PORTA", "SENZA", "BUONO", ""}));
}

TEST_F(ElevenPreparationTest, SeasonAveragesAndTheirWorstFirstCopy) {
  Fill(store_->seasonPlayerTotals, {{"D", "UNO", "Alfa", " 32.65", " 5"},
                                    {"C", "DUE", "Alfa", " 20", " 3"},
                                    {"A", "TRE", "Beta", " 15", " 2"},
                                    {"D", "ZERO", "Beta", " 0", " 2"}});
  PrepareSeasonElevens(*store_);
  const TextTable& totals = store_->seasonPlayerTotals;
  EXPECT_EQ(Column(totals, 4, 5), (std::vector<std::string>{" 7.5", " 6.66", " 6.52", " 0", ""}));
  EXPECT_EQ(Column(totals, 2, 4), (std::vector<std::string>{"TRE", "DUE", "UNO", "ZERO"}));
  EXPECT_EQ(Column(store_->flopCandidates, 2, 4),
            (std::vector<std::string>{"ZERO", "UNO", "DUE", "TRE"}));
  EXPECT_EQ(Column(store_->flopCandidates, 5, 4),
            (std::vector<std::string>{" 2", " 5", " 3", " 2"}));
  EXPECT_EQ(store_->min_presences, 1);  // 12 presences over 4 players, half of 3
}

TEST_F(ElevenPreparationTest, MinimumPresences) {
  auto minimum = [&](const std::vector<std::string>& presences, double threshold) {
    store_ = std::make_unique<SeasonStore>();
    store_->season_top_threshold = threshold;
    for (size_t i = 0; i < presences.size(); ++i) {
      int r = static_cast<int>(i) + 1;
      store_->seasonPlayerTotals.at(r, 1) = "C";
      store_->seasonPlayerTotals.at(r, 2) = "P" + std::to_string(r);
      store_->seasonPlayerTotals.at(r, 4) = " 6";
      store_->seasonPlayerTotals.at(r, 5) = presences[i];
    }
    PrepareSeasonElevens(*store_);
    return store_->min_presences;
  };
  EXPECT_EQ(minimum({" 10", " 5"}, 50), 3);  // average 7.5
  EXPECT_EQ(minimum({" 4", " 4", " 4"}, 50), 2);
  EXPECT_EQ(minimum({" 10", " 5"}, 100), 7);
  EXPECT_EQ(minimum({}, 50), 0);
  EXPECT_EQ(minimum({" 4"}, 1e300), std::numeric_limits<int>::max());
}

}  // namespace
}  // namespace corvalis
