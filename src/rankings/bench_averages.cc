#include "rankings/bench_averages.h"

#include "util/text.h"

namespace corvalis {

void ComputeBenchAverages(SeasonStore& store) {
  TextTable& registry = store.playerRegistry;
  double presences = 0;
  int players = 0;
  for (int r = 1; r < registry.used_rows(); ++r) {
    if (registry.at(r, 2).empty()) continue;
    double count = LeadingNumber(registry.at(r, 4));
    double sum = LeadingNumber(registry.at(r, 3));
    // The reader counts at least one vote per row; a row without a count
    // has no average to speak of.
    double average = count > 0 ? FloorHundredths(sum / count) : 0;
    registry.at(r, 6) = PlainNumber(average);
    presences += count;
    ++players;
  }
  store.average_presences = players > 0 ? presences / players : 0;
}

}  // namespace corvalis
