#include <gtest/gtest.h>

#include "rating/coach_rating_page.h"
#include "rating/rating_test_season.h"
#include "rating/team_order.h"

namespace corvalis {
namespace {

using testing::TestSeason;

Lines Rows(const Lines& page, const std::string& first_line) {
  Lines rows;
  for (const std::string& line : page) {
    if (line.find(first_line) != std::string::npos) rows.push_back(line);
  }
  return rows;
}

TEST(CoachRatingModulesTest, EachTeamsBestModulesAgainstItsOwnMatches) {
  TestSeason season({"Alfa", "Beta"}, {"3 4 3 0", "4 4 2 0"});
  SeasonStore& s = season.store();
  // Beta rates better and takes row 1; Alfa played 1 match, Beta 4.
  s.teamSeason[1][kSnMatches] = 1;
  s.teamSeason[1][kSnAverageGap] = 5;
  s.teamSeason[2][kSnMatches] = 4;
  s.teamBestModuleCount[1][1] = 1;
  s.teamBestModuleCount[2][1] = 1;  // not above 4 / 2 matches
  s.teamBestModuleCount[2][2] = 3;
  StartTeamOrder(s);
  SortTeamRows(s, [](const SeasonRow& row) { return row[kSnAverageGap]; });

  Lines page;
  AddBestModulesByTeam(s, page);
  EXPECT_EQ(Rows(page, "moduliTITOLO"),
            (Lines{"      <td colspan=\"3\" class=\"moduliTITOLO\">Alfa </td>",
                   "      <td colspan=\"3\" class=\"moduliTITOLO\">Beta </td>"}));
  EXPECT_EQ(Rows(page, "align=\"right\""),
            (Lines{" <td class=\"moduliDATI\"><div align=\"right\">3-4-3</div></td>",
                   " <td class=\"moduliDATI\"><div align=\"right\">4-4-2</div></td>"}));
  EXPECT_EQ(Rows(page, "align=\"left\""),
            (Lines{" <td class=\"moduliDATI\"><div align=\"left\"> 1</div></td>",
                   " <td class=\"moduliDATI\"><div align=\"left\"> 3</div></td>"}));
  EXPECT_EQ(page.size(), 5 + 2 * 4 + 2 * 4 + 2u);

  s.num_modules = 0;  // no module line: team titles only
  Lines without_modules;
  AddBestModulesByTeam(s, without_modules);
  EXPECT_TRUE(Rows(without_modules, "moduliDATI").empty());
  EXPECT_EQ(Rows(without_modules, "moduliTITOLO").size(), 2u);
}

TEST(CoachRatingModulesTest, SharesLargestFirstEqualSharesInModuleOrder) {
  TestSeason season({"Alfa"}, {"3 4 3 0", "4 4 2 0", "4 5 1 0", "5 4 1 0"});
  SeasonStore& s = season.store();
  const double best[] = {0, 1, 2, 1, 0};  // 25, 50, 25 and 0 percent
  const double only_best[] = {0, 1, 2, 0, 0};  // 33.3 and 66.6 percent
  for (int m = 1; m <= 4; ++m) {
    s.moduleTable[m][kModBestCount] = best[m];
    s.moduleTable[m][kModOnlyBestCount] = only_best[m];
  }
  s.best_module_total = 4;
  Lines page;
  AddModuleShareTables(s, page);
  auto share = [](const std::string& text) {
    return "      <td class=\"moduliDATI\"><div align=\"left\">" + text + "%</div></td>";
  };
  EXPECT_EQ(Rows(page, "align=\"left\""),
            (Lines{share("50.0"), share("25.0"), share("25.0"), share("66.6"), share("33.3")}));
  EXPECT_EQ(Rows(page, "align=\"right\"")[1],
            "      <td class=\"moduliDATI\"><div align=\"right\">3-4-3</div></td>");
  EXPECT_EQ(s.moduleTable[2][kModShare], 50);
  EXPECT_EQ(page.size(), 7 + 3 * 5 + 3 + 7 + 2 * 5 + 3);

  // Nothing recorded at all: every share 0, nothing listed.
  TestSeason empty({"Alfa"}, {"3 4 3 0"});
  Lines none;
  AddModuleShareTables(empty.store(), none);
  EXPECT_TRUE(Rows(none, "moduliDATI").empty());
}

}  // namespace
}  // namespace corvalis
