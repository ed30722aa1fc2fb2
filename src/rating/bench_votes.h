// The register of votes received on the bench: one row per player, found by
// name, or by name and team when the league says "SQ". The underrated-players
// pages rank it.
#ifndef CORVALIS_RATING_BENCH_VOTES_H_
#define CORVALIS_RATING_BENCH_VOTES_H_

#include <string>
#include <string_view>
#include <vector>

#include "util/key_index.h"
#include "util/text.h"

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
  // The same with `name_hash`, KeyIndex::Hash(name), at hand.
  bool Record(std::string_view name, uint64_t name_hash, std::string_view role_code,
              std::string_view vote, std::string_view team);

  // The row of a named player, else null; the usual case of Record, small
  // enough to be inlined where it is called. AddVote then adds the vote.
  BenchVotePlayer* Find(std::string_view name, uint64_t name_hash, std::string_view team) {
    if (name.empty()) return nullptr;
    int found = index_.Find(Key(name, name_hash, team), [&](int row) {
      return KeyIndex::Same(players_[row].name, name) &&
             (!by_team_ || KeyIndex::Same(players_[row].team, team));
    });
    return found >= 0 ? &players_[found] : nullptr;
  }
  static void AddVote(BenchVotePlayer& player, std::string_view vote) {
    AddVote(player, DecimalNumber(vote));
  }
  // The same with the vote's number, DecimalNumber(vote), at hand.
  static void AddVote(BenchVotePlayer& player, double vote) {
    player.vote_sum = ReadBack15(player.vote_sum + vote);
    ++player.votes;
  }

  // In the order the players were first met.
  const std::vector<BenchVotePlayer>& players() const { return players_; }

 private:
  uint64_t Key(std::string_view name, uint64_t name_hash, std::string_view team) const {
    return by_team_ ? KeyWithTeam(name.size(), name_hash, team) : name_hash;
  }
  // Out of line: it keeps Find small.
  static uint64_t KeyWithTeam(size_t name_size, uint64_t name_hash, std::string_view team);

  bool by_team_;
  std::vector<BenchVotePlayer> players_;
  KeyIndex index_;
};

}  // namespace corvalis

#endif  // CORVALIS_RATING_BENCH_VOTES_H_
