#include "rating/bench_votes.h"

#include "util/text.h"

namespace corvalis {

std::string BenchVotePlayer::VoteSumText() const {
  return votes == 1 ? first_vote : NumberText(vote_sum);
}

uint64_t BenchVotes::KeyWithTeam(size_t name_size, uint64_t name_hash, std::string_view team) {
  return KeyIndex::Extend(name_hash, name_size, team);
}

bool BenchVotes::Record(std::string_view name, uint64_t name_hash, std::string_view role_code,
                        std::string_view vote, std::string_view team) {
  bool full = static_cast<int>(players_.size()) == kBenchVotePlayers;
  // A nameless line would hold a free row only until the next player takes
  // it: nothing of it stays, but a full register still says so.
  if (name.empty()) return !full;
  if (BenchVotePlayer* player = Find(name, name_hash, team)) {
    AddVote(*player, vote);
    return true;
  }
  if (full) return false;
  if (players_.empty()) players_.reserve(256);  // a season's usual players, at once
  BenchVotePlayer& player = players_.emplace_back();
  player.role_code = std::string(role_code);
  player.name = std::string(name);
  player.team = std::string(team);
  player.first_vote = CommaToPoint(vote);
  player.vote_sum = DecimalNumber(vote);
  player.votes = 1;
  index_.Add(Key(name, name_hash, team), static_cast<int>(players_.size()) - 1);
  return true;
}

}  // namespace corvalis
