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

// One line of a team's block as the rating takes it, for a lineup rated
// from a whole block at once; LineupEntry{} is a line without a role.
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
  // No line yet: the reading adds a block's lines as it meets them. Provided,
  // so that even a value-initialised lineup leaves its room uncleared.
  RatedLineup() {}
  // The first kLineupSlots of `lines`, those with a role and a vote.
  explicit RatedLineup(std::span<const LineupEntry> lines);

  // No line again; the room stays as it is.
  void Clear() { count_.fill(0); }

  // A voted line (a role, a vote other than kNoVote) goes into its role's
  // list as it comes, by insertion: a role has a few votes. Equal votes may
  // end in any order, as the sums they make do not tell them apart. At most
  // kLineupSlots lines in all.
  void Add(Role role, double vote) {
    int r = static_cast<int>(role);
    double* votes = votes_[r].data();
    int k = count_[r]++;
    for (; k > 0 && votes[k - 1] < vote; --k) votes[k] = votes[k - 1];
    votes[k] = vote;
  }

  // The score of the best lineup `module` allows: one goalkeeper and the
  // module's defenders, midfielders and forwards, each place taken by the
  // best voted player of its role, added in that order; then 4 points once
  // when 1 to 10 places stay free (none when all are free); then the
  // module's bonus.
  double ModuleScore(const ModulePlaces& module) const;

 private:
  // By Role, highest first. Only the first count_[role] of each are set, so
  // that an empty lineup costs no clearing.
  std::array<std::array<double, kLineupSlots>, 5> votes_;
  std::array<int, 5> count_{};
};

}  // namespace corvalis

#endif  // CORVALIS_RATING_LINEUP_RATING_H_
