#include "rankings/eleven_selection.h"

#include <algorithm>
#include <string>
#include <utility>

#include "util/text.h"

namespace corvalis {
namespace {

constexpr int kEleven = 11;
constexpr char kRoleLetters[] = "PDCA";

// 0..3 for "P", "D", "C", "A" (the first character, upper case only); -1
// for anything else.
int RoleIndex(const std::string& role_cell) {
  if (role_cell.empty()) return -1;
  for (int i = 0; i < 4; ++i) {
    if (role_cell[0] == kRoleLetters[i]) return i;
  }
  return -1;
}

class Selection {
 public:
  Selection(TextTable& source, TextTable& eleven) : source_(source), eleven_(eleven) {}

  int chosen() const { return chosen_; }
  int count(int role) const { return counts_[role]; }

  void Take(int r, int role) {
    ++counts_[role];
    ++chosen_;
    eleven_.at(chosen_, 1) = std::string(1, kRoleLetters[role]);
    for (int c = 2; c <= 4; ++c) eleven_.at(chosen_, c) = source_.at(r, c);
  }

 private:
  TextTable& source_;
  TextTable& eleven_;
  RoleCaps counts_ = {0, 0, 0, 0};
  int chosen_ = 0;
};

}  // namespace

void SelectEleven(SeasonStore& store, TextTable& source, const ElevenCaps& caps,
                  std::optional<int> min_presences) {
  store.elevenTable.Clear();
  Selection selection(source, store.elevenTable);
  int rows = std::min(source.used_rows() - 1, kPlayerRows);

  for (int r = 1; r <= rows; ++r) {
    std::string& role_cell = source.at(r, 1);
    if (min_presences &&
        (role_cell.empty() || LeadingNumber(source.at(r, 5)) < *min_presences)) {
      role_cell.clear();
      continue;
    }
    int role = RoleIndex(role_cell);
    if (role >= 0 && selection.count(role) < caps.core[role]) {
      selection.Take(r, role);
      role_cell.clear();
    }
  }
  for (int r = 1; r <= rows && selection.chosen() < kEleven; ++r) {
    int role = RoleIndex(source.at(r, 1));
    if (role > 0 && selection.count(role) < caps.fill[role]) selection.Take(r, role);
  }
}

void OrderElevenByRole(SeasonStore& store) {
  TextTable& eleven = store.elevenTable;
  TextTable& scratch = store.elevenScratch;
  int k = 0;
  for (char letter : std::string(kRoleLetters)) {
    for (int s = 1; s <= kEleven; ++s) {
      const std::string& role = std::as_const(eleven).at(s, 1);
      if (role.empty() || role[0] != letter) continue;
      ++k;
      for (int c = 1; c <= 4; ++c) scratch.at(k, c) = eleven.at(s, c);
    }
  }
  // Only the rows just ordered go back: a short eleven must not pick up
  // players that an earlier eleven left in the scratch rows.
  eleven.Clear();
  for (int s = 1; s <= k; ++s) {
    for (int c = 1; c <= 4; ++c) eleven.at(s, c) = scratch.at(s, c);
  }
}

}  // namespace corvalis
