// Small seasons for the rating's unit tests: conf.txt teams and modules,
// and matchdays left in the store as the results reader leaves them.
#ifndef CORVALIS_RATING_RATING_TEST_SEASON_H_
#define CORVALIS_RATING_RATING_TEST_SEASON_H_

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "driver/config.h"
#include "driver/run.h"
#include "platform/fake_env.h"
#include "rating/season_aggregation.h"
#include "util/text.h"

namespace corvalis::testing {

// "P6 D6.5 Cx A7 -6": role letter (P, D, C, A; "-" for a line without a
// role) and vote, "x" for no vote.
inline Lineup ParseLineup(const std::string& text) {
  Lineup lineup{};
  std::istringstream words(text);
  std::string word;
  int s = 0;
  while (words >> word) {
    const std::string roles = "-PDCA";
    LineupEntry& line = lineup[++s];
    line.role = static_cast<int>(roles.find(word[0]));
    line.vote = word.substr(1) == "x" ? kNoVote : LeadingNumber(word.substr(1));
  }
  return lineup;
}

class TestSeason {
 public:
  // One fielded team of a matchday: its score, the defenders, midfielders
  // and forwards of its starting part, and its block's lines.
  struct Play {
    int team;
    double score;
    RoleCountRow fielded;  // {0, D, C, A, 0}
    std::string lines;
  };

  TestSeason(const std::vector<std::string>& teams,
             const std::vector<std::string>& modules) {
    InitialiseStore(env_, *store_);
    std::vector<std::string> conf = teams;
    conf.push_back("*");
    conf.insert(conf.end(), modules.begin(), modules.end());
    ApplyConfig(conf, "conf.txt", env_, *store_);
    // Every matchday without a file until Matchday() reads one.
    for (int t = 1; t <= kMaxTeams; ++t) {
      for (int g = 1; g <= kMatchdays; ++g) store_->teamMatchday[t][g][kMdGap] = kNoFileGap;
    }
  }

  SeasonStore& store() { return *store_; }

  // Matchday g as read and rated. A team with a score of 0 is in the file
  // without any valid vote.
  void Matchday(int g, const std::vector<Play>& plays) {
    SeasonStore& s = *store_;
    s.giornata = g;
    s.teamParziale.Clear();
    s.lineupSlot.Clear();
    for (const Play& play : plays) {
      int t = play.team;
      s.lineupSlot[t] = ParseLineup(play.lines);
      for (int c = kRcDefenders; c <= kRcForwards; ++c) {
        s.teamRoleCount[t][g][c] = play.fielded[c];
      }
      if (play.score == 0) continue;
      for (const LineupEntry& line : s.lineupSlot[t]) {
        if (line.role > 0 && line.vote != kNoVote) s.teamMatchday[t][g][kMdValidVotes] += 1;
      }
      s.teamParziale[t] = FloorThousandths(play.score);
      s.teamSeason[t][kSnScoreSum] += play.score;
      s.teamSeason[t][kSnMatches] += 1;
    }
    s.file_found = true;
    s.last_matchday_read = g;
    RateMatchday(s, g);
  }

 private:
  FakeEnv env_;
  std::unique_ptr<SeasonStore> store_ = std::make_unique<SeasonStore>();
};

}  // namespace corvalis::testing

#endif  // CORVALIS_RATING_RATING_TEST_SEASON_H_
