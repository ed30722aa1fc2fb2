#include "rating/lineup_rating.h"

#include <algorithm>
#include <functional>

namespace corvalis {

RatedLineup::RatedLineup(const std::vector<LineupEntry>& lines) {
  // The votes grouped by role in one fixed array (a block has at most
  // kLineupSlots lines): counted, placed, then each role's sorted.
  std::array<int, 5> count{};
  size_t n = std::min(lines.size(), static_cast<size_t>(kLineupSlots));
  auto voted = [](const LineupEntry& line) {
    return line.role != Role::kNone && line.vote != kNoVote;
  };
  for (size_t i = 0; i < n; ++i) {
    if (voted(lines[i])) ++count[static_cast<int>(lines[i].role)];
  }
  for (int role = 0; role < 5; ++role) start_[role + 1] = start_[role] + count[role];
  std::array<int, 5> next;
  std::copy(start_.begin(), start_.begin() + 5, next.begin());
  for (size_t i = 0; i < n; ++i) {
    if (voted(lines[i])) votes_[next[static_cast<int>(lines[i].role)]++] = lines[i].vote;
  }
  for (int role = 0; role < 5; ++role) {
    std::sort(votes_.begin() + start_[role], votes_.begin() + start_[role + 1],
              std::greater<double>());
  }
}

double RatedLineup::ModuleScore(const Module& module) const {
  const double places[] = {0, 1, module.defenders, module.midfielders, module.forwards};
  double sum = 0;
  double left = 0;
  for (int role = 1; role <= 4; ++role) {
    double free_places = places[role];
    for (int k = start_[role]; k < start_[role + 1]; ++k) {
      if (free_places <= 0) break;
      free_places -= 1;
      sum += votes_[k];
    }
    left += std::max(0.0, free_places);
  }
  if (left >= 1 && left <= 10) sum += 4;
  return sum + module.bonus;
}

}  // namespace corvalis
