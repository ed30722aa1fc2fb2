#include "rating/lineup_rating.h"

#include <algorithm>

namespace corvalis {

void OrderLineup(Lineup& lineup) {
  std::stable_sort(lineup.begin() + 1, lineup.end(),
                   [](const LineupEntry& a, const LineupEntry& b) {
                     if (a.role != b.role) return a.role < b.role;
                     return a.role != kNoRole && a.vote > b.vote;
                   });
}

double ModuleScore(const Lineup& lineup, const ModuleRow& module) {
  double free_places[] = {0, 1, module[kModDefenders], module[kModMidfielders],
                          module[kModForwards]};
  double sum = 0;
  for (int s = 1; s <= kSlots; ++s) {
    const LineupEntry& line = lineup[s];
    if (line.role < kGoalkeeper || line.role > kForward || line.vote == kNoVote) continue;
    if (free_places[line.role] <= 0) continue;
    free_places[line.role] -= 1;
    sum += line.vote;
  }
  double left = 0;
  for (int role = kGoalkeeper; role <= kForward; ++role) {
    left += std::max(0.0, free_places[role]);
  }
  if (left >= 1 && left <= 10) sum += 4;
  return sum + module[kModBonus];
}

}  // namespace corvalis
