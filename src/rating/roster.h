// A team's season roster as its team page lists it: every player the exports
// name for the team, with his appearances.
#ifndef CORVALIS_RATING_ROSTER_H_
#define CORVALIS_RATING_ROSTER_H_

#include <string>
#include <string_view>
#include <vector>

#include "util/key_index.h"

namespace corvalis {

constexpr int kRosterPlayers = 50;

struct RosterPlayer {
  std::string name;
  std::string role;        // first character of the code he was first listed with
  int starts = 0;          // starting-part lines with a vote
  int subs_in = 0;         // of those, with a code ending in "R"
  int bench_listings = 0;  // bench lines without a vote, code ending in "s"
};

class Roster {
 public:
  // The slot of `name`, or the first free one, which becomes his (with the
  // first character of `code` as his role; `added` is then set). Null when
  // all kRosterPlayers slots are taken. A slot is free while its name is
  // empty, and an empty name finds the first free slot as it stands, counts
  // included: the next player to take that slot finds them there.
  // `name_hash` is KeyIndex::Hash(name).
  RosterPlayer* FindOrAdd(std::string_view name, uint64_t name_hash, std::string_view code,
                          bool* added);

  // The player of a non-empty `name` when he has a slot, else null: the
  // usual case of FindOrAdd, small enough to be inlined where it is called.
  RosterPlayer* Find(std::string_view name, uint64_t name_hash) {
    if (name.empty()) return nullptr;
    int found =
        index_.Find(name_hash, [&](int slot) { return KeyIndex::Same(slots_[slot].name, name); });
    return found >= 0 ? &slots_[found] : nullptr;
  }

  // In the order the players were first met (slots without a name too).
  const std::vector<RosterPlayer>& slots() const { return slots_; }

 private:
  std::vector<RosterPlayer> slots_;
  KeyIndex index_;
  int unnamed_ = 0;  // slots taken by an empty name, free for the next player
};

}  // namespace corvalis

#endif  // CORVALIS_RATING_ROSTER_H_
