// The register of votes received on the bench: one row per player, found by
// name, or by name and team when the league says "SQ". The underrated-players
// pages rank it.
#ifndef CORVALIS_RATING_BENCH_VOTES_H_
#define CORVALIS_RATING_BENCH_VOTES_H_

#include <string>
#include <string_view>
#include <vector>

#include "util/key_index.h"

namespace corvalis {

constexpr int kBenchVotePlayers = 1000;

struct BenchVotePlayer {
  std::string role_code;
  std::string name;
  std::string team;        // of his first vote
  std::string first_vote;  // as read, with a decimal point
  // Once a text: the first vote as read, then the sum read back after every
  // vote (ReadBack15).
  double vote_sum = 0;
  int votes = 0;

  // The sum as it was kept: the first vote as read, then its number text.
  std::string VoteSumText() const;
};

class BenchVotes {
 public:
  explicit BenchVotes(bool by_team = false) : by_team_(by_team) {}

  // Adds `vote` (as read: a decimal comma reads as the point) to the
  // player's row, or gives him a new one, which keeps the vote's text with
  // a point. False when the register is full and the player has none. A player
  // without a name gets no row.
  bool Record(std::string_view name, std::string_view role_code, std::string_view vote,
              std::string_view team) {
    return Record(name, KeyIndex::Hash(name), role_code, vote, team);
  }
  // The same with `name_hash`, KeyIndex::Hash(name), at hand. Inline up to
  // the vote's sum: most votes are for a player who has a row.
  bool Record(std::string_view name, uint64_t name_hash, std::string_view role_code,
              std::string_view vote, std::string_view team) {
    // A nameless line would hold a free row only until the next player takes
    // it: nothing of it stays, but a full register still says so.
    if (name.empty()) return !Full();
    uint64_t hash = by_team_ ? KeyIndex::Extend(name_hash, name.size(), team) : name_hash;
    int found = index_.Find(hash, [&](int row) {
      return KeyIndex::Same(players_[row].name, name) &&
             (!by_team_ || KeyIndex::Same(players_[row].team, team));
    });
    if (found >= 0) {
      AddVote(players_[found], vote);
      return true;
    }
    return AddPlayer(hash, name, role_code, vote, team);
  }

  // In the order the players were first met.
  const std::vector<BenchVotePlayer>& players() const { return players_; }

 private:
  bool Full() const { return static_cast<int>(players_.size()) == kBenchVotePlayers; }
  static void AddVote(BenchVotePlayer& player, std::string_view vote);
  // A row for a player who has none, under `hash`, his key's; false when
  // the register is full.
  bool AddPlayer(uint64_t hash, std::string_view name, std::string_view role_code,
                 std::string_view vote, std::string_view team);

  bool by_team_;
  std::vector<BenchVotePlayer> players_;
  KeyIndex index_;
};

}  // namespace corvalis

#endif  // CORVALIS_RATING_BENCH_VOTES_H_
