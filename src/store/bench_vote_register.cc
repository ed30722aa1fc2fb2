#include "store/bench_vote_register.h"

#include "store/text.h"

namespace corvalis {
namespace {

constexpr int kRole = 1, kName = 2, kVoteSum = 3, kVotes = 4, kTeam = 5;

void AddVote(TextTable& rows, int r, const std::string& vote) {
  rows.at(r, kVoteSum) = NumberText(LeadingNumber(rows.at(r, kVoteSum)) + LeadingNumber(vote));
  rows.at(r, kVotes) = NumberText(LeadingNumber(rows.at(r, kVotes)) + 1);
}

}  // namespace

BenchVoteRegister::BenchVoteRegister(SeasonStore& store)
    : store_(store), rows_(store.playerRegistry) {
  for (int r = 1; r <= kPlayerRows; ++r) {
    const std::string& name = rows_.at(r, kName);
    if (name.empty()) {
      if (free_row_ == 0) free_row_ = r;
    } else {
      first_row_.emplace(Key(name, rows_.at(r, kTeam)), r);
    }
  }
}

std::string BenchVoteRegister::Key(const std::string& name, const std::string& team) const {
  if (store_.sq_flag != 1) return name;
  std::string key = name;
  key += '\0';
  key += team;
  return key;
}

void BenchVoteRegister::FindNextFree(int from) {
  free_row_ = 0;
  for (int r = from; r <= kPlayerRows; ++r) {
    if (rows_.at(r, kName).empty()) {
      free_row_ = r;
      return;
    }
  }
}

bool BenchVoteRegister::Record(const std::string& name, const std::string& role_code,
                               const std::string& vote, const std::string& team) {
  // An empty name matches the free rows themselves: rare enough (a cut
  // line) to take the plain scan, which leaves every name as it was.
  if (name.empty()) return RecordByScan(name, role_code, vote, team);
  auto found = first_row_.find(Key(name, team));
  if (found != first_row_.end()) {
    AddVote(rows_, found->second, vote);
    return true;
  }
  if (free_row_ == 0) return false;
  int r = free_row_;
  rows_.at(r, kRole) = role_code;
  rows_.at(r, kName) = name;
  rows_.at(r, kVoteSum) = vote;
  rows_.at(r, kVotes) = NumberText(1);
  rows_.at(r, kTeam) = team;
  first_row_.emplace(Key(name, team), r);
  FindNextFree(r + 1);
  return true;
}

bool BenchVoteRegister::RecordByScan(const std::string& name, const std::string& role_code,
                                     const std::string& vote, const std::string& team) {
  int free_row = 0;
  for (int r = 1; r <= kPlayerRows; ++r) {
    if (rows_.at(r, kName) == name && (store_.sq_flag != 1 || rows_.at(r, kTeam) == team)) {
      AddVote(rows_, r, vote);
      return true;
    }
    if (free_row == 0 && rows_.at(r, kName).empty()) free_row = r;
  }
  if (free_row == 0) return false;
  rows_.at(free_row, kRole) = role_code;
  rows_.at(free_row, kName) = name;
  rows_.at(free_row, kVoteSum) = vote;
  rows_.at(free_row, kVotes) = NumberText(1);
  rows_.at(free_row, kTeam) = team;
  return true;
}

bool RecordBenchVote(SeasonStore& store, const std::string& name,
                     const std::string& role_code, const std::string& vote,
                     const std::string& team) {
  return BenchVoteRegister(store).Record(name, role_code, vote, team);
}

}  // namespace corvalis
