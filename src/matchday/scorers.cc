#include "matchday/scorers.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "util/encoding.h"
#include "util/text.h"

namespace corvalis {
namespace {

constexpr double kGoalPenalty = 3;  // a scorer's fantavoto drops by this per goal
constexpr double kRuleStep = 0.01;  // what a tie-break rule takes off

// The message box text is single-byte, as on the administrator's Windows:
// 0xE8 is the accented e.
const char kLowerCaseSurname[] =
    "WARNING: C'\xE8"
    " un giocatore con il cognome scritto in minuscolo?";

using Column = double SidePlayer::*;

constexpr uint8_t kEmptySlot = kScorerPlaces;  // the spare slot, never filled

// Each place holding its own slot: the players in the order of their lines.
constexpr std::array<uint8_t, kScorerPlaces> kLineOrder = [] {
  std::array<uint8_t, kScorerPlaces> order{};
  for (int r = 0; r < kScorerPlaces; ++r) order[r] = static_cast<uint8_t>(r);
  return order;
}();

}  // namespace

void RankPlaces(SideTable& side, int n, Column column) {
  // One pass: the players go into an insertion sort as the places come,
  // which keeps equal values in their order; the other places wait until
  // every player's value is known. No value kept is NaN, as no player's is.
  struct Kept {
    double value;
    uint8_t slot;
    uint8_t place;
  };
  Kept kept[kScorerPlaces];
  int count = 0;
  uint8_t waiting[kScorerPlaces];
  int waits = 0;
  for (int r = 0; r < n; ++r) {
    uint8_t slot = side.rank[r];
    const SidePlayer& place = side.players[slot];
    double value = place.*column;
    if (place.code.empty() || !(value > -9999)) {
      waiting[waits++] = static_cast<uint8_t>(r);
      continue;
    }
    int j = count++;
    for (; j > 0 && kept[j - 1].value < value; --j) kept[j] = kept[j - 1];
    kept[j] = {value, slot, static_cast<uint8_t>(r)};
  }
  // A waiting place that shares a player's value goes after the places of
  // its value that come before it. The values kept stay the players' own;
  // waiting places mostly share one value (empty places hold 0): the last
  // answer is kept.
  double asked = std::numeric_limits<double>::quiet_NaN();
  bool shared = false;
  for (int w = 0; w < waits; ++w) {
    uint8_t r = waiting[w];
    uint8_t slot = side.rank[r];
    double value = side.players[slot].*column;
    if (!(value == asked)) {
      asked = value;
      shared = std::any_of(kept, kept + count, [&](const Kept& k) { return k.value == value; });
    }
    if (!shared) continue;
    int j = count++;
    for (; j > 0 && (kept[j - 1].value < value ||
                     (kept[j - 1].value == value && kept[j - 1].place > r));
         --j) {
      kept[j] = kept[j - 1];
    }
    kept[j] = {value, slot, r};
  }
  for (int k = 0; k < count; ++k) side.rank[k] = kept[k].slot;
  std::fill(side.rank.begin() + count, side.rank.begin() + n, kEmptySlot);
}

namespace {

void Lower(SidePlayer& player) { player.working = ReadBack15(player.working - kRuleStep); }

// "MG" (fewest) and "PG" (most season goals): every tally row of a tied
// player, whatever its team, that is farther from the extreme than the best
// of them lowers him once. Players without a row stay out.
void PreferBySeasonGoals(const CalendarContext& context, SideTable& side, int tied,
                         bool fewest) {
  const std::vector<TallyRow>& rows = context.scorers.rows();
  auto for_each_row = [&](const SidePlayer& player, auto visit) {
    for (int i = context.scorers.FirstNamed(player.name); i >= 0; i = rows[i].next_same_name) {
      visit(rows[i].count);
    }
  };
  double extreme = fewest ? 9999 : 0;
  for (int r = 0; r < tied; ++r) {
    for_each_row(side[r], [&](double goals) {
      extreme = fewest ? std::min(extreme, goals) : std::max(extreme, goals);
    });
  }
  for (int r = 0; r < tied; ++r) {
    for_each_row(side[r], [&](double goals) {
      if (fewest ? goals > extreme : goals < extreme) Lower(side[r]);
    });
  }
}

// Applies the tie-break rules in slot order to places 0..tied-1 until one
// player is ahead; he is then in place 0.
void BreakTie(const CalendarContext& context, SideTable& side, int tied) {
  for (const std::string& rule : context.league.tie_rules) {
    Column column = &SidePlayer::working;
    if (rule == "VA") {
      // Votes are read only here: few ties come this far.
      for (int r = 0; r < tied; ++r) side[r].vote = DecimalNumber(side[r].vote_text);
      column = &SidePlayer::vote;
    } else if (rule == "DF" || rule == "CE" || rule == "AT") {
      for (int r = 0; r < tied; ++r) {
        if (side[r].code.substr(0, 1) != std::string_view(rule).substr(0, 1)) Lower(side[r]);
      }
    } else if (rule == "MG" || rule == "PG") {
      PreferBySeasonGoals(context, side, tied, rule == "MG");
    } else {
      return;
    }
    RankPlaces(side, tied, column);
    int still_tied = 1;
    for (int r = 1; r < tied; ++r) {
      if (side[r].*column == side[0].*column) ++still_tied;
    }
    tied = still_tied;
    if (tied == 1) return;
  }
}

// Logs and counts a goal of `scorer`, whose fantavoto then drops.
void Score(const CalendarContext& context, SidePlayer& scorer, std::string_view team,
           bool home) {
  context.log.AddScorer(home, scorer.name, scorer.season_row);
  if (!context.scorers.Count(scorer.name, scorer.name_hash, team)) {
    context.log.Warn("Classifica cannonieri piena (" + std::to_string(kTallyPlayers) +
                         " giocatori): i gol di " + MessageExcerpt(scorer.name) +
                         " e degli altri nuovi marcatori non sono contati",
                     "cannonieri pieni");
  }
  scorer.fantavoto = ReadBack15(scorer.fantavoto - kGoalPenalty);
}

}  // namespace

int SoleLeader(SideTable& side) {
  bool any = false;
  double best = 0;
  for (int r = 0; r < kScorerPlaces; ++r) {
    const SidePlayer& place = side[r];
    if (!place.code.empty() && place.fantavoto > -9999 && (!any || place.fantavoto > best)) {
      best = place.fantavoto;
      any = true;
    }
  }
  if (!any) return kNoScorer;
  int leader = kNoScorer;
  for (int r = 0; r < kScorerPlaces; ++r) {
    const SidePlayer& place = side[r];
    if (!(place.fantavoto == best)) continue;
    if (place.code.empty()) return leader;
    if (leader >= 0) return kTiedLeaders;
    leader = r;
  }
  return leader;
}

int SoleLeaderOfCodedSide(SideTable& side) {
  // The players are looked at in their slots, without going through the
  // places: every one of them is in some place. A sole highest value other
  // than 0 is then shared by no place, and its player's place leads.
  int best_slot = -1;
  double best = 0;
  bool shared = false;
  for (int i = 0; i < side.size; ++i) {
    double value = side.players[i].fantavoto;
    if (!(value > -9999)) continue;
    if (best_slot < 0 || value > best) {
      best = value;
      best_slot = i;
      shared = false;
    } else if (value == best) {
      shared = true;
    }
  }
  if (best_slot < 0) return kNoScorer;
  if (shared || best == 0) return SoleLeader(side);
  int place = 0;
  while (side.rank[place] != best_slot) ++place;
  return place;
}

void SideTable::Clear() {
  for (int i = 0; i < size; ++i) players[i] = SidePlayer{};
  size = 0;
  rank = kLineOrder;
}

namespace {

// SurnameOf as a part of `name`, which it always is.
std::string_view SurnamePart(const SurnameContext& context, std::string_view name) {
  std::string_view text = name;
  for (int pass = 2;; ++pass) {
    if (pass > 15) {
      // One warning per name: the same player scores and wins again and
      // again, and every box must be closed by hand.
      if (context.warned.First("cognome minuscolo " + std::string(text))) {
        context.env.ShowMessage(kLowerCaseSurname, MessageKind::kWarning);
        context.env.ShowMessage(MessageExcerpt(text), MessageKind::kWarning);
      }
      return text;
    }
    size_t blank = text.rfind(' ');
    if (blank != std::string_view::npos) text = Trimmed(text.substr(0, blank));
    if (text.empty() || !EndsInLowerCase(text, context.encoding)) return text;
  }
}

}  // namespace

std::string SurnameOf(const SurnameContext& context, std::string_view name) {
  return std::string(SurnamePart(context, name));
}

const std::string& ShownSurnames::Of(const SurnameContext& context, std::string_view name,
                                     int season_row) {
  auto work_out = [&] {
    return FirstAsIsRestLower(SurnamePart(context, name), context.encoding);
  };
  if (season_row < 0) {
    unrowed_ = work_out();
    return unrowed_;
  }
  if (by_row_.size() <= static_cast<size_t>(season_row)) by_row_.resize(season_row + 1);
  std::optional<std::string>& known = by_row_[season_row];
  if (!known) known = work_out();
  return *known;
}

void RankSide(SideTable& side) { RankPlaces(side, kScorerPlaces, &SidePlayer::fantavoto); }

void AssignScorers(const CalendarContext& context, SideTable& side, double goals,
                   std::string_view team, bool home) {
  // Until a tie is to be broken the places need no ranking: their order
  // only has to tell who comes first among equal fantavoti, which ranking
  // before every goal leaves as the line order with each scorer moved ahead
  // of those met before. That holds while the places of nobody are all
  // empty ones at 0, as the calendar's are; otherwise the side is ranked
  // before every goal but a last one with a sole leader, whose ranking
  // nobody looks at.
  bool unranked = std::none_of(side.players.begin(), side.players.begin() + side.size,
                               [](const SidePlayer& player) { return player.code.empty(); });
  for (int goal = 1; goal <= goals; ++goal) {
    if (unranked || !(goal + 1 <= goals)) {
      int leader = unranked ? SoleLeaderOfCodedSide(side) : SoleLeader(side);
      if (leader == kNoScorer) break;
      if (leader >= 0) {
        Score(context, side[leader], team, home);
        std::rotate(side.rank.begin(), side.rank.begin() + leader,
                    side.rank.begin() + leader + 1);
        continue;
      }
    }
    RankSide(side);
    if (side[0].code.empty()) break;  // no outfield player: no scorer

    // Leaders: the players sharing the first place's fantavoto.
    int tied = 1;
    while (tied < kScorerPlaces && !side[tied].code.empty() &&
           side[tied].fantavoto == side[0].fantavoto) {
      ++tied;
    }
    if (tied > 1) {
      // What the rules took off for an earlier goal is given back: only
      // the leaders' figures are looked at.
      if (goal > 1) {
        for (int r = 0; r < tied; ++r) side[r].working = side[r].fantavoto;
      }
      BreakTie(context, side, tied);
    }
    Score(context, side[0], team, home);
  }
}

}  // namespace corvalis
