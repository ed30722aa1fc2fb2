#include "rating/lineup_rating.h"

#include <algorithm>
#include <functional>

namespace corvalis {

RatedLineup::RatedLineup(const std::vector<LineupEntry>& lines) {
  for (const LineupEntry& line : lines) {
    if (line.role != Role::kNone && line.vote != kNoVote) {
      votes_[static_cast<int>(line.role)].push_back(line.vote);
    }
  }
  for (std::vector<double>& votes : votes_) {
    std::sort(votes.begin(), votes.end(), std::greater<double>());
  }
}

double RatedLineup::ModuleScore(const Module& module) const {
  const double places[] = {0, 1, module.defenders, module.midfielders, module.forwards};
  double sum = 0;
  double left = 0;
  for (int role = 1; role <= 4; ++role) {
    double free_places = places[role];
    for (double vote : votes_[role]) {
      if (free_places <= 0) break;
      free_places -= 1;
      sum += vote;
    }
    left += std::max(0.0, free_places);
  }
  if (left >= 1 && left <= 10) sum += 4;
  return sum + module.bonus;
}

}  // namespace corvalis
