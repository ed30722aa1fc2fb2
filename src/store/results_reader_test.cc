#include "store/results_reader.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>

#include "driver/config.h"
#include "driver/run.h"
#include "platform/fake_env.h"
#include "store/bench_vote_register.h"
#include "util/run_stop.h"

namespace corvalis {
namespace {

using Column = std::vector<std::string>;  // role, name, vote, bonus, fantavoto

std::string Join(const Column& fields) {
  std::string out;
  for (size_t i = 0; i < fields.size(); ++i) out += (i ? "\t" : "") + fields[i];
  return out;
}

// A player line as the exports write it: one leading tab, the home column,
// the away column; an empty column leaves its tabs.
std::string Line(const Column& home, const Column& away) {
  std::string h = home.empty() ? "\t\t\t\t" : Join(home);
  return "\t" + h + (away.empty() ? "" : "\t" + Join(away));
}

std::string Header(const std::string& home, const std::string& away) {
  return "\t" + home + "\t\t\t\t\t" + away;
}

const char kTitles[] =
    "\tR\tCalciatore\tVoto\tBonus\tFantaVoto\tR\tCalciatore\tVoto\tBonus\tFantaVoto";
const char kBench[] =
    "\tSostituiti, panchina e tribuna\t\t\t\t\tSostituiti, panchina e tribuna";

std::string Score(const std::string& home, const std::string& away) {
  return "\tTotale squadra\t\t\t\t\t" + home + "\tTotale squadra\t\t\t\t\t" + away;
}
std::string Goals(const std::string& home, const std::string& away) {
  return "\tGol\t\t\t\t\t" + home + "\tGol\t\t\t\t\t" + away;
}

class ResultsReaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitialiseStore(env_, *store_);
    ApplyConfig({"Alfa", "Beta", "Gamma", "*", "3 4 3 0", "4 4 2 0"}, "conf.txt", env_,
                *store_);
  }
  void Read(const std::vector<std::string>& lines, int g = 1) {
    store_->giornata = g;
    store_->teamParziale.Clear();
    store_->teamSeen.Clear();
    store_->lineupSlot.Clear();
    ReadResultsLines(lines, "Lega Risultati1.tab", env_, *store_);
  }
  SeasonStore& s() { return *store_; }

  FakeEnv env_;
  std::unique_ptr<SeasonStore> store_ = std::make_unique<SeasonStore>();
};

// Alfa - Beta with the usual parts of a block.
std::vector<std::string> AlfaBeta() {
  return {
      "Lega Prova - Risultati",
      "Giornata 1",
      Header("Alfa", "Beta"),
      kTitles,
      Line({"P", "PORTA Uno", "6", "-1", "5"}, {"P", "PORTA Due", "6,5", "0", "6,5"}),
      Line({"D", "DIFESA Uno", "6,5", "0,5", "7"}, {"DU", "DIFESA Due", "6", "0", "6"}),
      Line({"CR", "MEDIO Uno", "7", "3", "10"}, {"C", "MEDIO Due", "sv/ng", "0", "sv/ng"}),
      Line({"A", "PUNTA Uno", "6", "1,5", "7,5"}, {"--", "--", "--", "--", "--"}),
      Score("70,1239", "64,5"),
      Goals("1", "0"),
      kBench,
      Line({"Ds", "RISERVA Uno", "sv/ng", "0", "sv/ng"}, {"A", "PUNTA Due", "6", "1", "7"}),
      Line({"C", "RISERVA Due", "5,5", "0", "5,5"}, {}),
      Line({}, {"Cs", "RISERVA Tre", "sv/ng", "0", "sv/ng"}),
      "",
      "EOF",
  };
}

