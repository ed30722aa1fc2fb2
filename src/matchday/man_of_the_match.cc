#include "matchday/man_of_the_match.h"

#include <algorithm>

#include "matchday/scorers.h"
#include "util/rank_rows.h"
#include "util/text.h"
#include "store/warnings.h"

namespace corvalis {
namespace {

// Columns of momCandidates.
enum CandidateColumn {
  kName = 1,
  kTeam = 2,
  kVote = 3,
  kScore = 4,
  kRoleLetter = 5,
  kSide = 6,  // "Casa", "Fuori", or "1" for the side that won
};
constexpr int kCandidateColumns = 6;

constexpr double kWinnerBonus = 1;
constexpr double kRuleStep = 0.01;

bool Named(const TextTable& c, int r) { return !c.at(r, kName).empty(); }
double Score(const TextTable& c, int r) { return LeadingNumber(c.at(r, kScore)); }

// Raises a candidate's score and returns it as read back from its text.
double Raise(TextTable& c, int r, double by) {
  c.at(r, kScore) = NumberText(Score(c, r) + by);
  return Score(c, r);
}

int CountAtBest(const TextTable& c, double best) {
  int count = 0;
  for (int r = 1; r <= kMomCandidates; ++r) {
    if (Named(c, r) && Score(c, r) == best) ++count;
  }
  return count;
}

// "VA": the first of the leaders with the highest plain vote goes ahead.
void PreferHigherVote(TextTable& c, double& best) {
  double highest = 0;
  for (int r = 1; r <= kMomCandidates; ++r) {
    if (Named(c, r) && Score(c, r) == best) {
      highest = std::max(highest, LeadingNumber(c.at(r, kVote)));
    }
  }
  for (int r = 1; r <= kMomCandidates; ++r) {
    if (Named(c, r) && Score(c, r) == best && LeadingNumber(c.at(r, kVote)) == highest) {
      best = Raise(c, r, kRuleStep);
      return;
    }
  }
}

// "DF", "CE", "AT": every leader of the role goes ahead.
void PreferRole(TextTable& c, char letter, double& best) {
  double raised = best;
  for (int r = 1; r <= kMomCandidates; ++r) {
    if (Named(c, r) && Score(c, r) == best && c.at(r, kRoleLetter) == std::string(1, letter)) {
      raised = Raise(c, r, kRuleStep);
    }
  }
  best = raised;
}

// Counts one award in momTally: by name and team with SQ, by name alone
// otherwise (the row then keeps its first team).
void CountAward(Env& env, SeasonStore& store, const std::string& name,
                const std::string& team) {
  TextTable& tally = store.momTally;
  int rows = std::min(kPlayerRows, tally.last_written_row());
  for (int r = 1; r <= rows; ++r) {
    if (tally.at(r, 1) == name && (store.sq_flag != 1 || tally.at(r, 2) == team)) {
      tally.at(r, 3) = NumberText(LeadingNumber(tally.at(r, 3)) + 1);
      return;
    }
  }
  for (int r = 1; r <= kPlayerRows; ++r) {
    if (tally.at(r, 1).empty()) {
      tally.at(r, 1) = name;
      tally.at(r, 2) = team;
      tally.at(r, 3) = std::string("1");
      return;
    }
  }
  WarnOnce(env, store,
           "Classifica migliore in campo piena (" + std::to_string(kPlayerRows) +
               " giocatori): " + MessageExcerpt(name) +
               " e gli altri nuovi premiati non sono contati",
           "migliori in campo pieni");
}

}  // namespace

std::string ChooseManOfTheMatch(Env& env, SeasonStore& store, double& best) {
  TextTable& c = store.momCandidates;
  // Scores are compared as their texts read back; so is the best score.
  best = LeadingNumber(NumberText(best));
  RankRows(c, kMomCandidates, kScore, kCandidateColumns);
  for (int r = 1; r <= kMomCandidates; ++r) {
    if (Named(c, r) && c.at(r, kSide) == "1") best = Raise(c, r, kWinnerBonus);
  }
  for (int k = 1; k <= kTieRules; ++k) {
    RankRows(c, kMomCandidates, kScore, kCandidateColumns);
    if (CountAtBest(c, best) <= 1) break;
    const std::string& rule = store.tieRule[k];
    if (rule == "VA") {
      PreferHigherVote(c, best);
    } else if (rule == "DF" || rule == "CE" || rule == "AT") {
      PreferRole(c, rule[0], best);
    } else if (rule == "MG" || rule == "PG") {
      // Season goals do not decide a man of the match.
    } else {
      break;
    }
  }

  std::string surname;
  for (int r = 1; r <= kMomCandidates; ++r) {
    if (Named(c, r) && Score(c, r) == best) {
      CountAward(env, store, c.at(r, kName), c.at(r, kTeam));
      surname = SurnameOf(env, store, c.at(r, kName));
      break;
    }
  }
  if (store.match_index >= 1 && store.match_index < store.matchSheet.rows()) {
    store.matchSheet.at(store.match_index, 6) = surname;
  }
  return surname;
}

}  // namespace corvalis
