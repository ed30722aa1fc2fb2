#include "matchday/man_of_the_match.h"

#include <algorithm>

#include "util/text.h"

namespace corvalis {
namespace {

constexpr double kWinnerBonus = 1;
constexpr double kRuleStep = 0.01;

// Raises a candidate's score and returns it as read back from its text.
double Raise(MomCandidate& candidate, double by) {
  candidate.score = ReadBack15(candidate.score + by);
  return candidate.score;
}

// Best score first, equal scores in their order. The list is mostly in order
// already, and the sort would take a buffer from the heap every time.
void Rank(std::vector<MomCandidate>& candidates) {
  auto higher = [](const MomCandidate& a, const MomCandidate& b) { return a.score > b.score; };
  if (std::is_sorted(candidates.begin(), candidates.end(), higher)) return;
  std::stable_sort(candidates.begin(), candidates.end(), higher);
}

// "VA": the first of the leaders with the highest plain vote goes ahead.
void PreferHigherVote(std::vector<MomCandidate>& candidates, double& best) {
  double highest = 0;
  for (const MomCandidate& c : candidates) {
    if (c.score == best) highest = std::max(highest, c.vote);
  }
  for (MomCandidate& c : candidates) {
    if (c.score == best && c.vote == highest) {
      best = Raise(c, kRuleStep);
      return;
    }
  }
}

// "DF", "CE", "AT": every leader of the role goes ahead.
void PreferRole(std::vector<MomCandidate>& candidates, char letter, double& best) {
  double raised = best;
  for (MomCandidate& c : candidates) {
    if (c.score == best && c.role == std::string_view(&letter, 1)) raised = Raise(c, kRuleStep);
  }
  best = raised;
}

}  // namespace

const MomCandidate* ChooseManOfTheMatch(const CalendarContext& context,
                                        std::vector<MomCandidate>& candidates, double best) {
  // Scores are compared as their texts read back; so is the best score.
  best = ReadBack15(best);
  Rank(candidates);
  for (MomCandidate& c : candidates) {
    if (c.won) best = Raise(c, kWinnerBonus);
  }
  for (const std::string& rule : context.league.tie_rules) {
    Rank(candidates);
    if (std::count_if(candidates.begin(), candidates.end(),
                      [&](const MomCandidate& c) { return c.score == best; }) <= 1) {
      break;
    }
    if (rule == "VA") {
      PreferHigherVote(candidates, best);
    } else if (rule == "DF" || rule == "CE" || rule == "AT") {
      PreferRole(candidates, rule[0], best);
    } else if (rule == "MG" || rule == "PG") {
      // Season goals do not decide a man of the match.
    } else {
      break;
    }
  }
  for (const MomCandidate& c : candidates) {
    if (c.score != best) continue;
    if (!context.awards.Count(c.name, c.name_hash, c.team)) {
      context.log.Warn("Classifica migliore in campo piena (" + std::to_string(kTallyPlayers) +
                           " giocatori): " + MessageExcerpt(c.name) +
                           " e gli altri nuovi premiati non sono contati",
                       "migliori in campo pieni");
    }
    return &c;
  }
  return nullptr;
}

}  // namespace corvalis
