// The best lineup a team's voted players allow, module by module.
#ifndef CORVALIS_RATING_LINEUP_RATING_H_
#define CORVALIS_RATING_LINEUP_RATING_H_

#include <array>
#include <span>
#include <vector>

#include "input/league.h"
#include "input/role_code.h"

namespace corvalis {

constexpr double kNoVote = 999;  // the vote of a player without one ("sv/ng")
constexpr int kLineupSlots = 80;  // lines of a block that the rating takes

// One line of a team's block as the rating takes it; LineupEntry{} is a
// line without a role (a slot that no column of the team filled). Without
// default values, so that a matchday's room for lines is not cleared.
struct LineupEntry {
  Role role;
  double vote;  // kNoVote for none
};

// A module's places as the lineups are rated against it, worked out once
// from conf.txt's numbers, which may be fractions, negative or huge: role by
// role, how many best votes it can take at most and the free places left
// when it takes them all.
struct ModulePlaces {
  explicit ModulePlaces(const Module& module);

  std::array<double, 5> places;      // by Role: its number in the module (1 goalkeeper)
  std::array<int, 5> most_taken;     // by Role, at most kLineupSlots
  std::array<double, 5> free_after;  // by Role: places less most_taken, one by one
  double bonus;
};

// The voted players of a team's block by role, highest vote first.
class RatedLineup {
 public:
  explicit RatedLineup(std::span<const LineupEntry> lines);

  // The score of the best lineup `module` allows: one goalkeeper and the
  // module's defenders, midfielders and forwards, each place taken by the
  // best voted player of its role, added in that order; then 4 points once
  // when 1 to 10 places stay free (none when all are free); then the
  // module's bonus.
  double ModuleScore(const ModulePlaces& module) const;

 private:
  // By Role, highest first: a block has at most kLineupSlots lines. Only the
  // first count_[role] of each are set.
  std::array<std::array<double, kLineupSlots>, 5> votes_;
  std::array<int, 5> count_{};
};

}  // namespace corvalis

#endif  // CORVALIS_RATING_LINEUP_RATING_H_