TEST_F(ResultsReaderTest, RolesVotesCountsAndScores) {
  Read(AlfaBeta());
  EXPECT_TRUE(env_.messages().empty()) << env_.MessageTexts()[0];

  // Lineup slots: role numbers and votes; "DU" counts but has no role.
  EXPECT_EQ(s().lineupSlot[1][1].role, kGoalkeeper);
  EXPECT_EQ(s().lineupSlot[1][1].vote, 5);
  EXPECT_EQ(s().lineupSlot[1][2].role, kDefender);
  EXPECT_EQ(s().lineupSlot[1][2].vote, 7);
  EXPECT_EQ(s().lineupSlot[1][3].role, kMidfielder);
  EXPECT_EQ(s().lineupSlot[1][4].vote, 7.5);
  EXPECT_EQ(s().lineupSlot[2][2].role, kNoRole);
  EXPECT_EQ(s().lineupSlot[2][3].vote, kNoVote);
  EXPECT_EQ(s().lineupSlot[1][5].role, kNoRole);  // "Ds" has no role number
  EXPECT_EQ(s().lineupSlot[2][5].role, kForward);  // first bench line: slot 5
  EXPECT_EQ(s().lineupSlot[2][7].vote, kNoVote);

  // Role counts of the starting part only.
  EXPECT_EQ(s().teamRoleCount[1][1][kRcDefenders], 1);
  EXPECT_EQ(s().teamRoleCount[1][1][kRcMidfielders], 1);
  EXPECT_EQ(s().teamRoleCount[1][1][kRcForwards], 1);
  EXPECT_EQ(s().teamRoleCount[2][1][kRcDefenders], 1);
  EXPECT_EQ(s().teamRoleCount[2][1][kRcMidfielders], 1);
  EXPECT_EQ(s().teamRoleCount[2][1][kRcForwards], 0);
  EXPECT_EQ(s().teamRoleCountName[1], "Alfa");

  // Valid votes: voted lines with a role, bench included.
  EXPECT_EQ(s().teamMatchday[1][1][kMdValidVotes], 5);
  EXPECT_EQ(s().teamMatchday[2][1][kMdValidVotes], 2);

  // Scores: truncated to three decimals; the season sum keeps them whole.
  EXPECT_DOUBLE_EQ(s().teamParziale[1], 70.123);
  EXPECT_DOUBLE_EQ(s().teamSeason[1][kSnScoreSum], 70.1239);
  EXPECT_EQ(s().teamSeason[1][kSnMatches], 1);
  EXPECT_DOUBLE_EQ(s().teamParziale[2], 64.5);
  EXPECT_EQ(s().teamParziale[3], 0);

  // Positive bonuses: 0,5 is not summed (read before the comma); "CR" and
  // the bench add to column 3.
  EXPECT_EQ(s().teamVoteSum[1][kVsPositiveLines], 2);
  EXPECT_EQ(s().teamVoteSum[1][kVsPositiveSum], 4.5);
  EXPECT_EQ(s().teamVoteSum[1][kVsSubstituteSum], 3);
  EXPECT_EQ(s().teamVoteSum[2][kVsPositiveLines], 1);
  EXPECT_EQ(s().teamVoteSum[2][kVsSubstituteSum], 1);
}

TEST_F(ResultsReaderTest, RosterCountersKeepTheirTextForms) {
  Read(AlfaBeta(), 1);
  Read(AlfaBeta(), 2);
  const Roster& alfa = s().roster[1];
  EXPECT_EQ(s().rosterTeamName[1], "Alfa");
  EXPECT_EQ(alfa[1].name, "PORTA Uno");
  EXPECT_EQ(alfa[1].starts, "2");
  EXPECT_EQ(alfa[1].role, "P");
  EXPECT_EQ(alfa[3].name, "MEDIO Uno");
  EXPECT_EQ(alfa[3].subs_in, " 2");  // "1", then the number-to-text form
  EXPECT_EQ(alfa[3].role, "C");
  EXPECT_EQ(alfa[5].name, "RISERVA Uno");  // bench, no vote, code ending in "s"
  EXPECT_EQ(alfa[5].starts, "");
  EXPECT_EQ(alfa[5].bench_listings, " 2");
  EXPECT_EQ(alfa[6].name, "RISERVA Due");  // bench with a vote: listed, no count
  EXPECT_EQ(alfa[6].starts, "");
  const Roster& beta = s().roster[2];
  EXPECT_EQ(beta[2].name, "DIFESA Due");
  EXPECT_EQ(beta[2].starts, "2");
  // A starter without a vote is no appearance; the "--" placeholder is
  // listed like a player who never started.
  EXPECT_EQ(beta[3].name, "--");
  EXPECT_EQ(beta[3].role, "-");
  EXPECT_EQ(beta[3].starts, "");
  EXPECT_EQ(beta[4].name, "PUNTA Due");
  EXPECT_EQ(beta[5].name, "RISERVA Tre");
  EXPECT_EQ(beta[5].bench_listings, " 2");
  EXPECT_EQ(beta[6].name, "");

  Read(AlfaBeta(), 3);
  EXPECT_EQ(alfa[1].starts, "3");
}

