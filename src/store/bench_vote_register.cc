#include "store/bench_vote_register.h"

#include "util/text.h"

namespace corvalis {
namespace {

constexpr int kRole = 1, kName = 2, kVoteSum = 3, kVotes = 4, kTeam = 5;

void AddVote(TextTable& rows, int r, const std::string& vote) {
  rows.at(r, kVoteSum) = NumberText(LeadingNumber(rows.at(r, kVoteSum)) + LeadingNumber(vote));
  rows.at(r, kVotes) = NumberText(LeadingNumber(rows.at(r, kVotes)) + 1);
}

// A player's first vote: his row, with one vote counted.
void FillNewRow(TextTable& rows, int r, const std::string& name, const std::string& role_code,
                const std::string& vote, const std::string& team) {
  rows.at(r, kRole) = role_code;
  rows.at(r, kName) = name;
  rows.at(r, kVoteSum) = vote;
  rows.at(r, kVotes) = NumberText(1);
  rows.at(r, kTeam) = team;
}

}  // namespace

BenchVoteRegister::BenchVoteRegister(SeasonStore& store)
    : store_(store),
      rows_(store.playerRegistry),
      index_(store.playerRegistry, kName, kPlayerRows,
             [sq_flag = store.sq_flag](const TextTable& rows, int r) {
               return Key(sq_flag, rows.at(r, kName), rows.at(r, kTeam));
             }) {}

std::string BenchVoteRegister::Key(int sq_flag, const std::string& name,
                                   const std::string& team) {
  if (sq_flag != 1) return name;
  std::string key = name;
  key += '\0';
  key += team;
  return key;
}

bool BenchVoteRegister::Record(const std::string& name, const std::string& role_code,
                               const std::string& vote, const std::string& team) {
  // An empty name matches the free rows themselves: rare enough (a cut
  // line) to take the plain scan, which leaves every name as it was.
  if (name.empty()) return RecordByScan(name, role_code, vote, team);
  std::string key = Key(store_.sq_flag, name, team);
  if (int r = index_.Find(key)) {
    AddVote(rows_, r, vote);
    return true;
  }
  int r = index_.free_row();
  if (r == 0) return false;
  FillNewRow(rows_, r, name, role_code, vote, team);
  index_.ClaimFreeRow(key);
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
  FillNewRow(rows_, free_row, name, role_code, vote, team);
  return true;
}

bool RecordBenchVote(SeasonStore& store, const std::string& name,
                     const std::string& role_code, const std::string& vote,
                     const std::string& team) {
  return BenchVoteRegister(store).Record(name, role_code, vote, team);
}

}  // namespace corvalis
