#include "site/team_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "platform/fake_env.h"
#include "site/module_use.h"

namespace corvalis {
namespace {

class TeamPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    store_->source_dir = "C:\\lega";
    store_->num_teams = 3;
    store_->teamLabel[1] = "Alfa";
    store_->teamLabel[2] = "Beta";
    store_->teamLabel[3] = "Gamma";
    AddModule(3, 4, 3);
    AddModule(4, 4, 2);
    AddModule(4, 3, 3);
    AddModule(5, 3, 2);
    // Alfa: 4-3-3 three times, 3-4-3 and 4-4-2 twice each.
    int shapes[7][3] = {{3, 4, 3}, {4, 3, 3}, {4, 4, 2}, {4, 3, 3},
                        {3, 4, 3}, {4, 4, 2}, {4, 3, 3}};
    for (int g = 1; g <= 7; ++g) {
      store_->teamRoleCountName[1] = "Alfa";
      for (int c = 0; c < 3; ++c) store_->teamRoleCount[1][g][c + 1] = shapes[g - 1][c];
    }
    CountModuleUse(*store_);
  }
  void AddModule(int d, int c, int a) {
    ModuleRow& row = store_->moduleTable[++store_->num_modules];
    row[kModDefenders] = d;
    row[kModMidfielders] = c;
    row[kModForwards] = a;
  }
  void AddScorer(int row, const std::string& name, const std::string& goals,
                 const std::string& team) {
    store_->scorerTally.at(row, 1) = name;
    store_->scorerTally.at(row, 2) = goals;
    store_->scorerTally.at(row, 3) = team;
  }
  void AddPlayer(int slot, const std::string& name, const std::string& role,
                 const std::string& starts, const std::string& subs_in,
                 const std::string& bench_listings) {
    store_->roster[1][slot] = {name, starts, subs_in, role, bench_listings};
  }
  std::unique_ptr<SeasonStore> store_ = std::make_unique<SeasonStore>();
};

const Lines kPageHead = {
    "<link href=\"corvalis.css\" rel=\"stylesheet\" type=\"text/css\" />",
    "<div id=\"sq\">",
    "<table class='sq' border=\"0\" cellspacing=\"0\" cellpadding=\"0\">",
    "<tr class='sq'>",
    "<td class=\"sqSQUADRA\">Alfa</td>",
    "</tr>",
    "</table>",
    "<br />",
    "<table class='sq' border=\"0\" cellspacing=\"0\" cellpadding=\"0\">",
    "<tr class='sq'>",
    "<td colspan=\"8\" class=\"sqTITMODULI\">MODULI UTILIZZATI</td>",
    "</tr>",
};

Lines ModuleLines(const std::string& shape, const std::string& share) {
  return {"<tr class='sq'>",
          "<td class=\"sqmoduliDATI\"><div align=\"right\">" + shape + "</div></td>",
          "<td class=\"sqmoduliIMG\">&nbsp;</td>",
          "<td class=\"sqmoduliDATI\"><div align=\"left\">" + share + "%</div></td>",
          "</tr>"};
}

Lines PlayerRows(const std::string& starts, const std::string& name,
                 const std::string& subs) {
  return {"<tr class='sq'>",
          "<td class=\"sqNUMd\">" + starts + "</td>",
          "<td class=\"sqNOMEd\">" + name + "</td>",
          "</tr>",
          "<tr class='sq'>",
          "<td class=\"sqNUMp\">&nbsp;</td>",
          "<td class=\"sqGIOp\"> " + subs + "</td>",
          "</tr>"};
}

void Append(Lines& page, const Lines& more) { page.insert(page.end(), more.begin(), more.end()); }

