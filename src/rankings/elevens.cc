#include "rankings/elevens.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "rankings/short_display_name.h"
#include "util/key_index.h"
#include "util/short_number.h"
#include "util/stable_order.h"
#include "util/text.h"

namespace corvalis {
namespace {

constexpr int kEleven = 11;
constexpr char kRoleLetters[] = "PDCA";

// 0..3 for "P", "D", "C", "A" (the first character, upper case only); -1
// for anything else.
int RoleIndex(std::string_view role) {
  if (role.empty()) return -1;
  for (int i = 0; i < 4; ++i) {
    if (role[0] == kRoleLetters[i]) return i;
  }
  return -1;
}

// Best first by the figure read as a number (`keys`, one per candidate),
// equal ones in their order; the ranking sort leaves out a figure of -9999
// or below.
std::vector<ElevenCandidate> Ranked(const std::vector<ElevenCandidate>& candidates,
                                    std::vector<double>& keys) {
  std::vector<int> rows;
  rows.reserve(candidates.size());
  size_t kept = 0;
  for (size_t i = 0; i < candidates.size(); ++i) {
    if (keys[i] > -9999) {
      rows.push_back(static_cast<int>(i));
      keys[kept++] = keys[i];
    }
  }
  keys.resize(kept);
  std::vector<int> order;
  StableOrder(keys, true, order);
  std::vector<ElevenCandidate> ranked;
  ranked.reserve(order.size());
  for (int entry : order) ranked.push_back(candidates[rows[entry]]);
  return ranked;
}

}  // namespace

std::vector<ElevenCandidate> RankMatchday(const std::vector<MatchdayPlayer>& players) {
  std::vector<bool> kept(players.size(), false);
  KeyIndex index;
  std::vector<int> best;  // per first line of a name: the line that keeps its fantavoto
  for (size_t r = 0; r < players.size(); ++r) {
    const std::string& name = players[r].name;
    if (name.empty()) continue;
    uint64_t hash = KeyIndex::Hash(name);
    int first = index.Find(hash, [&](int row) { return players[row].name == name; });
    int row = static_cast<int>(r);
    if (first < 0) {
      index.Add(hash, row);
      best.resize(r + 1, -1);
      best[r] = row;
      kept[r] = true;
      continue;
    }
    int& holder = best[first];
    if (LeadingNumber(players[r].fantavoto) >= LeadingNumber(players[holder].fantavoto)) {
      kept[holder] = false;
      holder = row;
      kept[r] = true;
    }
  }
  std::vector<ElevenCandidate> candidates;
  std::vector<double> keys;
  for (size_t r = 0; r < players.size(); ++r) {
    if (!kept[r]) continue;
    const MatchdayPlayer& p = players[r];
    candidates.push_back({p.role, p.name, p.team, p.fantavoto, std::nullopt, 0});
    keys.push_back(LeadingNumber(p.fantavoto));
  }
  return Ranked(candidates, keys);
}

std::vector<ElevenCandidate> RankSeason(const std::vector<SeasonPlayer>& players,
                                        double threshold, int* min_presences) {
  std::vector<ElevenCandidate> candidates;
  std::vector<double> keys;  // the figures read back, as ReadBack15 gives them
  candidates.reserve(players.size());
  keys.reserve(players.size());
  double presences = 0;
  for (const SeasonPlayer& p : players) {
    double average = p.lines > 0 ? p.fantavoto_sum / p.lines : 0;
    presences += p.lines;
    double floored = FloorHundredths(average);
    candidates.push_back({p.role, p.name, p.team, {}, floored, p.lines});
    keys.push_back(ReadBack15(floored));
  }
  double minimum = candidates.empty()
                       ? 0
                       : std::floor(presences / candidates.size() * threshold / 100);
  // An absurd threshold in conf.txt must not overflow the whole number.
  constexpr double kLimit = std::numeric_limits<int>::max();
  *min_presences = static_cast<int>(std::clamp(minimum, -kLimit, kLimit));
  return Ranked(candidates, keys);
}

std::string FigureText(const ElevenCandidate& candidate) {
  if (!candidate.average) return std::string(candidate.fantavoto);
  std::string figure;
  AppendNumberText(figure, *candidate.average);
  return figure;
}

Eleven ChooseEleven(const std::vector<ElevenCandidate>& ranked, const ElevenCaps& caps,
                    std::optional<int> min_presences) {
  std::vector<bool> passed(ranked.size(), false);  // taken in the core, or not eligible
  RoleCaps counts = {0, 0, 0, 0};
  std::vector<std::pair<int, size_t>> chosen;  // role, candidate
  auto take = [&](size_t r, int role) {
    ++counts[role];
    chosen.emplace_back(role, r);
  };
  for (size_t r = 0; r < ranked.size(); ++r) {
    const ElevenCandidate& c = ranked[r];
    if (min_presences && (c.role.empty() || c.presences < *min_presences)) {
      passed[r] = true;
      continue;
    }
    int role = RoleIndex(c.role);
    if (role >= 0 && counts[role] < caps.core[role]) {
      take(r, role);
      passed[r] = true;
    }
  }
  for (size_t r = 0; r < ranked.size() && static_cast<int>(chosen.size()) < kEleven; ++r) {
    if (passed[r]) continue;
    int role = RoleIndex(ranked[r].role);
    if (role > 0 && counts[role] < caps.fill[role]) take(r, role);
  }
  std::stable_sort(chosen.begin(), chosen.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  Eleven eleven;
  for (const auto& [role, r] : chosen) {
    const ElevenCandidate& c = ranked[r];
    eleven.push_back({std::string(1, kRoleLetters[role]), std::string(ShortDisplayName(c.name)),
                      std::string(c.team), FigureText(c)});
  }
  return eleven;
}

}  // namespace corvalis
