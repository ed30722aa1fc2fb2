#include "matchday/calendar_reader.h"

#include <gtest/gtest.h>

#include <memory>

#include "driver/config.h"
#include "driver/run.h"
#include "platform/fake_env.h"

namespace corvalis {
namespace {

using Column = std::vector<std::string>;  // role, name, vote, bonus, fantavoto

// An export line: a leading tab, then the fields; an empty home column
// leaves its tabs.
std::string Row(const Column& home, const Column& away = {}) {
  std::string line;
  for (size_t i = 0; i < 5; ++i) line += "\t" + (home.empty() ? "" : home[i]);
  for (const std::string& field : away) line += "\t" + field;
  return line;
}

// A line of the score, goals, extra-time kind: title and count per side.
std::string Count(const std::string& title, const std::string& home, const std::string& away) {
  return "\t" + title + "\t\t\t\t\t" + home + "\t" + title + "\t\t\t\t\t" + away;
}

std::string Header(const std::string& home, const std::string& away) {
  return "\t" + home + "\t\t\t\t\t" + away;
}

const char kTitles[] =
    "\tR\tCalciatore\tVoto\tBonus\tFantaVoto\tR\tCalciatore\tVoto\tBonus\tFantaVoto";
const char kBench[] = "\tSostituiti, panchina e tribuna\t\t\t\t\tSostituiti, panchina e tribuna";

// A whole block: header, titles, player lines, score, goals, extra lines,
// the substitutions title and the empty line.
std::vector<std::string> Block(const std::string& home, const std::string& away,
                               const std::vector<std::string>& players,
                               const std::string& goals_home, const std::string& goals_away,
                               const std::vector<std::string>& extra = {}) {
  std::vector<std::string> lines = {Header(home, away), kTitles};
  lines.insert(lines.end(), players.begin(), players.end());
  lines.push_back(Count("Totale squadra", "66", "64,5"));
  lines.push_back(Count("Gol", goals_home, goals_away));
  lines.insert(lines.end(), extra.begin(), extra.end());
  lines.push_back(kBench);
  lines.push_back(Row({"D", "PANCA", "6", "0", "6"}, {"D", "RISERVA", "6", "0", "6"}));
  lines.push_back("");
  return lines;
}

std::vector<std::string> Join(std::vector<std::vector<std::string>> parts) {
  std::vector<std::string> out = {"Lega Prova - Risultati", "Giornata 3"};
  for (const auto& part : parts) out.insert(out.end(), part.begin(), part.end());
  out.push_back("EOF");
  return out;
}

// Alfa - Beta: a goalkeepers' line and four outfield lines a side.
std::vector<std::string> AlfaBetaPlayers() {
  return {Row({"P", "PORTA A.", "7", "0", "7"}, {"P", "PORTA B.", "6", "-1", "5"}),
          Row({"D", "DIFESA A.", "6,5", "0", "6,5"}, {"D", "DIFESA B.", "6", "0", "6"}),
          Row({"C", "MEDIO A.", "7", "3", "10"}, {"C", "MEDIO B.", "6,5", "0", "6,5"}),
          Row({"A", "PUNTA A.", "6", "0", "6"}, {"A", "PUNTA B.", "7", "3", "10"}),
          Row({"CR", "CAMBIO A.", "6", "0", "6"}, {"A", "ALTRA B.", "5,5", "0", "5,5"})};
}

class CalendarReaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitialiseStore(env_, *store_);
    ApplyConfig({"Alfa", "Beta", "Gamma", "Delta", "*", "3 4 3 0"}, "conf.txt", env_, *store_);
    for (int t = 1; t <= 4; ++t) {
      s().teamSeason[t][kSnScoreSum] = 130;
      s().teamSeason[t][kSnMatches] = 2;
    }
  }
  MatchdayReport Read(const std::vector<std::string>& lines) {
    return ReadCalendarMatchday(lines, "Lega Risultati3.tab", 3, env_, s());
  }
  SeasonStore& s() { return *store_; }

  FakeEnv env_;
  std::unique_ptr<SeasonStore> store_ = std::make_unique<SeasonStore>();
};

