// Fantasy scorers: a side's goals are handed to its outfield players, best
// fantavoto first, ties broken by the league's rules, and counted over the
// season; and the surname of a player as the calendar shows him.
#ifndef CORVALIS_MATCHDAY_SCORERS_H_
#define CORVALIS_MATCHDAY_SCORERS_H_

#include <array>
#include <string>
#include <string_view>

#include "input/league.h"
#include "matchday/tallies.h"
#include "platform/env.h"
#include "util/encoding.h"
#include "util/once_warnings.h"

namespace corvalis {

// What the calendar's choices of scorers and men of the match work with.
struct CalendarContext {
  Env& env;
  const League& league;
  TextEncoding encoding;
  OnceWarnings& warned;
  Tally& scorers;  // goals, by name (and team with SQ); the latest team
  Tally& awards;   // man of the match, by name (and team with SQ); the first team
};

// The surname part of a player name as the exports write it: the last word
// goes, then further words while the name ends in a lower-case letter of
// the encoding ("DE ROSSI D." -> "DE ROSSI", "MONTÈ Ivan" -> "MONTÈ"). A
// name that still ends in lower case is returned as it stands, after a
// warning (once per name).
std::string SurnameOf(const CalendarContext& context, std::string_view name);

// One place of a side's table: an outfield player in the order of his line,
// the first kScorerPlaces of them.
struct SidePlayer {
  std::string_view code;  // as read; empty: the place holds nobody
  std::string_view name;
  double vote = 0;       // the plain vote
  double fantavoto = 0;  // less 3 per goal scored
  double working = 0;    // the fantavoto less what the tie-break rules take off
};
constexpr int kScorerPlaces = 18;
using SideTable = std::array<SidePlayer, kScorerPlaces>;

// Orders the places by fantavoto, best first, as the assignment expects them.
void RankSide(SideTable& side);

// Hands `goals` goals to the players of `side` (ranked), counting each for
// `team`; returns the scorers' surnames ("Rossi, Bianchi"). The side keeps
// the lowered fantavoti.
std::string AssignScorers(const CalendarContext& context, SideTable& side, double goals,
                          std::string_view team);

}  // namespace corvalis

#endif  // CORVALIS_MATCHDAY_SCORERS_H_
