#include "rating/coach_rating_page.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "rating/rating_test_season.h"

namespace corvalis {
namespace {

using testing::TestSeason;

const char kEleven[] = "P6 D6 D6 D6 C6 C6 C6 C6 A7 A7 A7";
const RoleCountRow k343 = {0, 3, 4, 3, 0};

// Matchdays 1 and 3. Alfa: gaps 4 and 0, 13 votes a match, weighted 4 / 4.
// Beta: gaps 0 and 2, 11 votes a match, no weighted gap. Gamma: gap 1 on
// matchday 1 only, 12 votes, weighted 1 / 1. Delta never plays.
TestSeason TwoMatchdays(double gap_exponent = 1,
                        const std::vector<std::string>& teams = {"Alfa", "Beta", "Gamma",
                                                                 "Delta"}) {
  TestSeason season(teams, {"3 4 3 0", "4 4 2 0"});
  season.store().gap_exponent = gap_exponent;
  std::string thirteen = std::string(kEleven) + " D5 C5";
  season.Matchday(1, {{1, 65, k343, thirteen},
                      {2, 69, k343, kEleven},
                      {3, 68, k343, std::string(kEleven) + " D5"}});
  season.Matchday(3, {{1, 69, k343, thirteen}, {2, 67, k343, kEleven}});
  CloseSeason(season.store());
  return season;
}

TEST(CoachRatingPageTest, WeightedGapTableAndTotalsScript) {
  TestSeason season = TwoMatchdays();
  SeasonStore& s = season.store();
  CoachRatingFiles files = BuildCoachRating(s);
  // Gamma and Alfa weigh 1 each; Delta and Beta have none and go last,
  // Delta without a record, as it never played.
  EXPECT_EQ(files.totals_script, (Lines{
                                     "var arrCorvalTot=new Array()",
                                     "a=arrCorvalTot",
                                     "a[1]=new CvTot(\"Gamma\",1.00,1)",
                                     "a[2]=new CvTot(\"Alfa\",1.00,2)",
                                     "a[4]=new CvTot(\"Beta\",\"n/a\",2)",
                                 }));
  const std::string beta = "<td><div align=\"Left\">Beta</div></td>";
  auto row = std::find(files.page.begin(), files.page.end(), beta);
  ASSERT_NE(row, files.page.end());
  EXPECT_EQ(row[1], "<td><div align=\"center\">n/a</div></td>");
  // The rows stay in weighted order for the stages after.
  EXPECT_EQ(s.teamName[3], "Delta");
  EXPECT_EQ(s.teamConfNumber[3], 4);
}

TEST(CoachRatingPageTest, UnavailableWeightedGapGoesLastWhateverTheOthers) {
  TestSeason season = TwoMatchdays(3);  // Alfa and Gamma: 100 cubed over 100
  SeasonStore& s = season.store();
  BuildCoachRating(s);
  EXPECT_EQ(s.teamSeason[1][kSnWeightedGap], 10000);
  EXPECT_EQ(s.teamName[3], "Delta");
  EXPECT_EQ(s.teamName[4], "Beta");
}

// Team names are the league's texts: escaped in every table of the page,
// string literals in both scripts (pure ASCII, whatever the encoding).
TEST(CoachRatingPageTest, TeamNamesAreEscapedOnThePageAndInTheScripts) {
  TestSeason season = TwoMatchdays(1, {"Inter \"Nos\"", "Citt\xE0 <&>", "Gamma", "Delta"});
  SeasonStore& s = season.store();
  s.encoding = TextEncoding::kWindows1252;
  CoachRatingFiles files = BuildCoachRating(s);
  int inter = 0, citta = 0;
  for (const std::string& line : files.page) {
    EXPECT_EQ(line.find("<&>"), std::string::npos) << line;
    inter += line.find(">Inter \"Nos\"<") != std::string::npos ||
             line.find(">Inter \"Nos\" <") != std::string::npos;
    citta += line.find("Citt\xE0 &lt;&amp;&gt;") != std::string::npos;
  }
  // Two season tables, the best modules, two bonus tables, two matchdays.
  EXPECT_EQ(inter, 7);
  EXPECT_EQ(citta, 7);
  EXPECT_EQ(files.totals_script[3], "a[2]=new CvTot(\"Inter \\\"Nos\\\"\",1.00,2)");
  EXPECT_EQ(files.totals_script[4], "a[4]=new CvTot(\"Citt\\u00E0 \\u003C&>\",\"n/a\",2)");
  EXPECT_EQ(files.matchday_script[2].substr(0, 32), "a[1]=new Cv(\"Inter \\\"Nos\\\"\",0.00");
  EXPECT_EQ(files.matchday_script[3].substr(0, 38), "a[2]=new Cv(\"Citt\\u00E0 \\u003C&>\",2.00");
}

}  // namespace
}  // namespace corvalis
