#include "matchday/tallies.h"

#include "util/text.h"

namespace corvalis {

int Tally::FirstNamed(std::string_view name) const {
  return FirstNamed(KeyIndex::Hash(name), name);
}

int Tally::FirstNamed(uint64_t hash, std::string_view name) const {
  return index_.Find(hash, [&](int row) { return KeyIndex::Same(rows_[row].name, name); });
}

bool Tally::Count(std::string_view name, uint64_t hash, std::string_view team) {
  int first = FirstNamed(hash, name);
  int row = first;
  while (by_team_ && row >= 0 && !KeyIndex::Same(rows_[row].team, team)) {
    row = rows_[row].next_same_name;
  }
  if (row >= 0) {
    rows_[row].count += 1;
    if (latest_team_ && !by_team_) rows_[row].team.assign(team);
    return true;
  }
  if (static_cast<int>(rows_.size()) == kTallyPlayers) return false;
  int added = static_cast<int>(rows_.size());
  rows_.push_back({std::string(name), std::string(team), 1, -1});
  last_same_name_.push_back(-1);
  if (first < 0) {
    index_.Add(hash, added);
    last_same_name_[added] = added;
  } else {
    rows_[last_same_name_[first]].next_same_name = added;
    last_same_name_[first] = added;
  }
  return true;
}

int SeasonPlayers::AddPlayer(std::string_view role, std::string_view name, uint64_t name_hash,
                             std::string_view team, double fantavoto) {
  if (static_cast<int>(players_.size()) == kTallyPlayers) return -1;
  int added = static_cast<int>(players_.size());
  if (added == 0) players_.reserve(256);  // a season's usual players, at once
  players_.push_back({std::string(role), std::string(name), std::string(team), fantavoto, 1});
  index_.Add(name_hash, added);
  return added;
}

}  // namespace corvalis
