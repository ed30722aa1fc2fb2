#include "rating/bench_votes.h"

#include "util/text.h"

namespace corvalis {

std::string BenchVotePlayer::VoteSumText() const {
  return votes == 1 ? first_vote : NumberText(vote_sum);
}

void BenchVotes::AddVote(BenchVotePlayer& player, std::string_view vote) {
  player.vote_sum = ReadBack15(player.vote_sum + DecimalNumber(vote));
  ++player.votes;
}

bool BenchVotes::AddPlayer(uint64_t hash, std::string_view name, std::string_view role_code,
                           std::string_view vote, std::string_view team) {
  if (Full()) return false;
  BenchVotePlayer& player = players_.emplace_back();
  player.role_code = std::string(role_code);
  player.name = std::string(name);
  player.team = std::string(team);
  player.first_vote = CommaToPoint(vote);
  player.vote_sum = DecimalNumber(vote);
  player.votes = 1;
  index_.Add(hash, static_cast<int>(players_.size()) - 1);
  return true;
}

}  // namespace corvalis
