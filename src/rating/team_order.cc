#include "rating/team_order.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace corvalis {

void StartTeamOrder(SeasonStore& store) {
  for (int t = 1; t <= store.num_teams; ++t) store.teamConfNumber[t] = t;
}

namespace {

template <typename Row>
void Permute(TeamTable<Row>& table, const std::vector<int>& from) {
  std::vector<Row> rows;
  rows.reserve(from.size());
  for (int source : from) rows.push_back(table[source]);
  for (size_t i = 0; i < from.size(); ++i) table[static_cast<int>(i) + 1] = rows[i];
}

}  // namespace

void SortTeamRows(SeasonStore& store,
                  const std::function<double(const SeasonRow&)>& key) {
  std::vector<int> from;
  for (int t = 1; t <= store.num_teams; ++t) from.push_back(t);
  std::stable_sort(from.begin(), from.end(), [&](int a, int b) {
    return key(store.teamSeason[a]) < key(store.teamSeason[b]);
  });
  Permute(store.teamName, from);
  Permute(store.teamSeason, from);
  Permute(store.teamConfNumber, from);
}

int SortedRowOf(const SeasonStore& store, int t) {
  for (int row = 1; row <= store.num_teams; ++row) {
    if (store.teamConfNumber[row] == t) return row;
  }
  throw std::logic_error("squadra senza riga nella classifica allenatori");
}

}  // namespace corvalis