TEST_F(ResultsReaderTest, BenchVotesGoToTheRegister) {
  Read(AlfaBeta(), 1);
  Read(AlfaBeta(), 2);
  const TextTable& r = s().playerRegistry;
  EXPECT_EQ(r.at(1, 1), "A");
  EXPECT_EQ(r.at(1, 2), "PUNTA Due");
  EXPECT_EQ(r.at(1, 3), " 14");
  EXPECT_EQ(r.at(1, 4), " 2");
  EXPECT_EQ(r.at(1, 5), "Beta");
  EXPECT_EQ(r.at(2, 2), "RISERVA Due");
  EXPECT_EQ(r.at(2, 3), " 11");
  EXPECT_EQ(r.at(3, 2), "");
}

TEST_F(ResultsReaderTest, RegisterTellsTeamsApartOnlyWithSq) {
  RecordBenchVote(s(), "ROSSI", "D", "6.5", "Alfa");
  RecordBenchVote(s(), "ROSSI", "D", "7", "Beta");
  EXPECT_EQ(s().playerRegistry.at(1, 3), " 13.5");
  EXPECT_EQ(s().playerRegistry.at(1, 5), "Alfa");
  EXPECT_EQ(s().playerRegistry.at(2, 2), "");

  s().playerRegistry.Clear();
  s().sq_flag = 1;
  RecordBenchVote(s(), "ROSSI", "D", "6.5", "Alfa");
  RecordBenchVote(s(), "ROSSI", "D", "7", "Beta");
  EXPECT_EQ(s().playerRegistry.at(1, 3), "6.5");
  EXPECT_EQ(s().playerRegistry.at(1, 4), " 1");
  EXPECT_EQ(s().playerRegistry.at(2, 5), "Beta");
}

TEST_F(ResultsReaderTest, FullRegisterIgnoresNewPlayersWithOneWarning) {
  for (int r = 1; r <= kPlayerRows; ++r) {
    ASSERT_TRUE(RecordBenchVote(s(), "P" + std::to_string(r), "D", "6", "Alfa"));
  }
  EXPECT_FALSE(RecordBenchVote(s(), "NUOVO", "D", "6", "Alfa"));
  EXPECT_EQ(s().playerRegistry.at(0, 2), "");
  EXPECT_TRUE(RecordBenchVote(s(), "P7", "D", "6", "Alfa"));  // known players still count
  EXPECT_EQ(s().playerRegistry.at(7, 4), " 2");

  std::vector<std::string> file = AlfaBeta();
  Read(file);
  Read(file, 2);
  ASSERT_EQ(env_.messages().size(), 1u);
  EXPECT_NE(env_.messages()[0].text.find("Registro"), std::string::npos);
}