TEST_F(CalendarReaderTest, CupMatchShowsAllGoalsButExtraGoalsGetNoScorer) {
  MatchdayReport day = Read(Join({Block("Alfa", "Beta", AlfaBetaPlayers(), "3", "2",
                                        {Count(" (Gol T.S.) ", "1", "0")})}));
  EXPECT_TRUE(env_.messages().empty()) << env_.MessageTexts()[0];
  ASSERT_EQ(day.matches.size(), 1u);
  EXPECT_EQ(day.matchday, 3);
  const MatchReport& cup = day.matches[0];
  EXPECT_EQ(cup.home_team, "Alfa");
  EXPECT_EQ(cup.away_team, "Beta");
  EXPECT_EQ(cup.home_goals, 3);
  EXPECT_EQ(cup.away_goals, 2);
  // Alfa: MEDIO 10, then 7 and DIFESA 6.5. Beta: PUNTA 10, then 7 and MEDIO 6.5.
  EXPECT_EQ(cup.home_scorers, "Medio, Medio");
  EXPECT_EQ(cup.away_scorers, "Punta, Punta");
  // MEDIO A. and PUNTA B. share the top fantavoto; Alfa won 3-2.
  EXPECT_EQ(cup.man_of_the_match, "Medio");
  EXPECT_EQ(cup.credits, "");
  EXPECT_EQ(s().momTally.at(1, 1), "MEDIO A.");
  EXPECT_EQ(s().scorerTally.at(1, 2), " 2");
  EXPECT_EQ(s().scorerTally.at(1, 3), "Alfa");
  EXPECT_EQ(s().scorerTally.at(2, 3), "Beta");
}

TEST_F(CalendarReaderTest, PlayersOfTheMatchdayAndScores) {
  Read(Join({Block("Alfa", "Beta", AlfaBetaPlayers(), "1", "1")}));
  const TextTable& day = s().matchdayPlayers;
  EXPECT_EQ(s().player_line_count, 10);  // the bench is not read
  EXPECT_EQ(day.at(1, 1), "P");
  EXPECT_EQ(day.at(1, 2), "PORTA A.");
  EXPECT_EQ(day.at(1, 3), "Alfa");
  EXPECT_EQ(day.at(2, 3), "Beta");
  EXPECT_EQ(day.at(3, 4), "6.5");
  EXPECT_EQ(day.at(9, 1), "C");  // "CR"

  EXPECT_DOUBLE_EQ(s().teamParziale[1], 66);
  EXPECT_DOUBLE_EQ(s().teamParziale[2], 64.5);
  EXPECT_EQ(s().teamSeen[1], 1);
  EXPECT_EQ(s().teamSeen[3], 0);
  // Alfa 66 against its average 65 books +1 to Beta, Beta -0.5 to Alfa.
  EXPECT_DOUBLE_EQ(s().luck[2][kLuckSum], 1);
  EXPECT_DOUBLE_EQ(s().luck[1][kLuckSum], -0.5);
}

TEST_F(CalendarReaderTest, SkippedHomeCodesStillReadTheAwayColumn) {
  Read(Join({Block("Alfa", "Beta",
                   {Row({"P", "PORTA A.", "6", "0", "6"}, {"PU", "PORTA B.", "6", "0", "6"}),
                    Row({"--", "--", "--", "--", "--"}, {"D", "DIFESA B.", "6", "0", "6"}),
                    Row({"DU", "USCITO A.", "9", "0", "9"}, {"--", "--", "--", "--", "--"}),
                    Row({}, {"A", "PUNTA B.", "7", "0", "7"}),
                    Row({"C", "MEDIO A.", "6", "0", "6"}, {"AU", "USCITO B.", "8", "0", "8"})},
                   "0", "0")}));
  const TextTable& day = s().matchdayPlayers;
  std::vector<std::string> names;
  for (int n = 1; n <= s().player_line_count; ++n) names.push_back(day.at(n, 2));
  EXPECT_EQ(names, (std::vector<std::string>{"PORTA A.", "DIFESA B.", "PUNTA B.", "MEDIO A."}));
  EXPECT_EQ(s().matchPlayersAway.at(1, 2), "PUNTA B.");
  EXPECT_EQ(s().matchPlayersAway.at(1, 3), "7");
}

TEST_F(CalendarReaderTest, GoalkeeperCanBeManOfTheMatchButNeverScores) {
  MatchdayReport day =
      Read(Join({Block("Alfa", "Beta",
                       {Row({"P", "PORTA A.", "7", "3", "10"}, {"P", "PORTA B.", "6", "0", "6"}),
                        Row({"D", "DIFESA A.", "6", "0", "6"}, {"D", "DIFESA B.", "6", "0", "6"})},
                       "1", "0")}));
  EXPECT_EQ(day.matches[0].man_of_the_match, "Porta");
  EXPECT_EQ(day.matches[0].home_scorers, "Difesa");
  EXPECT_EQ(s().momCandidates.at(1, 5), "P");
  EXPECT_EQ(s().momCandidates.at(1, 4), " 11");  // won 1-0
}

