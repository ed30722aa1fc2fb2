#include "rankings/eleven_selection.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace corvalis {
namespace {

// Rows "role name figure [presences]" from row 1, team "T".
void Fill(TextTable& table, const std::vector<std::string>& rows) {
  table.Clear();
  for (size_t i = 0; i < rows.size(); ++i) {
    int r = static_cast<int>(i) + 1;
    std::istringstream in(rows[i]);
    std::string role, name, figure, presences;
    in >> role >> name >> figure >> presences;
    table.at(r, 1) = role == "-" ? "" : role;
    table.at(r, 2) = name;
    table.at(r, 3) = "T";
    table.at(r, 4) = figure;
    if (!presences.empty()) table.at(r, 5) = presences;
  }
}

class ElevenSelectionTest : public ::testing::Test {
 protected:
  // The eleven chosen from `source`, as "role name" in page order.
  std::vector<std::string> Choose(TextTable& source, const ElevenCaps& caps,
                                  std::optional<int> min_presences = std::nullopt) {
    SelectEleven(*store_, source, caps, min_presences);
    OrderElevenByRole(*store_);
    std::vector<std::string> out;
    for (int s = 1; s <= 11; ++s) {
      const TextTable& eleven = store_->elevenTable;
      if (!eleven.at(s, 1).empty()) out.push_back(eleven.at(s, 1) + " " + eleven.at(s, 2));
    }
    return out;
  }

  std::unique_ptr<SeasonStore> store_ = std::make_unique<SeasonStore>();
};

TEST_F(ElevenSelectionTest, TopElevenTakesAtMostThreeForwards) {
  TextTable& source = store_->matchdayPlayers;
  Fill(source, {"A A1 10", "A A2 9", "A A3 8", "A A4 7", "P P1 6.5", "C C1 6.5", "D D1 6",
                "D D2 6", "D D3 6", "C C2 6", "C C3 5.5", "D D4 5.5", "C C4 5", "P P2 5"});
  EXPECT_EQ(Choose(source, kElevenCaps),
            (std::vector<std::string>{"P P1", "D D1", "D D2", "D D3", "D D4", "C C1", "C C2",
                                      "C C3", "A A1", "A A2", "A A3"}));
  // The core leaves its rows without a role; the second pass does not.
  EXPECT_EQ(source.at(1, 1), "");
  EXPECT_EQ(source.at(2, 1), "A");
}

TEST_F(ElevenSelectionTest, SeasonFlopElevenNeverShowsMoreThanTwoForwards) {
  TextTable& source = store_->flopCandidates;
  Fill(source, {"A A1 1 5", "A A2 2 5", "A A3 2 5", "D D1 3 5", "P P1 3 5", "C C1 3 5",
                "D D2 4 5", "C C2 4 5", "D D3 4 5", "A A4 4.5 5", "C C3 5 5", "C C4 5 5",
                "D D4 5 5"});
  EXPECT_EQ(Choose(source, kSeasonFlopCaps, 2),
            (std::vector<std::string>{"P P1", "D D1", "D D2", "D D3", "D D4", "C C1", "C C2",
                                      "C C3", "C C4", "A A1", "A A2"}));
}

TEST_F(ElevenSelectionTest, PlayersBelowMinimumPresencesNeverCount) {
  TextTable& source = store_->seasonPlayerTotals;
  // The only goalkeeper has too few presences; lower-case roles are no roles.
  Fill(source, {"P P1 9 1", "D D1 8 3", "D D2 8 2", "d D3 8 5", "C C1 7 4", "A A1 7 3",
                "- X 9 9"});
  EXPECT_EQ(Choose(source, kElevenCaps, 3),
            (std::vector<std::string>{"D D1", "C C1", "A A1"}));
  EXPECT_EQ(source.at(1, 1), "");  // excluded rows lose their role
  EXPECT_EQ(source.at(3, 1), "");
}

TEST_F(ElevenSelectionTest, ShortElevenShowsNoneOfAnEarlierEleven) {
  TextTable& full = store_->matchdayPlayers;
  Fill(full, {"P P1 6", "D D1 6", "C C1 6", "D D2 6", "C C2 6", "D D3 6", "C C3 6", "D D4 6",
              "C C4 6", "D D5 6", "C C5 6"});
  EXPECT_EQ(Choose(full, kElevenCaps).size(), 11u);
  TextTable& few = store_->flopCandidates;
  Fill(few, {"C C9 4", "A A9 4", "A A8 3"});
  EXPECT_EQ(Choose(few, kElevenCaps), (std::vector<std::string>{"C C9", "A A9", "A A8"}));
}

}  // namespace
}  // namespace corvalis
