#include "rankings/eleven_preparation.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <string>
#include <utility>

#include "util/rank_rows.h"
#include "util/text.h"

namespace corvalis {
namespace {

constexpr char kDropped[] = "-9999";  // the ranking sort leaves such rows out

// The rows that hold a player: up to the last one with a role or a name.
int PlayerRows(const TextTable& players) {
  for (int r = std::min(players.used_rows() - 1, kPlayerRows); r >= 1; --r) {
    if (!players.at(r, 1).empty() || !players.at(r, 2).empty()) return r;
  }
  return 0;
}

// Sorts the player rows by `key_column` and copies them, last first, into
// flopCandidates. Only the player rows take part: free rows (key 0) would
// otherwise be sorted among the players with a figure of 0 and hide the
// players with a negative figure from the Flop elevens.
void RankAndReverse(TextTable& players, int key_column, int columns,
                    TextTable& flop_candidates) {
  RankRows(players, PlayerRows(players), key_column, columns);
  const TextTable& ranked = players;
  int n = 0;
  while (n < kPlayerRows && !ranked.at(n + 1, 1).empty()) ++n;
  flop_candidates.Clear();
  for (int k = 1; k <= n; ++k) {
    for (int c = 1; c <= columns; ++c) flop_candidates.at(k, c) = ranked.at(n + 1 - k, c);
  }
}

}  // namespace

void PrepareMatchdayElevens(SeasonStore& store) {
  TextTable& players = store.matchdayPlayers;
  std::map<std::string, int> kept;  // name -> the row that keeps its fantavoto
  for (int r = 1, rows = PlayerRows(players); r <= rows; ++r) {
    const std::string& name = std::as_const(players).at(r, 2);
    if (name.empty()) {
      players.at(r, 4) = kDropped;  // a line without a name is no player
      continue;
    }
    auto [it, first] = kept.emplace(name, r);
    if (first) continue;
    int& best = it->second;
    if (LeadingNumber(players.at(r, 4)) >= LeadingNumber(players.at(best, 4))) {
      players.at(best, 4) = kDropped;
      best = r;
    } else {
      players.at(r, 4) = kDropped;
    }
  }
  RankAndReverse(players, 4, 4, store.flopCandidates);
}

void PrepareSeasonElevens(SeasonStore& store) {
  TextTable& totals = store.seasonPlayerTotals;
  double presences = 0;
  int players = 0;
  for (int r = 1, rows = PlayerRows(totals); r <= rows; ++r) {
    if (std::as_const(totals).at(r, 1).empty()) continue;
    double count = LeadingNumber(totals.at(r, 5));
    double average = count > 0 ? LeadingNumber(totals.at(r, 4)) / count : 0;
    presences += count;
    ++players;
    totals.at(r, 4) = NumberText(FloorHundredths(average));
  }
  double minimum =
      players > 0 ? std::floor(presences / players * store.season_top_threshold / 100) : 0;
  // An absurd threshold in conf.txt must not overflow the whole number.
  constexpr double kLimit = std::numeric_limits<int>::max();
  store.min_presences = static_cast<int>(std::clamp(minimum, -kLimit, kLimit));
  RankAndReverse(totals, 4, 5, store.flopCandidates);
}

}  // namespace corvalis
