#include "rating/bench_votes.h"

#include "util/text.h"

namespace corvalis {

std::string BenchVotePlayer::VoteSumText() const {
  return votes == 1 ? first_vote : NumberText(vote_sum);
}

bool BenchVotes::Record(std::string_view name, std::string_view role_code, std::string_view vote,
                        std::string_view team) {
  bool full = static_cast<int>(players_.size()) == kBenchVotePlayers;
  // A nameless line would hold a free row only until the next player takes
  // it: nothing of it stays, but a full register still says so.
  if (name.empty()) return !full;
  uint64_t hash = by_team_ ? KeyIndex::Hash(name, team) : KeyIndex::Hash(name);
  int found = index_.Find(hash, [&](int row) {
    return players_[row].name == name && (!by_team_ || players_[row].team == team);
  });
  if (found >= 0) {
    BenchVotePlayer& player = players_[found];
    player.vote_sum = ReadBack15(player.vote_sum + LeadingNumber(vote));
    ++player.votes;
    return true;
  }
  if (full) return false;
  BenchVotePlayer& player = players_.emplace_back();
  player.role_code = std::string(role_code);
  player.name = std::string(name);
  player.team = std::string(team);
  player.first_vote = std::string(vote);
  player.vote_sum = LeadingNumber(vote);
  player.votes = 1;
  index_.Add(hash, static_cast<int>(players_.size()) - 1);
  return true;
}

}  // namespace corvalis
