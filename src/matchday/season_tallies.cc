#include "matchday/season_tallies.h"

#include <algorithm>
#include <string>

#include "util/text.h"
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

SeasonTotals::SeasonTotals(SeasonStore& store)
    : store_(store),
      index_(store.seasonPlayerTotals, 2, kPlayerRows,
             [](const TextTable& rows, int r) { return rows.at(r, 2); }) {}

void SeasonTotals::Add(Env& env, int n) {
  TextTable& totals = store_.seasonPlayerTotals;
  const TextTable& day = store_.matchdayPlayers;
  const std::string& name = day.at(n, 2);
  if (int r = index_.Find(name)) {
    totals.at(r, 4) = NumberText(LeadingNumber(totals.at(r, 4)) + LeadingNumber(day.at(n, 4)));
    totals.at(r, 5) = NumberText(LeadingNumber(totals.at(r, 5)) + 1);
    return;
  }
  int free_row = index_.free_row();
  if (free_row == 0) {
    WarnOnce(env, store_,
             "Totali di stagione pieni (" + std::to_string(kPlayerRows) + " giocatori): " +
                 MessageExcerpt(name) + " e gli altri nuovi giocatori non entrano nei Top 11 e Flop 11 "
                 "di stagione",
             "totali di stagione pieni");
    return;
  }
  for (int c = 1; c <= 4; ++c) totals.at(free_row, c) = day.at(n, c);
  totals.at(free_row, 5) = std::string("1");
  index_.ClaimFreeRow(name);
}

void AddSeasonLine(Env& env, SeasonStore& store, int n) { SeasonTotals(store).Add(env, n); }

void AccumulateLuck(SeasonStore& store, int home, int away) {
  BookDeviation(store, away, home);
  BookDeviation(store, home, away);
}

}  // namespace corvalis