TEST_F(ResultsReaderTest, TeamMetTwiceGoesToTheOverflowRow) {
  std::vector<std::string> file = AlfaBeta();
  file.pop_back();  // "EOF"
  file.insert(file.end(), {Header("Alfa", "Gamma"), kTitles,
                           Line({"D", "ALTRO", "6", "2", "8"}, {"D", "TERZO", "6", "0", "6"}),
                           Score("80", "60"), Goals("3", "0"), kBench, "", "EOF"});
  Read(file);
  EXPECT_DOUBLE_EQ(s().teamParziale[1], 70.123);
  EXPECT_EQ(s().teamSeason[1][kSnMatches], 1);
  EXPECT_EQ(s().teamVoteSum[1][kVsPositiveLines], 2);
  EXPECT_EQ(s().teamParziale[kOverflowTeam], 80);
  EXPECT_EQ(s().lineupSlot[kOverflowTeam][1].vote, 8);
  EXPECT_EQ(s().teamParziale[3], 60);
  EXPECT_EQ(s().roster[1][7].name, "");
}

// A team's second block of a file fills the overflow row; its warnings
// still name the team (the overflow row has no name of its own).
TEST_F(ResultsReaderTest, RepeatedBlockWarningsNameTheTeam) {
  std::vector<std::string> file = AlfaBeta();
  file.pop_back();  // "EOF"
  file.insert(file.end(), {Header("Alfa", "Gamma"), kTitles});
  for (int n = 1; n <= kSlots + 1; ++n) {
    file.push_back(Line({"D", "GIOCATORE " + std::to_string(n), "6", "0", "6"}, {}));
  }
  file.insert(file.end(), {Score("80", "60"), Goals("0", "0"), kBench, "", "EOF"});
  Read(file);
  std::vector<std::string> texts = env_.MessageTexts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].rfind("Rosa di Alfa piena (50 giocatori): GIOCATORE 51 e i successivi", 0),
            0u)
      << texts[0];
  EXPECT_EQ(texts[1].rfind("La partita Alfa - Gamma ha oltre 80 righe", 0), 0u) << texts[1];
}

// Input quoted in a message is cut to 80 bytes: a whole line of an export
// must not become a message box.
TEST_F(ResultsReaderTest, LongNamesAreCutInMessages) {
  std::string omega(200, 'O');
  Read({Header("Alfa", omega), kTitles, Line({"P", "PORTA Uno", "6", "0", "6"}, {"P", "X", "6", "0", "6"}),
        Score("66", "60"), Goals("1", "0"), kBench, "", "EOF"});
  EXPECT_EQ(env_.MessageTexts(),
            std::vector<std::string>{"Problema con " + std::string(80, 'O') + "..."});
  std::string delta(100, 'D');
  try {
    Read({Header(delta, "Beta"), kTitles});
    FAIL() << "no stop";
  } catch (const RunStop& stop) {
    EXPECT_EQ(std::string(stop.what()),
              "Probabile errore nel conf.txt su --> " + std::string(80, 'D') + "...");
  }
}

// An empty line of conf.txt is a team without a name; an empty line of the
// export still heads no match of it.
TEST_F(ResultsReaderTest, EmptyFirstFieldIsNeverAMatchHeader) {
  store_ = std::make_unique<SeasonStore>();
  InitialiseStore(env_, *store_);
  ApplyConfig({"Alfa", "Beta", "Gamma", "", "*", "3 4 3 0"}, "conf.txt", env_, *store_);
  std::vector<std::string> file = AlfaBeta();
  file.insert(file.begin() + 2, {"", "\t \t"});
  Read(file);
  EXPECT_TRUE(env_.messages().empty()) << env_.MessageTexts()[0];
  EXPECT_EQ(s().teamSeen[4], 0);
  EXPECT_DOUBLE_EQ(s().teamParziale[1], 70.123);
  EXPECT_EQ(s().teamMatchday[1][1][kMdValidVotes], 5);
}

