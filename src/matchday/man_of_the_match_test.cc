#include "matchday/man_of_the_match.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/fake_env.h"

namespace corvalis {
namespace {

// name, team, vote, score, role letter, side marker
using Candidate = std::vector<std::string>;

class ManOfTheMatchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* defaults[] = {"", "VA", "MG", "DF", "CE", "AT", ""};
    for (int k = 0; k <= kTieRules; ++k) s().tieRule[k] = defaults[k];
    s().match_index = 1;
  }

  void Rules(std::vector<std::string> rules) {
    rules.resize(kTieRules);
    for (int k = 1; k <= kTieRules; ++k) s().tieRule[k] = rules[k - 1];
  }

  // Chooses among `candidates`; returns the surname.
  std::string Choose(const std::vector<Candidate>& candidates, double best) {
    s().momCandidates.Clear();
    for (size_t i = 0; i < candidates.size(); ++i) {
      for (int c = 1; c <= 6; ++c) {
        s().momCandidates.at(static_cast<int>(i) + 1, c) = candidates[i][c - 1];
      }
    }
    best_ = best;
    return ChooseManOfTheMatch(env_, s(), best_);
  }

  SeasonStore& s() { return *store_; }

  FakeEnv env_;
  std::unique_ptr<SeasonStore> store_ = std::make_unique<SeasonStore>();
  double best_ = 0;
};

TEST_F(ManOfTheMatchTest, SingleCandidateOrNone) {
  Rules({});
  EXPECT_EQ(Choose({{"BIANCHI Ugo", "Alfa", "6", " 7", "P", "Fuori"}}, 7), "BIANCHI");
  EXPECT_EQ(s().matchSheet.at(1, 6), "BIANCHI");
  EXPECT_EQ(s().momTally.at(1, 1), "BIANCHI Ugo");
  EXPECT_EQ(s().momTally.at(1, 2), "Alfa");
  EXPECT_EQ(s().momTally.at(1, 3), "1");

  // Nobody: no name carried over from the match before, nobody counted.
  EXPECT_EQ(Choose({}, 0), "");
  EXPECT_EQ(s().matchSheet.at(1, 6), "");
  EXPECT_EQ(s().momTally.at(2, 1), "");

  // A fantavoto with more digits than its text keeps is still found.
  EXPECT_EQ(Choose({{"LUNGO A.", "Alfa", "6", " 8.12345678901235", "C", "Casa"}},
                   8.1234567890123456),
            "LUNGO");

  // Past the 50 rows of matchSheet the match still gets its name.
  s().match_index = 51;
  EXPECT_EQ(Choose({{"ROSSI M.", "Alfa", "6", " 7", "C", "Casa"}}, 7), "ROSSI");
}

TEST_F(ManOfTheMatchTest, WinningSideGoesFirst) {
  // Two at 8; the away side won 2-1: its candidate gets 9.
  EXPECT_EQ(Choose({{"CASA A.", "Alfa", "7", " 8", "A", "Casa"},
                    {"OSPITE B.", "Beta", "6", " 8", "C", "1"}},
                   8),
            "OSPITE");
  EXPECT_EQ(best_, 9);
  EXPECT_EQ(s().momCandidates.at(1, 1), "OSPITE B.");  // the marker moved with him
  EXPECT_EQ(s().momCandidates.at(1, 4), " 9");
  EXPECT_EQ(s().momCandidates.at(1, 6), "1");
  EXPECT_EQ(s().momCandidates.at(2, 6), "Casa");
}