TEST_F(TeamPageTest, WholePageWithBenchScorersAndAppearances) {
  store_->benchSetup.at(1, 1) = "Fantasma";  // no such team: no row anywhere
  store_->benchSetup.at(1, 2) = "Si";
  store_->benchSetup.at(2, 1) = "Alfa";
  store_->benchSetup.at(2, 2) = "No";
  store_->benchSetup.at(2, 3) = "4";
  store_->benchSetup.at(2, 4) = "Si";
  store_->benchSetup.at(3, 1) = "Beta";

  // The tally as the top-scorers stage leaves it: sorted, names shortened.
  AddScorer(1, "ROSSI Mar", " 3", "Alfa");
  AddScorer(2, "BIANCHI Gi", " 2", "Beta");
  AddScorer(3, "VERDI Lu", " 2", "Alfa");
  AddScorer(4, "GIALLI", " 1", "alfa");
  AddScorer(5, "NERI A.", " 1", "Alfa");

  store_->rosterTeamName[1] = "Alfa";
  AddPlayer(1, "ROSSI Mario", "A", "5", "", "");
  AddPlayer(2, "BIANCO P.", "P", "", "", " 2");  // listed on the bench only
  AddPlayer(3, "VERDI Luca", "c", "6", " 2", "");
  AddPlayer(5, "NERI Aldo", "D", "5", "1", " 1");
  AddPlayer(6, "GRIGI", "D", "", "", "");

  Lines expected = kPageHead;
  Append(expected, ModuleLines("4-3-3", " 42.8"));  // 3 of 7
  Append(expected, ModuleLines("3-4-3", " 28.5"));  // 2 of 7, lower module first
  Append(expected, ModuleLines("4-4-2", " 28.5"));
  Append(expected,
         {"<table class='sq' border=\"0\" cellspacing=\"0\" cellpadding=\"0\">",
          "<tr class='sq'>",
          "<td colspan=\"2\" class=\"sqCANNONIERI\">PANCHINA e MARCATURA</td>",
          "</tr>",
          "<tr class=\"sq\"><td class=\"sqGOLp\">Flessibile > No     Fissa > 4     Uomo > Si"
          "</td></tr>",
          "</table>",
          "<br />",
          "<table class='sq' border=\"0\" cellspacing=\"0\" cellpadding=\"0\">",
          "<tr class='sq'>",
          "<td colspan=\"2\" class=\"sqCANNONIERI\">FANTACANNONIERI</td>",
          "</tr>",
          "<tr class=\"sq\"><td class=\"sqGOLd\"> 3</td><td class=\"sqNOMEd\">ROSSI Mar</td></tr>",
          "<tr class=\"sq\"><td class=\"sqGOLp\"> 2</td><td class=\"sqNOMEp\">VERDI Lu</td></tr>",
          "<tr class=\"sq\"><td class=\"sqGOLd\"> 1</td><td class=\"sqNOMEd\">NERI A.</td></tr>",
          "</table>",
          "<br />",
          "<table class='sq' border=\"0\" cellspacing=\"0\" cellpadding=\"0\">",
          "<tr class='sq'>",
          "<td colspan=\"7\" class=\"sqPRESENZE\">PRESENZE</td>",
          "</tr>"});
  Append(expected, PlayerRows("6", "C VERDI Luca", "Subentrato:2 Sostituito:0"));
  Append(expected, PlayerRows("5", "A ROSSI Mario", "Subentrato:0 Sostituito:0"));
  Append(expected, PlayerRows("5", "D NERI Aldo", "Subentrato:1 Sostituito:1"));
  Append(expected, PlayerRows("", "P BIANCO P.", "Subentrato:0 Sostituito:2"));
  Append(expected, PlayerRows("", "D GRIGI", "Subentrato:0 Sostituito:0"));
  Append(expected, {"</table>", "</div>"});

  EXPECT_EQ(TeamPage(*store_, 1, true), expected);
}

TEST_F(TeamPageTest, WithoutBenchFileTheModuleTableIsClosedDirectly) {
  Lines page = TeamPage(*store_, 1, false);
  ASSERT_GT(page.size(), kPageHead.size() + 17);
  EXPECT_EQ(page[kPageHead.size() + 15], "</table>");
  EXPECT_EQ(page[kPageHead.size() + 16], "<br />");
  EXPECT_EQ(page[kPageHead.size() + 17], kPageHead[2]);
  for (const std::string& line : page) {
    EXPECT_EQ(line.find("PANCHINA"), std::string::npos);
  }
}

TEST_F(TeamPageTest, TeamThatNeverPlayedGetsTheTitlesOnly) {
  store_->benchSetup.at(1, 1) = "Alfa";  // another team's settings
  Lines page = TeamPage(*store_, 3, true);
  Lines expected = kPageHead;
  expected[4] = "<td class=\"sqSQUADRA\">Gamma</td>";
  Append(expected,
         {kPageHead[2], "<tr class='sq'>",
          "<td colspan=\"2\" class=\"sqCANNONIERI\">PANCHINA e MARCATURA</td>", "</tr>",
          "</table>", "<br />", kPageHead[2], "<tr class='sq'>",
          "<td colspan=\"2\" class=\"sqCANNONIERI\">FANTACANNONIERI</td>", "</tr>",
          "</table>", "<br />", kPageHead[2], "<tr class='sq'>",
          "<td colspan=\"7\" class=\"sqPRESENZE\">PRESENZE</td>", "</tr>", "</table>",
          "</div>"});
  EXPECT_EQ(page, expected);
}

