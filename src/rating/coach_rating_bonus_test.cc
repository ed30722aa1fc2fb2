#include <gtest/gtest.h>

#include "rating/coach_rating_page.h"
#include "rating/rating_test_season.h"
#include "rating/team_order.h"

namespace corvalis {
namespace {

using testing::TestSeason;

// The name and value cells of a bonus table, one pair per row.
Lines NamesAndValues(const Lines& page) {
  Lines cells;
  for (const std::string& line : page) {
    if (line.find("moduliDATI") != std::string::npos) cells.push_back(line);
  }
  return cells;
}

std::string Name(const std::string& name, const std::string& align = "center") {
  return " <td class=\"moduliDATI\"><div align=\"" + align + "\">" + name + "</div></td>";
}
std::string Value(const std::string& value) {
  return " <td class=\"moduliDATI\"><div align=\"center\">" + value + "</div></td>";
}

TEST(CoachRatingBonusTest, StartersShareHighestFirstWithTheLeagueRow) {
  TestSeason season({"Alfa", "Beta", "Gamma"}, {"3 4 3 0"});
  SeasonStore& s = season.store();
  s.teamVoteSum[1] = {0, 4, 20, 5};   // 100 - 25
  s.teamVoteSum[3] = {0, 6, 30, 10};  // 100 - 33.3
  // Beta has no positive bonus: a sum of 1, so 100. League: 100 - 15 / 51.
  Lines page;
  AddStartersBonusTable(s, page);
  EXPECT_EQ(NamesAndValues(page),
            (Lines{Name("Beta"), Value("  100"), Name("Alfa"), Value("  75"), Name("Gamma"),
                   Value("  66.7"), Name("Media Lega_", "right"), Value("  70.5")}));
  EXPECT_EQ(page[8], "</tr>");
  EXPECT_EQ(page[9], "");
}

TEST(CoachRatingBonusTest, BonusesPerMatchOfEachTeamsOwnMatches) {
  TestSeason season({"Alfa", "Beta", "Gamma"}, {"3 4 3 0"});
  SeasonStore& s = season.store();
  s.teamVoteSum[1][kVsPositiveLines] = 6;  // 2 matches
  s.teamVoteSum[2][kVsPositiveLines] = 8;  // 4 matches
  s.teamVoteSum[3][kVsPositiveLines] = 1;  // never played: counts 1
  s.teamSeason[1] = {0, 0, 0, 2, 9};
  s.teamSeason[2] = {0, 0, 0, 4, 1};
  // Sorted rows: Gamma, Beta, Alfa; pairing by row would give 6 and 0.5.
  StartTeamOrder(s);
  SortTeamRows(s, [](const SeasonRow& row) { return row[kSnAverageGap]; });

  Lines page;
  AddBonusPerMatchTable(s, page);
  EXPECT_EQ(NamesAndValues(page), (Lines{Name("Alfa"), Value(" 3"), Name("Beta"), Value(" 2"),
                                         Name("Gamma"), Value(" 1")}));
  EXPECT_EQ(page.back(), "  <br />");
}

}  // namespace
}  // namespace corvalis