TEST_F(ManOfTheMatchTest, DrawWithEqualVotesTheVoteRuleRaisesTheFirst) {
  // A forward and then a defender: "VA" raises only the forward to 8.01,
  // and the role rules are never consulted.
  EXPECT_EQ(Choose({{"PUNTA A.", "Alfa", "6", " 8", "A", "Casa"},
                    {"DIFESA B.", "Beta", "6", " 8", "D", "Fuori"}},
                   8),
            "PUNTA");
  EXPECT_EQ(s().momCandidates.at(1, 4), " 8.01");
  EXPECT_EQ(s().momCandidates.at(2, 4), " 8");

  // Plain votes 7 and 6.5 at 7.5: the first has the higher vote.
  EXPECT_EQ(Choose({{"SETTE A.", "Alfa", "7", " 7.5", "C", "Casa"},
                    {"SEIEMEZZO B.", "Beta", "6.5", " 7.5", "C", "Fuori"}},
                   7.5),
            "SETTE");
  // The higher vote wins wherever it stands.
  EXPECT_EQ(Choose({{"SEIEMEZZO B.", "Beta", "6.5", " 7.5", "C", "Fuori"},
                    {"SETTE A.", "Alfa", "7", " 7.5", "C", "Casa"}},
                   7.5),
            "SETTE");
}

TEST_F(ManOfTheMatchTest, RoleRulesAndTheEndOfTheRules) {
  Rules({"DF"});
  EXPECT_EQ(Choose({{"PUNTA A.", "Alfa", "6", " 8", "A", "Casa"},
                    {"DIFESA B.", "Beta", "6", " 8", "D", "Fuori"}},
                   8),
            "DIFESA");
  EXPECT_DOUBLE_EQ(best_, 8.01);

  // Two defenders: "DF" raises both every time; "MG" and "PG" do nothing.
  Rules({"DF", "MG", "DF", "PG", "DF", "DF"});
  EXPECT_EQ(Choose({{"UNO A.", "Alfa", "6", " 8", "D", "Casa"},
                    {"DUE B.", "Beta", "6", " 8", "D", "Fuori"}},
                   8),
            "UNO");
  EXPECT_DOUBLE_EQ(best_, 8.04);
  EXPECT_EQ(s().momCandidates.at(2, 4), " 8.04");

  // An empty slot ends the rules at once: the first in table order.
  Rules({"MG", ""});
  EXPECT_EQ(Choose({{"UNO A.", "Alfa", "6", " 8", "D", "Casa"},
                    {"DUE B.", "Beta", "7", " 8", "D", "Fuori"}},
                   8),
            "UNO");
}

TEST_F(ManOfTheMatchTest, TallyTellsTeamsApartOnlyWithSq) {
  Candidate alfa = {"ROSSI M.", "Alfa", "6", " 7", "C", "Casa"};
  Candidate beta = {"ROSSI M.", "Beta", "6", " 7", "C", "Casa"};
  Choose({alfa}, 7);
  Choose({beta}, 7);
  Choose({beta}, 7);
  EXPECT_EQ(s().momTally.at(1, 3), " 3");
  EXPECT_EQ(s().momTally.at(1, 2), "Alfa");  // the first team stays
  EXPECT_EQ(s().momTally.at(2, 1), "");

  s().momTally.Clear();
  s().sq_flag = 1;
  Choose({alfa}, 7);
  Choose({beta}, 7);
  Choose({beta}, 7);
  EXPECT_EQ(s().momTally.at(1, 3), "1");
  EXPECT_EQ(s().momTally.at(2, 2), "Beta");
  EXPECT_EQ(s().momTally.at(2, 3), " 2");
}

TEST_F(ManOfTheMatchTest, FullTallyWarnsOnce) {
  for (int r = 1; r <= kPlayerRows; ++r) {
    s().momTally.at(r, 1) = "P" + std::to_string(r);
    s().momTally.at(r, 3) = "1";
  }
  EXPECT_EQ(Choose({{"NUOVO A.", "Alfa", "6", " 7", "C", "Casa"}}, 7), "NUOVO");
  EXPECT_EQ(Choose({{"ALTRO A.", "Alfa", "6", " 7", "C", "Casa"}}, 7), "ALTRO");
  EXPECT_EQ(Choose({{"P9", "Alfa", "6", " 7", "C", "Casa"}}, 7), "P9");
  EXPECT_EQ(env_.MessageTexts().size(), 1u);
  EXPECT_EQ(s().momTally.at(9, 3), " 2");
}

}  // namespace
}  // namespace corvalis