TEST_F(TeamPageTest, UnreadBenchRowsBelongToNoTeam) {
  // An empty line of conf.txt makes a team without a name; the rows that
  // Panchine.txt did not fill must not become its settings.
  store_->teamLabel[3] = "";
  store_->benchSetup.at(1, 1) = "Alfa";
  for (const std::string& line : TeamPage(*store_, 3, true)) {
    EXPECT_EQ(line.find("Flessibile"), std::string::npos);
  }
}

TEST_F(TeamPageTest, RosterIsPairedThroughTheTeamName) {
  store_->rosterTeamName[2] = "Alfa";  // Alfa's players in row 2
  store_->roster[2][1] = {"ROSSI Mario", "3", "", "A", ""};
  store_->rosterTeamName[1] = "Beta";
  store_->roster[1][1] = {"BIANCHI Gino", "1", "", "C", ""};
  Lines page = TeamPage(*store_, 1, false);
  Lines tail(page.end() - 10, page.end() - 2);
  EXPECT_EQ(tail, PlayerRows("3", "A ROSSI Mario", "Subentrato:0 Sostituito:0"));
}

TEST_F(TeamPageTest, OfTwoTeamsWithOneNameTheLastRosterRowIsUsed) {
  store_->teamLabel[2] = "Alfa";
  store_->rosterTeamName[1] = "Alfa";
  store_->roster[1][1] = {"ROSSI Mario", "3", "", "A", ""};
  store_->rosterTeamName[2] = "Alfa";
  store_->roster[2][1] = {"BIANCHI Gino", "1", "", "C", ""};
  for (int t : {1, 2}) {
    Lines page = TeamPage(*store_, t, false);
    Lines tail(page.end() - 10, page.end() - 2);
    EXPECT_EQ(tail, PlayerRows("1", "C BIANCHI Gino", "Subentrato:0 Sostituito:0")) << t;
  }
}

// Every text of the league's files is escaped on the page: the team's
// name, the bench settings, the scorers and the players. Letter case
// follows the run's encoding.
TEST_F(TeamPageTest, LeagueTextsAreEscaped) {
  const std::string team = "Inter \"Nos\" & <Co>";
  store_->teamLabel[1] = team;
  store_->encoding = TextEncoding::kWindows1252;
  store_->benchSetup.at(1, 1) = team;
  store_->benchSetup.at(1, 2) = "<Si>";
  store_->benchSetup.at(1, 3) = "4&5";
  store_->benchSetup.at(1, 4) = "S&igrave;";
  AddScorer(1, "MONT\xC8 & <Iva>", " 1", team);
  store_->rosterTeamName[1] = team;
  AddPlayer(1, "MONT\xC8 & <Ivan>", "\xE0", "1", "", "");
  Lines page = TeamPage(*store_, 1, true);
  auto has = [&](const std::string& line) {
    return std::find(page.begin(), page.end(), line) != page.end();
  };
  EXPECT_TRUE(has("<td class=\"sqSQUADRA\">Inter \"Nos\" &amp; &lt;Co&gt;</td>"));
  EXPECT_TRUE(has("<tr class=\"sq\"><td class=\"sqGOLp\">Flessibile > &lt;Si&gt;     "
                  "Fissa > 4&amp;5     Uomo > S&igrave;</td></tr>"));
  EXPECT_TRUE(has("<tr class=\"sq\"><td class=\"sqGOLd\"> 1</td><td class=\"sqNOMEd\">"
                  "MONT\xC8 &amp; &lt;Iva&gt;</td></tr>"));
  EXPECT_TRUE(has("<td class=\"sqNOMEd\">\xC0 MONT\xC8 &amp; &lt;Ivan&gt;</td>"));
}

TEST_F(TeamPageTest, StageWritesOnePagePerTeam) {
  FakeEnv env;
  env.AddLines("C:\\lega\\Panchine.txt", {"Alfa\tSi\t6\tNo"});
  WriteTeamPages(env, *store_);
  EXPECT_EQ(env.FileNames(), (std::vector<std::string>{
                                 "C:/lega/Panchine.txt", "C:/lega/sq1.htm",
                                 "C:/lega/sq2.htm", "C:/lega/sq3.htm"}));
  Lines page = env.Lines("C:\\lega\\sq1.htm");
  EXPECT_EQ(page, TeamPage(*store_, 1, true));
  EXPECT_EQ(env.Contents("C:\\lega\\sq1.htm").substr(0, kPageHead[0].size() + 2),
            kPageHead[0] + "\r\n");
}

}  // namespace
}  // namespace corvalis
