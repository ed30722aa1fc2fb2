#include "rankings/eleven_selection.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace corvalis {
namespace {

using Row = std::vector<std::string>;  // role, name, team, figure[, presences]

void Fill(TextTable& table, const std::vector<Row>& rows) {
  table.Clear();
  for (size_t r = 0; r < rows.size(); ++r) {
    for (size_t c = 0; c < rows[r].size(); ++c) {
      table.at(static_cast<int>(r) + 1, static_cast<int>(c) + 1) = rows[r][c];
    }
  }
}

// "role name" of every row of the eleven, in page order.
std::vector<std::string> Eleven(const SeasonStore& store) {
  std::vector<std::string> out;
  for (int s = 1; s <= 11; ++s) {
    const std::string& role = store.elevenTable.at(s, 1);
    if (!role.empty()) out.push_back(role + " " + store.elevenTable.at(s, 2));
  }
  return out;
}

class ElevenSelectionTest : public ::testing::Test {
 protected:
  std::vector<std::string> Choose(TextTable& source, const ElevenCaps& caps,
                                  std::optional<int> min_presences = std::nullopt) {
    SelectEleven(*store_, source, caps, min_presences);
    OrderElevenByRole(*store_);
    return Eleven(*store_);
  }

  std::unique_ptr<SeasonStore> store_ = std::make_unique<SeasonStore>();
};

TEST_F(ElevenSelectionTest, TopElevenTakesAtMostThreeForwards) {
  TextTable& source = store_->matchdayPlayers;
  Fill(source, {{"A", "A1", "T", "10"},  {"A", "A2", "T", "9"},   {"A", "A3", "T", "8"},
                {"A", "A4", "T", "7"},   {"P", "P1", "T", "6.5"}, {"C", "C1", "T", "6.5"},
                {"D", "D1", "T", "6"},   {"D", "D2", "T", "6"},   {"D", "D3", "T", "6"},
                {"C", "C2", "T", "6"},   {"C", "C3", "T", "5.5"}, {"D", "D4", "T", "5.5"},
                {"C", "C4", "T", "5"},   {"P", "P2", "T", "5"}});
  EXPECT_EQ(Choose(source, kElevenCaps),
            (std::vector<std::string>{"P P1", "D D1", "D D2", "D D3", "D D4", "C C1", "C C2",
                                      "C C3", "A A1", "A A2", "A A3"}));
  // The core leaves its rows without a role; the second pass does not.
  EXPECT_EQ(source.at(1, 1), "");
  EXPECT_EQ(source.at(5, 1), "");
  EXPECT_EQ(source.at(2, 1), "A");
  EXPECT_EQ(source.at(12, 1), "D");
  EXPECT_EQ(store_->elevenTable.at(1, 3), "T");
  EXPECT_EQ(store_->elevenTable.at(1, 4), "6.5");
}

TEST_F(ElevenSelectionTest, SeasonFlopElevenNeverShowsMoreThanTwoForwards) {
  TextTable& source = store_->flopCandidates;
  Fill(source, {{"A", "A1", "T", " 1", " 5"},   {"A", "A2", "T", " 2", " 5"},
                {"A", "A3", "T", " 2", " 5"},   {"D", "D1", "T", " 3", " 5"},
                {"P", "P1", "T", " 3", " 5"},   {"C", "C1", "T", " 3", " 5"},
                {"D", "D2", "T", " 4", " 5"},   {"C", "C2", "T", " 4", " 5"},
                {"D", "D3", "T", " 4", " 5"},   {"A", "A4", "T", " 4.5", " 5"},
                {"C", "C3", "T", " 5", " 5"},   {"C", "C4", "T", " 5", " 5"},
                {"D", "D4", "T", " 5", " 5"}});
  EXPECT_EQ(Choose(source, kSeasonFlopCaps, 2),
            (std::vector<std::string>{"P P1", "D D1", "D D2", "D D3", "D D4", "C C1", "C C2",
                                      "C C3", "C C4", "A A1", "A A2"}));
}

TEST_F(ElevenSelectionTest, PlayersBelowMinimumPresencesNeverCount) {
  TextTable& source = store_->seasonPlayerTotals;
  Fill(source, {{"P", "P1", "T", " 9", " 1"},  // the only goalkeeper, too few presences
                {"D", "D1", "T", " 8", " 3"},  {"D", "D2", "T", " 8", " 2"},
                {"C", "C1", "T", " 7", " 4"},  {"A", "A1", "T", " 7", " 3"},
                {"", "X", "T", " 9", " 9"}});
  EXPECT_EQ(Choose(source, kElevenCaps, 3),
            (std::vector<std::string>{"D D1", "C C1", "A A1"}));
  EXPECT_EQ(source.at(1, 1), "");  // excluded rows lose their role
  EXPECT_EQ(source.at(3, 1), "");
}

TEST_F(ElevenSelectionTest, OnlyUpperCaseRoleLettersAreRoles) {
  TextTable& source = store_->matchdayPlayers;
  Fill(source, {{"d", "D0", "T", "9"}, {"X", "X0", "T", "9"}, {"DR", "D1", "T", "8"},
                {"P", "P1", "T", "6"}});
  EXPECT_EQ(Choose(source, kElevenCaps), (std::vector<std::string>{"P P1", "D D1"}));
}

TEST_F(ElevenSelectionTest, ShortElevenStopsAtTheEndOfTheSource) {
  TextTable& full = store_->matchdayPlayers;
  std::vector<Row> rows = {{"P", "P1", "T", "6"}};
  for (std::string i : {"1", "2", "3", "4", "5"}) {
    rows.push_back({"D", "D" + i, "T", "6"});
    rows.push_back({"C", "C" + i, "T", "6"});
  }
  Fill(full, rows);
  EXPECT_EQ(Choose(full, kElevenCaps).size(), 11u);

  // A second, short eleven: none of the players of the first may show up.
  TextTable& few = store_->flopCandidates;
  Fill(few, {{"C", "C9", "U", "4"}, {"A", "A9", "U", "4"}, {"A", "A8", "U", "3"}});
  EXPECT_EQ(Choose(few, kElevenCaps),
            (std::vector<std::string>{"C C9", "A A9", "A A8"}));
  EXPECT_EQ(store_->elevenTable.at(4, 2), "");
  EXPECT_EQ(store_->elevenTable.at(11, 2), "");
}

}  // namespace
}  // namespace corvalis