TEST_F(ResultsReaderTest, SideWithoutValidVotesDidNotPlay) {
  Read({Header("Alfa", "Beta"), kTitles,
        Line({"P", "PORTA Uno", "sv/ng", "0", "sv/ng"}, {"P", "PORTA Due", "6", "0", "6"}),
        Score("0", "66"), Goals("0", "1"), kBench,
        Line({"D", "RISERVA", "6", "0", "6"}, {"D", "PANCA", "6", "0", "6"}), "", "EOF"});
  EXPECT_EQ(s().teamParziale[1], 0);
  EXPECT_EQ(s().teamSeason[1][kSnMatches], 0);
  EXPECT_EQ(s().teamMatchday[1][1][kMdValidVotes], 0);  // bench adds none either
  EXPECT_EQ(s().teamMatchday[2][1][kMdValidVotes], 2);
  EXPECT_EQ(s().teamParziale[2], 66);
}

TEST_F(ResultsReaderTest, UnknownHeaderBeforeTitlesEndsTheRun) {
  try {
    Read({"Giornata 1", Header("Delta", "Beta"), kTitles});
    FAIL() << "no stop";
  } catch (const RunStop& stop) {
    EXPECT_STREQ(stop.what(), "Probabile errore nel conf.txt su --> Delta");
    EXPECT_EQ(stop.status(), kExitInputMessage);
  }
}

TEST_F(ResultsReaderTest, MissingEofWarnsAndKeepsTheData) {
  std::vector<std::string> file = AlfaBeta();
  file.pop_back();
  Read(file);
  EXPECT_EQ(env_.MessageTexts(), std::vector<std::string>{"Squadra non riconosciuta Beta"});
  EXPECT_EQ(s().teamSeason[1][kSnMatches], 1);

  env_ = FakeEnv();
  file.push_back("Note finali");
  Read(file, 2);
  EXPECT_EQ(env_.MessageTexts(),
            std::vector<std::string>{"Squadra non riconosciuta Note finali"});
}

TEST_F(ResultsReaderTest, EndInsideABlockIsSilent) {
  std::vector<std::string> file = AlfaBeta();
  file.resize(file.size() - 2);  // no empty line, no "EOF"
  Read(file);
  EXPECT_TRUE(env_.messages().empty());
  EXPECT_EQ(s().teamSeason[2][kSnMatches], 1);
}

TEST_F(ResultsReaderTest, EofRightAfterTheLastBlockEndsNormally) {
  std::vector<std::string> file = AlfaBeta();
  file.erase(file.end() - 2);  // "EOF" read as a player line
  Read(file);
  EXPECT_TRUE(env_.messages().empty());
}

TEST_F(ResultsReaderTest, UnknownAwayTeamIsReportedOncePerBlock) {
  Read({Header("Alfa", "Omega"), kTitles,
        Line({"P", "PORTA Uno", "6", "0", "6"}, {"P", "X", "6", "0", "6"}),
        Line({"D", "DIFESA Uno", "6", "0", "6"}, {"D", "Y", "6", "0", "6"}),
        Score("66", "60"), Goals("1", "0"), kBench, "", "EOF"});
  EXPECT_EQ(env_.MessageTexts(), std::vector<std::string>{"Problema con Omega"});
  EXPECT_EQ(s().teamParziale[1], 66);
  EXPECT_EQ(s().teamMatchday[1][1][kMdValidVotes], 2);
}

TEST_F(ResultsReaderTest, NoBenchTitleEndsTheRun) {
  std::vector<std::string> file = {Header("Alfa", "Beta"), kTitles,
                                   Line({"P", "PORTA Uno", "6", "0", "6"}, {}),
                                   Score("66", "60"), Goals("1", "0"),
                                   Line({"D", "X", "6", "0", "6"}, {})};
  try {
    Read(file);
    FAIL() << "no stop";
  } catch (const RunStop& stop) {
    EXPECT_STREQ(stop.what(),
                 "Probabile errore di esportazione risultati, senza panchina e tribuna");
    EXPECT_EQ(stop.status(), kExitInputMessage);
  }
  // The end of the file right after the score line: the same message.
  file.resize(4);
  EXPECT_THROW(Read(file, 2), RunStop);
}

