#include <gtest/gtest.h>

#include "rating/coach_rating_page.h"
#include "rating/rating_test_season.h"

namespace corvalis {
namespace {

using testing::TestSeason;

const char kEleven[] = "P6 D6 D6 D6 C6 C6 C6 C6 A7 A7 A7";
const RoleCountRow k343 = {0, 3, 4, 3, 0};

Lines Header(const std::string& g) {
  return {
      "    <tr class='cv'>",
      "      <td class=\"giornateSQUADRA\"> Giornata " + g + " </td>",
      "      <td class=\"giornateSCARTO\">Scarto</td>",
      "      <td class=\"giornateVOTI\">Voti</td>",
      "      <td class=\"giornateSCAVOTI\">Sc.Voti </td>",
      "      <td class=\"giornatePARZ\">Parziale</td>",
      "      <td class=\"giornateMAX\">Max</td>",
      "    </tr>",
  };
}

Lines Row(const std::string& team, const std::string& gap, const std::string& votes,
          const std::string& per_vote, const std::string& score, const std::string& max) {
  return {
      "    <tr class='cv'>",
      "       <td><div align=\"left\">" + team + "</div></td>",
      "      <td><div align=\"center\">" + gap + "</div></td>",
      "      <td><div align=\"center\">" + votes + "</div></td>",
      "      <td><div align=\"center\">" + per_vote + "</div></td>",
      "      <td><div align=\"center\">" + score + "</div></td>",
      "      <td><div align=\"left\"> > " + max + "</div></td>",
      "     </tr>",
  };
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

  Lines expected = {
      "   <table class='cv' border=\"0\" cellspacing=\"0\" cellpadding=\"0\">",
      "    <tr class='cv'>",
      "      <td colspan=\"7\" class=\"cvTITOLO\">DETTAGLIO GIORNATA </td>",
      "    </tr>",
  };
  for (const Lines& part : {
           Header("3"),
           // Gap per vote: 0 over 2 extra votes; Beta has no extra vote.
           Row("Alfa", "  0.00", " 13", "0.00", "69.00  >3-4-3", "69.00 > 3-4-3"),
           Row("Beta", "  2.00", " 11", "n/a", "67.00  >3-4-3", "69.00 > 3-4-3"),
           Row("Gamma", "n/a", " 0", "n/a", "0  >0-0-0", "0 >"),
           Header("1"),
           Row("Beta", "  0.00", " 11", "n/a", "69.00  >3-4-3", "69.00 > 3-4-3"),
           Row("Gamma", "  1.00", " 12", "1.00", "68.00  >3-4-3", "69.00 > 3-4-3"),
           Row("Alfa", "  4.00", " 13", "2.00", "65.00  >3-4-3", "69.00 > 3-4-3"),
           Lines{"</table>", "</div>"},
       }) {
    expected.insert(expected.end(), part.begin(), part.end());
  }
  EXPECT_EQ(files.page, expected);
  EXPECT_EQ(files.matchday_script,
            (Lines{
                "var arrCorvalis=new Array()",
                "a=arrCorvalis",
                "a[1]=new Cv(\"Alfa\",0.00,13,0.00,69.00,\"3-4-3\",69.00,\"3-4-3\")",
                "a[2]=new Cv(\"Beta\",2.00,11,999,67.00,\"3-4-3\",69.00,\"3-4-3\")",
                "a[3]=new Cv(\"Gamma\",n/a,0,999,0,\"0-0-0\",0,\"\")",
            }));
  EXPECT_EQ(MatchdayScriptName(3), "crvCorvalisDati3.js");
}

}  // namespace
}  // namespace corvalis
