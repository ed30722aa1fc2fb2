#include "matchday/season_tallies.h"

#include <algorithm>
#include <string>

#include "store/text.h"
#include "store/warnings.h"

namespace corvalis {
namespace {

// Books the deviation of `from` from its season average to `to`.
void BookDeviation(SeasonStore& store, int from, int to) {
  if (from == kUnsetTeam) return;
  const SeasonRow& season = store.teamSeason[from];
  double score = store.teamParziale[from];
  if (season[kSnMatches] == 0 || score == 3) return;
  double deviation = score - season[kSnScoreSum] / season[kSnMatches];
  if (to == kUnsetTeam) return;
  store.luck[to][kLuckSum] += deviation;
  store.luck[to][kLuckCount] += 1;
}

}  // namespace

void AddSeasonLine(Env& env, SeasonStore& store, int n) {
  TextTable& totals = store.seasonPlayerTotals;
  const TextTable& day = store.matchdayPlayers;
  const std::string& name = day.at(n, 2);
  int rows = std::min(kPlayerRows, totals.last_written_row());
  int free_row = 0;
  for (int r = 1; r <= rows; ++r) {
    if (totals.at(r, 2) == name) {
      totals.at(r, 4) = NumberText(LeadingNumber(totals.at(r, 4)) + LeadingNumber(day.at(n, 4)));
      totals.at(r, 5) = NumberText(LeadingNumber(totals.at(r, 5)) + 1);
      return;
    }
    if (free_row == 0 && totals.at(r, 2).empty()) free_row = r;
  }
  if (free_row == 0) free_row = rows + 1;
  if (free_row > kPlayerRows) {
    WarnOnce(env, store,
             "Totali di stagione pieni (" + std::to_string(kPlayerRows) + " giocatori): " +
                 name + " e gli altri nuovi giocatori non entrano nei Top 11 e Flop 11 "
                 "di stagione",
             "totali di stagione pieni");
    return;
  }
  for (int c = 1; c <= 4; ++c) totals.at(free_row, c) = day.at(n, c);
  totals.at(free_row, 5) = std::string("1");
}

void AccumulateLuck(SeasonStore& store, int home, int away) {
  BookDeviation(store, away, home);
  BookDeviation(store, home, away);
}

}  // namespace corvalis
