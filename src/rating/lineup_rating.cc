#include "rating/lineup_rating.h"

#include <algorithm>

namespace corvalis {

ModulePlaces::ModulePlaces(const Module& module)
    : places{0, 1, module.defenders, module.midfielders, module.forwards},
      most_taken{},
      free_after{},
      bonus(module.bonus) {
  // A place is taken while more than none stay free, one at a time, as the
  // rating of a lineup takes them; past kLineupSlots no lineup has votes
  // left to take.
  for (int role = 1; role <= 4; ++role) {
    double free_places = places[role];
    int taken = 0;
    while (taken < kLineupSlots && !(free_places <= 0)) {
      free_places -= 1;
      ++taken;
    }
    most_taken[role] = taken;
    free_after[role] = free_places;
  }
}

RatedLineup::RatedLineup(std::span<const LineupEntry> lines) {
  size_t n = std::min(lines.size(), static_cast<size_t>(kLineupSlots));
  for (size_t i = 0; i < n; ++i) {
    const LineupEntry& line = lines[i];
    if (line.role != Role::kNone && line.vote != kNoVote) Add(line.role, line.vote);
  }
}

double RatedLineup::ModuleScore(const ModulePlaces& module) const {
  double sum = 0;
  double left = 0;
  for (int role = 1; role <= 4; ++role) {
    const double* votes = votes_[role].data();
    int count = count_[role];
    double free_places;
    if (count >= module.most_taken[role]) {
      for (int k = 0; k < module.most_taken[role]; ++k) sum += votes[k];
      free_places = module.free_after[role];
    } else {
      // Too few voted players: every one is taken and places stay free.
      free_places = module.places[role];
      for (int k = 0; k < count; ++k) {
        sum += votes[k];
        free_places -= 1;
      }
    }
    left += std::max(0.0, free_places);
  }
  if (left >= 1 && left <= 10) sum += 4;
  return sum + module.bonus;
}

}  // namespace corvalis