TEST_F(ResultsReaderTest, BenchTitleWithoutGoalsLineIsSearchedFurther) {
  // Without a "Gol" line the title line itself restarts the search on the
  // line after it; the title is then found on a later line.
  Read({Header("Alfa", "Beta"), kTitles,
        Line({"P", "PORTA Uno", "6", "0", "6"}, {"P", "PORTA Due", "6", "0", "6"}),
        Score("66", "60"), kBench, Line({"D", "PRIMA", "6", "0", "6"}, {}),
        "\tSostituiti, panchina e tribuna",
        Line({"D", "DOPO", "6", "1", "7"}, {"D", "ALTRO", "6", "0", "6"}), "", "EOF"});
  EXPECT_TRUE(env_.messages().empty());
  EXPECT_EQ(s().roster[1][2].name, "DOPO");
  EXPECT_EQ(s().playerRegistry.at(1, 2), "DOPO");  // a bench vote
  EXPECT_EQ(s().roster[1][3].name, "");            // PRIMA was skipped
}

TEST_F(ResultsReaderTest, MatchdayDiscoveryReadsOnlyTheFirstMatch) {
  env_.AddLines("C:\\lega\\b Risultati1.tab", {"Giornata 1", "EOF"});
  env_.AddLines("C:\\lega\\A Risultati1.tab", AlfaBeta());
  env_.AddLines("C:\\lega\\Risultati11.tab", AlfaBeta());
  s().giornata = 1;
  EXPECT_TRUE(ReadMatchday(env_, s(), 1));
  EXPECT_TRUE(s().file_found);
  EXPECT_EQ(s().teamSeason[1][kSnMatches], 1);

  s().giornata = 2;
  EXPECT_FALSE(ReadMatchday(env_, s(), 2));
  EXPECT_EQ(s().teamMatchday[1][2][kMdGap], -1);
  EXPECT_EQ(s().teamMatchday[40][2][kMdGap], -1);
  EXPECT_EQ(ResultsPattern(7), "*Risultati7.tab");
}

}  // namespace
}  // namespace corvalis

namespace corvalis {
namespace {

std::string SampleFile(const std::string& name) {
  std::ifstream in(std::string(CORVALIS_SOURCE_DIR) + "/examples/fantabar/" + name,
                   std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

TEST(ResultsReaderSampleTest, RealLayoutReadsWithoutMessages) {
  FakeEnv env("C:\\lega");
  env.AddFile("C:\\lega\\conf.txt", SampleFile("conf.txt"));
  for (int g = 1; g <= 6; ++g) {
    std::string name = "fantabar_Risultati" + std::to_string(g) + ".tab";
    std::string bytes = SampleFile(name);
    ASSERT_FALSE(bytes.empty()) << name;
    env.AddFile("C:\\lega\\" + name, bytes);
  }
  auto store = std::make_unique<SeasonStore>();
  InitialiseStore(env, *store);
  ReadConfig(env, *store);
  for (int g = 1; g <= kMatchdays; ++g) {
    store->giornata = g;
    store->teamSeen.Clear();
    EXPECT_EQ(ReadMatchday(env, *store, g), g <= 6) << g;
  }
  EXPECT_TRUE(env.messages().empty()) << env.MessageTexts()[0];
  EXPECT_EQ(store->num_teams, 8);
  for (int t = 1; t <= 8; ++t) {
    EXPECT_EQ(store->teamSeason[t][kSnMatches], 6) << store->teamName[t];
    EXPECT_EQ(store->teamRoleCountName[t], store->teamName[t]);
  }
  // Olimpia Birra - Celtic Risotto of matchday 1: 70 and 67.
  EXPECT_EQ(store->teamMatchday[1][1][kMdValidVotes], 17);  // 10 starters, 7 bench
  EXPECT_EQ(store->teamRoleCount[1][1][kRcDefenders], 4);  // D, D, DU, D
  EXPECT_EQ(store->teamMatchday[1][7][kMdGap], -1);
}

}  // namespace
}  // namespace corvalis