TEST_F(CalendarReaderTest, BrokenBlocksAreLeftOutAndTheRestIsRead) {
  std::vector<std::string> no_goals = Block("Alfa", "Beta", AlfaBetaPlayers(), "1", "0");
  no_goals.erase(no_goals.begin() + 8);  // the "Gol" line
  std::vector<std::string> no_score = Block("Gamma", "Delta", AlfaBetaPlayers(), "1", "0");
  no_score.erase(no_score.begin() + 7, no_score.begin() + 9);
  std::vector<std::string> good = Block("Beta", "Gamma", AlfaBetaPlayers(), "2", "0");
  MatchdayReport day = Read(Join({no_goals, no_score, good}));

  ASSERT_EQ(day.matches.size(), 1u);
  EXPECT_EQ(day.matches[0].home_team, "Beta");
  EXPECT_EQ(day.matches[0].home_scorers, "Medio, Medio");
  EXPECT_EQ(env_.MessageTexts(),
            (std::vector<std::string>{
                "La partita Alfa - Beta del file Lega Risultati3.tab non ha la riga \"Gol\" "
                "prima delle sostituzioni: non e' nel calendario",
                "La partita Gamma - Delta del file Lega Risultati3.tab non ha la riga del "
                "punteggio prima delle sostituzioni: non e' nel calendario"}));
  EXPECT_EQ(s().scorerTally.at(2, 1), "");  // nobody scored in the broken blocks
  EXPECT_EQ(s().momTally.at(2, 1), "");
  EXPECT_EQ(s().match_index, 3);
}

TEST_F(CalendarReaderTest, FileEndingInsideABlock) {
  std::vector<std::string> first = Block("Alfa", "Beta", AlfaBetaPlayers(), "1", "0");
  std::vector<std::string> cut = Block("Gamma", "Delta", AlfaBetaPlayers(), "1", "0");
  cut.resize(4);
  std::vector<std::string> lines = Join({first, cut});
  lines.pop_back();  // "EOF"
  MatchdayReport day = Read(lines);
  ASSERT_EQ(day.matches.size(), 1u);
  EXPECT_EQ(env_.MessageTexts(),
            std::vector<std::string>{"Il file Lega Risultati3.tab finisce dentro la partita "
                                     "Gamma - Delta: la partita non e' nel calendario"});

  // Ending after the goals line: the match is complete and is printed.
  env_ = FakeEnv();
  cut = Block("Gamma", "Delta", AlfaBetaPlayers(), "1", "0");
  cut.resize(9);
  day = Read(Join({cut}));
  ASSERT_EQ(day.matches.size(), 1u);
  EXPECT_EQ(day.matches[0].home_scorers, "Medio");
  EXPECT_TRUE(env_.messages().empty());
}

TEST_F(CalendarReaderTest, AwaySideOutsideTheLeague) {
  MatchdayReport day = Read(Join({Block("Alfa", "Omega", AlfaBetaPlayers(), "0", "2")}));
  ASSERT_EQ(day.matches.size(), 1u);
  EXPECT_EQ(day.matches[0].away_team, "Omega");
  EXPECT_EQ(day.matches[0].away_scorers, "Punta, Punta");
  EXPECT_EQ(day.matches[0].man_of_the_match, "Punta");  // Omega won
  EXPECT_EQ(s().scorerTally.at(1, 3), "Omega");
  EXPECT_EQ(s().matchdayPlayers.at(2, 3), "Omega");
  EXPECT_DOUBLE_EQ(s().teamParziale[1], 66);
  for (int t = 1; t <= 4; ++t) EXPECT_EQ(s().luck[t][kLuckCount], 0) << t;
}

