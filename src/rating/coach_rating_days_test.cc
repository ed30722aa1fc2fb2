#include <gtest/gtest.h>

#include "rating/coach_rating_page.h"
#include "rating/rating_test_season.h"

namespace corvalis {
namespace {

using testing::TestSeason;

const char kEleven[] = "P6 D6 D6 D6 C6 C6 C6 C6 A7 A7 A7";
const RoleCountRow k343 = {0, 3, 4, 3, 0};

Lines LinesWith(const Lines& page, const std::string& part) {
  Lines found;
  for (const std::string& line : page) {
    if (line.find(part) != std::string::npos) found.push_back(line);
  }
  return found;
}

TEST(CoachRatingDaysTest, LatestMatchdayFirstSmallestGapFirst) {
  TestSeason season({"Alfa", "Beta", "Gamma"}, {"3 4 3 0", "4 4 2 0"});
  std::string thirteen = std::string(kEleven) + " D5 C5";
  // Matchday 1: gaps 4, 0, 1. Matchday 3: gaps 0 and 2; Gamma is absent.
  season.Matchday(1, {{1, 65, k343, thirteen},
                      {2, 69, k343, kEleven},
                      {3, 68, k343, std::string(kEleven) + " D5"}});
  season.Matchday(3, {{1, 69, k343, thirteen}, {2, 67, k343, kEleven}});
  CoachRatingFiles files;
  AddMatchdayTables(season.store(), files);

  EXPECT_EQ(LinesWith(files.page, "Giornata"),
            (Lines{"      <td class=\"giornateSQUADRA\"> Giornata 3 </td>",
                   "      <td class=\"giornateSQUADRA\"> Giornata 1 </td>"}));
  auto team = [](const std::string& name) {
    return "       <td><div align=\"left\">" + name + "</div></td>";
  };
  EXPECT_EQ(LinesWith(files.page, "       <td><div align=\"left\">"),
            (Lines{team("Alfa"), team("Beta"), team("Gamma"), team("Beta"), team("Gamma"),
                   team("Alfa")}));
  // Gap per vote: 0 over Alfa's 2 votes beyond eleven; Beta has none.
  EXPECT_EQ(files.matchday_script,
            (Lines{
                "var arrCorvalis=new Array()",
                "a=arrCorvalis",
                "a[1]=new Cv(\"Alfa\",0.00,13,0.00,69.00,\"3-4-3\",69.00,\"3-4-3\")",
                "a[2]=new Cv(\"Beta\",2.00,11,999,67.00,\"3-4-3\",69.00,\"3-4-3\")",
                "a[3]=new Cv(\"Gamma\",\"n/a\",0,999,0,\"0-0-0\",0,\"\")",
            }));
  EXPECT_EQ(MatchdayScriptName(3), "crvCorvalisDati3.js");
}

}  // namespace
}  // namespace corvalis
