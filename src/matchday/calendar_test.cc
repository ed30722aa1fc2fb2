#include "matchday/calendar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <utility>

#include "driver/config.h"
#include "driver/run.h"
#include "matchday/credits.h"
#include "platform/fake_env.h"
#include "util/rank_rows.h"
#include "store/results_reader.h"
#include "util/text.h"

namespace corvalis {
namespace {

std::string RepoFile(const std::string& relative) {
  std::ifstream in(std::string(CORVALIS_SOURCE_DIR) + "/" + relative, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

std::vector<std::string> OneMatch(const std::string& home_goals) {
  return {"\tAlfa\t\t\t\t\tBeta",
          "\tR\tCalciatore\tVoto\tBonus\tFantaVoto\tR\tCalciatore\tVoto\tBonus\tFantaVoto",
          "\tP\tPORTA A.\t6\t0\t6\tP\tPORTA B.\t6\t0\t6",
          "\tA\tPUNTA A.\t7\t3\t10\tA\tPUNTA B.\t6\t0\t6",
          "\tTotale squadra\t\t\t\t\t70\tTotale squadra\t\t\t\t\t66",
          "\tGol\t\t\t\t\t" + home_goals + "\tGol\t\t\t\t\t0",
          "\tSostituiti, panchina e tribuna\t\t\t\t\tSostituiti, panchina e tribuna",
          "",
          "EOF"};
}

class CalendarStageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitialiseStore(env_, *store_);
    ApplyConfig({"Alfa", "Beta", "*", "3 4 3 0"}, "conf.txt", env_, *store_);
  }
  FakeEnv env_;
  std::unique_ptr<SeasonStore> store_ = std::make_unique<SeasonStore>();
};

TEST_F(CalendarStageTest, MissingMatchdayAddsNoBlockAndUltimaIsTheLastOne) {
  env_.AddLines("C:\\lega\\Lega Risultati1.tab", OneMatch("1"));
  env_.AddLines("C:\\lega\\Lega Risultati2.tab", OneMatch("2"));
  env_.AddLines("C:\\lega\\Lega Risultati4.tab", OneMatch("4"));
  WriteCalendar(env_, *store_);
  EXPECT_TRUE(env_.messages().empty());

  std::vector<std::string> calendar = env_.Lines("C:\\lega\\calenbomber.htm");
  std::vector<std::string> titles;
  for (const std::string& line : calendar) {
    if (line.find("risTITOLO") != std::string::npos) titles.push_back(line);
  }
  EXPECT_EQ(titles, (std::vector<std::string>{
                        "<td colspan=\"5\" class=\"risTITOLO\">Giornata  1</td>",
                        "<td colspan=\"5\" class=\"risTITOLO\">Giornata  2</td>",
                        "<td colspan=\"5\" class=\"risTITOLO\">Giornata  4</td>"}));
  ASSERT_EQ(calendar.size(), 3 * 23u);
  std::vector<std::string> last(calendar.end() - 23, calendar.end());
  EXPECT_EQ(env_.Lines("C:\\lega\\ultima.htm"), last);
  EXPECT_EQ(last[8],
            "<td rowspan=\"2\" class=\"risRISULTATO\"><div align=\"center\"> 4</div></td>");

  // The punta scored every goal of the season: 1 + 2 + 4.
  EXPECT_EQ(store_->scorerTally.at(1, 1), "PUNTA A.");
  EXPECT_EQ(store_->scorerTally.at(1, 2), " 7");
  EXPECT_EQ(store_->momTally.at(1, 3), " 3");
  EXPECT_EQ(store_->seasonPlayerTotals.at(2, 5), " 3");
}

// The sample league: the pages and the season tables this stage leaves must
// give what its expected pages show, whatever order the coach rating left
// the team rows in (it moves teamName and teamSeason together).
class SampleLeagueTest : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    for (const char* name : {"conf.txt", "cred.txt"}) {
      env_.AddFile(std::string("C:\\lega\\") + name,
                   RepoFile("examples/fantabar/" + std::string(name)));
    }
    for (int g = 1; g <= 6; ++g) {
      std::string name = "fantabar_Risultati" + std::to_string(g) + ".tab";
      env_.AddFile("C:\\lega\\" + name, RepoFile("examples/fantabar/" + name));
    }
    InitialiseStore(env_, *store_);
    ReadConfig(env_, *store_);
    for (int g = 1; g <= kMatchdays; ++g) {
      store_->giornata = g;
      store_->teamSeen.Clear();
      ReadMatchday(env_, *store_, g);
    }
    if (GetParam()) {
      for (int t = 1; t <= 4; ++t) {
        std::swap(store_->teamName[t], store_->teamName[9 - t]);
        std::swap(store_->teamSeason[t], store_->teamSeason[9 - t]);
      }
    }
    ReadCredits(env_, *store_);
    WriteCalendar(env_, *store_);
  }