TEST_F(CalendarReaderTest, HeaderWithoutAwaySideOrWithBlanks) {
  std::vector<std::string> block = Block("Alfa", "", AlfaBetaPlayers(), "2", "1");
  block[0] = "\tAlfa";
  MatchdayReport day = Read(Join({block}));
  ASSERT_EQ(day.matches.size(), 1u);
  EXPECT_EQ(day.matches[0].away_team, "");
  EXPECT_EQ(day.matches[0].home_goals, 2);
  EXPECT_EQ(day.matches[0].away_goals, 0);
  EXPECT_EQ(day.matches[0].away_scorers, "");
  EXPECT_EQ(s().player_line_count, 5);

  // An away name with a blank after it is the team, as for the results reader.
  Read(Join({Block("Alfa", "Beta ", AlfaBetaPlayers(), "1", "0")}));
  EXPECT_EQ(s().teamSeen[2], 1);
  EXPECT_DOUBLE_EQ(s().teamParziale[2], 64.5);
}

TEST_F(CalendarReaderTest, EmptyFirstFieldIsNeverAMatchHeader) {
  store_ = std::make_unique<SeasonStore>();
  InitialiseStore(env_, *store_);
  ApplyConfig({"Alfa", "Beta", "", "*", "3 4 3 0"}, "conf.txt", env_, *store_);
  std::vector<std::string> file = Join({Block("Alfa", "Beta", AlfaBetaPlayers(), "1", "0")});
  file.insert(file.begin() + 2, {"", "\t \t"});
  MatchdayReport day = Read(file);
  EXPECT_TRUE(env_.messages().empty()) << env_.MessageTexts()[0];
  ASSERT_EQ(day.matches.size(), 1u);
  EXPECT_EQ(day.matches[0].home_team, "Alfa");
  EXPECT_EQ(s().teamSeen[3], 0);
}

TEST_F(CalendarReaderTest, MatchWithoutCandidatesShowsNobody) {
  std::vector<std::string> negative = {
      Row({"P", "PORTA C.", "4", "-1", "-1"}, {"P", "PORTA D.", "4", "-2", "-2"}),
      Row({"D", "DIFESA C.", "4", "-1,5", "-1,5"}, {"D", "DIFESA D.", "4", "-1", "-1"})};
  MatchdayReport day = Read(Join({Block("Alfa", "Beta", AlfaBetaPlayers(), "1", "0"),
                                  Block("Gamma", "Delta", negative, "0", "0")}));
  ASSERT_EQ(day.matches.size(), 2u);
  EXPECT_EQ(day.matches[0].man_of_the_match, "Medio");
  EXPECT_EQ(day.matches[1].man_of_the_match, "");
  EXPECT_EQ(s().matchSheet.at(2, 6), "");
}

TEST_F(CalendarReaderTest, CreditsText) {
  s().credits_available = true;
  s().matchSheet.at(1, 1) = "Gamma";
  s().matchSheet.at(1, 5) = "Delta";
  s().matchSheet.at(2, 1) = "Alfa";
  s().matchSheet.at(2, 3) = " 12 /90,5";
  s().matchSheet.at(2, 4) = "51011";
  s().matchSheet.at(2, 5) = "Beta";
  MatchdayReport day = Read(Join({Block("Alfa", "Beta", AlfaBetaPlayers(), "1", "0"),
                                  Block("Beta", "Alfa", AlfaBetaPlayers(), "1", "0")}));
  EXPECT_EQ(day.matches[0].credits, "    Spet:51011 Cred:  12 /90,5");
  EXPECT_EQ(day.matches[1].credits, "    Spet:");
}

TEST_F(CalendarReaderTest, LimitsWarnOnce) {
  // 24 players share the top fantavoto: the first 22 are candidates.
  std::vector<std::string> even;
  for (int i = 1; i <= 12; ++i) {
    std::string n = std::to_string(i);
    even.push_back(Row({"C", "CASA" + n, "6", "0", "6"}, {"C", "FUORI" + n, "6", "0", "6"}));
  }
  MatchdayReport day = Read(Join({Block("Alfa", "Beta", even, "60", "0")}));
  ASSERT_EQ(env_.MessageTexts().size(), 2u);
  EXPECT_NE(env_.MessageTexts()[0].find("piu' di 22 giocatori"), std::string::npos);
  EXPECT_NE(env_.MessageTexts()[1].find("piu' di 50 gol di Alfa"), std::string::npos);
  EXPECT_EQ(day.matches[0].man_of_the_match, "Casa1");
  EXPECT_EQ(day.matches[0].home_goals, 60);
  EXPECT_EQ(s().scorerTally.at(1, 2), " 5");  // 50 goals over twelve: two get five
  EXPECT_EQ(s().momCandidates.at(22, 1), "FUORI11");
}

}  // namespace
}  // namespace corvalis
