#include "matchday/scorers.h"

#include <algorithm>

#include "util/encoding.h"
#include "util/rank_rows.h"
#include "util/text.h"
#include "store/warnings.h"

namespace corvalis {
namespace {

// Columns of a side table.
enum SideColumn { kRole = 1, kName = 2, kVote = 3, kFantavoto = 4, kWorking = 5 };
constexpr int kSideColumns = 5;

constexpr double kGoalPenalty = 3;  // a scorer's fantavoto drops by this per goal
constexpr double kRuleStep = 0.01;  // what a tie-break rule takes off

// The message box text is single-byte, as on the administrator's Windows:
// 0xE8 is the accented e.
const char kLowerCaseSurname[] =
    "WARNING: C'\xE8"
    " un giocatore con il cognome scritto in minuscolo?";

double Number(const TextTable& table, int r, int c) { return LeadingNumber(table.at(r, c)); }

void LowerWorking(TextTable& side, int r) {
  side.at(r, kWorking) = NumberText(Number(side, r, kWorking) - kRuleStep);
}

// 1 plus the rows 2..tied whose `column` equals row 1's.
int TiedWithFirst(const TextTable& side, int tied, int column) {
  int count = 1;
  for (int r = 2; r <= tied; ++r) {
    if (Number(side, r, column) == Number(side, 1, column)) ++count;
  }
  return count;
}

// Rows of scorerTally that can hold a name (never-written rows are empty).
int TallyRows(const TextTable& tally) { return std::min(kPlayerRows, tally.last_written_row()); }

// "MG" (fewest) and "PG" (most season goals): every tally row of a tied
// player that is farther from the extreme than the best of them lowers him
// once. Tally rows are matched by name alone; players without one stay out.
void PreferBySeasonGoals(const SeasonStore& store, TextTable& side, int tied, bool fewest) {
  const TextTable& tally = store.scorerTally;
  int rows = TallyRows(tally);
  double extreme = fewest ? 9999 : 0;
  for (int r = 1; r <= tied; ++r) {
    for (int i = 1; i <= rows; ++i) {
      if (tally.at(i, 1) != side.at(r, kName)) continue;
      double goals = Number(tally, i, 2);
      extreme = fewest ? std::min(extreme, goals) : std::max(extreme, goals);
    }
  }
  for (int r = 1; r <= tied; ++r) {
    for (int i = 1; i <= rows; ++i) {
      if (tally.at(i, 1) != side.at(r, kName)) continue;
      double goals = Number(tally, i, 2);
      if (fewest ? goals > extreme : goals < extreme) LowerWorking(side, r);
    }
  }
}

// Applies the tie-break rules in slot order to rows 1..tied until one
// player is ahead; he is then in row 1.
void BreakTie(const SeasonStore& store, TextTable& side, int tied) {
  for (int k = 1; k <= kTieRules; ++k) {
    const std::string& rule = store.tieRule[k];
    int column = kWorking;
    if (rule == "VA") {
      column = kVote;
    } else if (rule == "DF" || rule == "CE" || rule == "AT") {
      for (int r = 1; r <= tied; ++r) {
        if (side.at(r, kRole).compare(0, 1, rule, 0, 1) != 0) LowerWorking(side, r);
      }
    } else if (rule == "MG" || rule == "PG") {
      PreferBySeasonGoals(store, side, tied, rule == "MG");
    } else {
      return;
    }
    RankRows(side, tied, column, kSideColumns);
    tied = TiedWithFirst(side, tied, column);
    if (tied == 1) return;
  }
}

}  // namespace

std::string SurnameOf(Env& env, SeasonStore& store, std::string_view name) {
  std::string text(name);
  for (int pass = 2;; ++pass) {
    if (pass > 15) {
      // One warning per name: the same player scores and wins again and
      // again, and every box must be closed by hand.
      if (store.shown_warnings.insert("cognome minuscolo " + text).second) {
        env.ShowMessage(kLowerCaseSurname, MessageKind::kWarning);
        env.ShowMessage(MessageExcerpt(text), MessageKind::kWarning);
      }
      return text;
    }
    size_t blank = text.rfind(' ');
    if (blank != std::string::npos) text = TrimSpaces(std::string_view(text).substr(0, blank));
    if (text.empty() || !EndsInLowerCase(text, store.encoding)) return text;
  }
}

void CountScorer(Env& env, SeasonStore& store, const std::string& name,
                 const std::string& team) {
  TextTable& tally = store.scorerTally;
  bool by_team = store.sq_flag == 1;
  int named = 0;
  int rows = TallyRows(tally);
  for (int r = 1; r <= rows; ++r) {
    if (tally.at(r, 1).empty()) continue;
    ++named;
    if (tally.at(r, 1) != name || (by_team && tally.at(r, 3) != team)) continue;
    tally.at(r, 2) = NumberText(Number(tally, r, 2) + 1);
    if (!by_team) tally.at(r, 3) = team;
    return;
  }
  if (named == kPlayerRows) {
    WarnOnce(env, store,
             "Classifica cannonieri piena (" + std::to_string(kPlayerRows) +
                 " giocatori): i gol di " + MessageExcerpt(name) +
                 " e degli altri nuovi marcatori non sono contati",
             "cannonieri pieni");
    return;
  }
  tally.at(named + 1, 1) = name;
  tally.at(named + 1, 2) = NumberText(1);
  tally.at(named + 1, 3) = team;
}

void AssignScorers(Env& env, SeasonStore& store, TextTable& side, double goals) {
  const std::string& team =
      store.scoring_side == 0 ? store.home_team_name : store.away_team_name;
  for (int goal = 1; goal <= goals; ++goal) {
    if (side.at(1, kRole).empty()) return;  // no outfield player: no scorer

    // Leaders: the players sharing row 1's fantavoto (empty rows are none).
    int tied = 1;
    while (tied < kScorerRows && !side.at(tied + 1, kRole).empty() &&
           Number(side, tied + 1, kFantavoto) == Number(side, 1, kFantavoto)) {
      ++tied;
    }
    if (tied > 1) BreakTie(store, side, tied);

    std::string name = side.at(1, kName);
    std::string surname = FirstAsIsRestLower(SurnameOf(env, store, name), store.encoding);
    store.scorer_list += store.scorer_list.empty() ? surname : ", " + surname;
    CountScorer(env, store, name, team);

    side.at(1, kFantavoto) = NumberText(Number(side, 1, kFantavoto) - kGoalPenalty);
    for (int r = 1; r <= kScorerRows; ++r) side.at(r, kWorking) = side.at(r, kFantavoto);
    RankRows(side, kScorerRows, kFantavoto, kSideColumns);
  }
}

}  // namespace corvalis
