#include "matchday/scorers.h"

#include <algorithm>
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

// The ranking sort over places 0..n-1 by `column`, highest first, equal
// values in their order. A place counts only when its value is that of some
// player above -9999, so an empty place (value 0) comes along only when a
// player shares its value; the places after the last one kept are emptied.
void RankPlaces(SidePlayer* places, int n, Column column) {
  std::vector<double> player_values;
  for (int i = 0; i < n; ++i) {
    double value = places[i].*column;
    if (!places[i].code.empty() && value > -9999) player_values.push_back(value);
  }
  std::vector<int> kept;
  for (int i = 0; i < n; ++i) {
    double value = places[i].*column;
    if (std::find(player_values.begin(), player_values.end(), value) != player_values.end()) {
      kept.push_back(i);
    }
  }
  std::stable_sort(kept.begin(), kept.end(),
                   [&](int a, int b) { return places[a].*column > places[b].*column; });
  SideTable sorted{};
  for (size_t k = 0; k < kept.size(); ++k) sorted[k] = places[kept[k]];
  std::copy(sorted.begin(), sorted.begin() + n, places);
}

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
    RankPlaces(side.data(), tied, column);
    int still_tied = 1;
    for (int r = 1; r < tied; ++r) {
      if (side[r].*column == side[0].*column) ++still_tied;
    }
    tied = still_tied;
    if (tied == 1) return;
  }
}

void CountScorer(const CalendarContext& context, std::string_view name, std::string_view team) {
  if (!context.scorers.Count(name, team)) {
    context.warned.Warn(context.env,
                        "Classifica cannonieri piena (" + std::to_string(kTallyPlayers) +
                            " giocatori): i gol di " + MessageExcerpt(name) +
                            " e degli altri nuovi marcatori non sono contati",
                        "cannonieri pieni");
  }
}

}  // namespace

std::string SurnameOf(const CalendarContext& context, std::string_view name) {
  std::string text(name);
  for (int pass = 2;; ++pass) {
    if (pass > 15) {
      // One warning per name: the same player scores and wins again and
      // again, and every box must be closed by hand.
      if (context.warned.First("cognome minuscolo " + text)) {
        context.env.ShowMessage(kLowerCaseSurname, MessageKind::kWarning);
        context.env.ShowMessage(MessageExcerpt(text), MessageKind::kWarning);
      }
      return text;
    }
    size_t blank = text.rfind(' ');
    if (blank != std::string::npos) text = TrimSpaces(std::string_view(text).substr(0, blank));
    if (text.empty() || !EndsInLowerCase(text, context.encoding)) return text;
  }
}

void RankSide(SideTable& side) { RankPlaces(side.data(), kScorerPlaces, &SidePlayer::fantavoto); }

std::string AssignScorers(const CalendarContext& context, SideTable& side, double goals,
                          std::string_view team) {
  std::string scorers;
  for (int goal = 1; goal <= goals; ++goal) {
    if (side[0].code.empty()) break;  // no outfield player: no scorer

    // Leaders: the players sharing the first place's fantavoto.
    int tied = 1;
    while (tied < kScorerPlaces && !side[tied].code.empty() &&
           side[tied].fantavoto == side[0].fantavoto) {
      ++tied;
    }
    if (tied > 1) BreakTie(context, side, tied);

    std::string_view name = side[0].name;
    std::string surname = FirstAsIsRestLower(SurnameOf(context, name), context.encoding);
    scorers += scorers.empty() ? surname : ", " + surname;
    CountScorer(context, name, team);

    side[0].fantavoto = ReadBack15(side[0].fantavoto - kGoalPenalty);
    for (SidePlayer& player : side) player.working = player.fantavoto;
    RankSide(side);
  }
  return scorers;
}

}  // namespace corvalis
