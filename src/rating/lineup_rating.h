// The best lineup a team's voted players allow, module by module.
#ifndef CORVALIS_RATING_LINEUP_RATING_H_
#define CORVALIS_RATING_LINEUP_RATING_H_

#include <array>
#include <vector>

#include "input/league.h"
#include "input/role_code.h"

namespace corvalis {

constexpr double kNoVote = 999;  // the vote of a player without one ("sv/ng")
constexpr int kLineupSlots = 80;  // lines of a block that the rating takes

// One line of a team's block as the rating takes it.
struct LineupEntry {
  Role role = Role::kNone;
  double vote = 0;  // kNoVote for none
};

// The voted players of a team's block by role, highest vote first.
class RatedLineup {
 public:
  explicit RatedLineup(const std::vector<LineupEntry>& lines);

  // The score of the best lineup `module` allows: one goalkeeper and the
  // module's defenders, midfielders and forwards, each place taken by the
  // best voted player of its role, added in that order; then 4 points once
  // when 1 to 10 places stay free (none when all are free); then the
  // module's bonus.
  double ModuleScore(const Module& module) const;

 private:
  std::array<std::vector<double>, 5> votes_;  // by Role
};

}  // namespace corvalis

#endif  // CORVALIS_RATING_LINEUP_RATING_H_