  // The rows of an expected ranking page: (count, short name, team).
  static std::vector<std::vector<std::string>> ExpectedRows(const std::string& page,
                                                            const std::string& count_class) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream in(RepoFile("tests/data/fantabar_expected/" + page));
    std::string line;
    while (std::getline(in, line)) {
      size_t at = line.find(count_class);
      if (at == std::string::npos || line.find("TITOLO") != std::string::npos) continue;
      size_t count = line.find('>', at) + 1;
      size_t name = line.find('>', line.find("<td", count)) + 1;
      size_t team = line.rfind(" (");
      rows.push_back({line.substr(count, line.find('<', count) - count),
                      line.substr(name, team - name),
                      line.substr(team + 2, line.rfind(")</td>") - team - 2)});
    }
    return rows;
  }

  // Names as the ranking pages cut them: after the second letter a..y.
  static std::string ShortName(const std::string& name) {
    int lower = 0;
    for (size_t i = 0; i < name.size(); ++i) {
      if (name[i] > 96 && name[i] < 122 && ++lower == 2) return name.substr(0, i + 1);
    }
    return name;
  }

  // Sorts a copy of `tally` as the ranking pages do and compares it with
  // the rows of `page`.
  static void ExpectRanking(const TextTable& tally, int count_column, int team_column,
                            const std::string& page, const std::string& count_class,
                            size_t rows) {
    TextTable sorted = tally;
    RankRows(sorted, kPlayerRows, count_column, 3);
    auto expected = ExpectedRows(page, count_class);
    ASSERT_EQ(expected.size(), rows);
    for (size_t i = 0; i < expected.size(); ++i) {
      int r = static_cast<int>(i) + 1;
      EXPECT_EQ(sorted.at(r, count_column), expected[i][0]) << r;
      EXPECT_EQ(ShortName(sorted.at(r, 1)), expected[i][1]) << r;
      EXPECT_EQ(LowerText(sorted.at(r, team_column), TextEncoding::kUtf8), expected[i][2]) << r;
    }
    EXPECT_EQ(sorted.at(static_cast<int>(rows) + 1, 1), "");
  }

  FakeEnv env_;
  std::unique_ptr<SeasonStore> store_ = std::make_unique<SeasonStore>();
};

TEST_P(SampleLeagueTest, CalendarPages) {
  EXPECT_TRUE(env_.messages().empty()) << env_.MessageTexts()[0];
  for (const char* page : {"calenbomber.htm", "ultima.htm"}) {
    EXPECT_EQ(env_.Contents(std::string("C:\\lega\\") + page),
              RepoFile(std::string("tests/data/fantabar_expected/") + page))
        << page;
  }
}

TEST_P(SampleLeagueTest, ScorerTallyGivesTheTopScorers) {
  ExpectRanking(store_->scorerTally, 2, 3, "cannonieri.htm", "canGOL", 41);
}

TEST_P(SampleLeagueTest, MomTallyGivesTheManOfTheMatchRanking) {
  ExpectRanking(store_->momTally, 3, 2, "uomopartita.htm", "momNUM", 21);
}

TEST_P(SampleLeagueTest, LuckSumsGiveTheFantasfigaRanking) {
  std::istringstream in(RepoFile("tests/data/fantabar_expected/fantasfiga.htm"));
  std::string line;
  int teams = 0;
  while (std::getline(in, line)) {
    size_t at = line.find("fsNUM");
    if (at == std::string::npos) continue;
    size_t value = line.find(">", at) + 1;
    std::string text = line.substr(value, line.find('<', value) - value);
    size_t name = line.find('>', line.find("fsNOME")) + 1;
    std::string team = line.substr(name, line.find('<', name) - name);
    int t = 1;
    while (t <= store_->num_teams && store_->teamName[t] != team) ++t;
    ASSERT_LE(t, store_->num_teams) << team;
    EXPECT_EQ(store_->luck[t][kLuckCount], 6) << team;
    double average = FloorHundredths(store_->luck[t][kLuckSum] / store_->luck[t][kLuckCount]);
    char shown[32];
    std::snprintf(shown, sizeof(shown), "%+.2f", average);
    EXPECT_EQ(shown, text) << team;
    ++teams;
  }
  EXPECT_EQ(teams, 8);
}

TEST_P(SampleLeagueTest, LastMatchdayPlayersAndSeasonTotals) {
  // Matchday 6 opens with the goalkeepers' line of Nizza Panettone - Olimpia
  // Birra, whose away code is "PR".
  const TextTable& day = store_->matchdayPlayers;
  EXPECT_EQ(day.at(2, 1), "P");
  EXPECT_EQ(day.at(2, 2), "DOS SANTOS V.");
  EXPECT_EQ(day.at(2, 3), "Olimpia Birra");
  EXPECT_EQ(day.at(2, 4), "4");
  EXPECT_EQ(day.at(12, 4), "sv/ng");
  EXPECT_EQ(store_->player_line_count, 4 * 22);

  // The season's first line is the first row of the totals.
  EXPECT_EQ(store_->seasonPlayerTotals.at(1, 2), "ALVAREZ Tommaso");
  EXPECT_EQ(store_->seasonPlayerTotals.at(1, 3), "Olimpia Birra");
}

INSTANTIATE_TEST_SUITE_P(TeamOrders, SampleLeagueTest, ::testing::Values(false, true),
                         [](const auto& test) { return test.param ? "Reordered" : "ConfOrder"; });

}  // namespace
}  // namespace corvalis
