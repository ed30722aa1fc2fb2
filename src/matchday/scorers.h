// Fantasy scorers: a side's goals are handed to its outfield players, best
// fantavoto first, ties broken by the league's rules, and counted over the
// season; and the surname of a player as the calendar shows him.
#ifndef CORVALIS_MATCHDAY_SCORERS_H_
#define CORVALIS_MATCHDAY_SCORERS_H_

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "input/league.h"
#include "matchday/calendar_log.h"
#include "matchday/tallies.h"
#include "platform/env.h"
#include "util/encoding.h"
#include "util/once_warnings.h"

namespace corvalis {

// What the calendar's choices of scorers and men of the match work with, as
// the exports are read: the choices are made then and logged, with the
// warnings.
struct CalendarContext {
  const League& league;
  CalendarLog& log;
  Tally& scorers;  // goals, by name (and team with SQ); the latest team
  Tally& awards;   // man of the match, by name (and team with SQ); the first team
};

// What showing a surname works with, once every league text is read.
struct SurnameContext {
  Env& env;
  OnceWarnings& warned;
  TextEncoding encoding;
};

// The surname part of a player name as the exports write it: the last word
// goes, then further words while the name ends in a lower-case letter of
// the encoding ("DE ROSSI D." -> "DE ROSSI", "MONTÈ Ivan" -> "MONTÈ"). A
// name that still ends in lower case is returned as it stands, after a
// warning (once per name).
std::string SurnameOf(const SurnameContext& context, std::string_view name);

// Surnames as the calendar shows them (SurnameOf, the first character as is
// and the rest lowered: "De rossi"), worked out once per row of the
// season's players: the same players score and win match after match.
class ShownSurnames {
 public:
  // `season_row` -1: a player without a row, worked out every time. The
  // text is valid until the next call: the callers append it at once.
  const std::string& Of(const SurnameContext& context, std::string_view name, int season_row);

 private:
  std::vector<std::optional<std::string>> by_row_;
  std::string unrowed_;  // the last surname of a player without a row
};

// An outfield player of a side, the first kScorerPlaces of them.
struct SidePlayer {
  std::string_view code;  // as read; empty: nobody
  std::string_view name;
  std::string_view vote_text;  // the plain vote as read
  double vote = 0;  // read from vote_text only when a tie-break rule asks for it
  double fantavoto = 0;  // less 3 per goal scored
  double working = 0;    // the fantavoto less what the tie-break rules take off
  int season_row = -1;   // of the season's players; -1: none
  uint64_t name_hash = KeyIndex::EmptyHash();  // KeyIndex::Hash(name)
};
constexpr int kScorerPlaces = 18;

// A side's players in the order of their lines and their ranking. Ranking
// moves one-byte slot numbers rather than the players: place r holds
// players[rank[r]], and a place left empty holds the spare last slot, which
// nobody fills.
struct SideTable {
  std::array<SidePlayer, kScorerPlaces + 1> players;
  std::array<uint8_t, kScorerPlaces> rank;
  int size = 0;  // players added

  SideTable() { Clear(); }
  // No players; each place holds its own slot, as the lines come.
  void Clear();
  bool Full() const { return size == kScorerPlaces; }
  void Add(const SidePlayer& player) { players[size++] = player; }
  // The next slot, to be filled in place; a player line fills one.
  SidePlayer& AddSlot() { return players[size++]; }
  SidePlayer& operator[](int place) { return players[rank[place]]; }
};

// The ranking sort over places 0..n-1 by `column`, highest first, equal
// values in their order. A place counts only when its value is that of some
// player (a code and a value above -9999), so an empty place (value 0) comes
// along only when a player shares its value; the places after the last one
// kept are emptied.
void RankPlaces(SideTable& side, int n, double SidePlayer::*column);

// Orders the places by fantavoto, best first, as the assignment needs them.
void RankSide(SideTable& side);

// The place that RankSide would put first, found without ranking, when no
// other place would share the lead: the first place, in their order,
// holding the highest fantavoto of a player (an empty place sharing it ends
// the leaders there). kNoScorer when ranking would put an empty place
// first, kTiedLeaders when players share the lead.
constexpr int kNoScorer = -2;
constexpr int kTiedLeaders = -1;
int SoleLeader(SideTable& side);
// SoleLeader of a side whose players all have a code and whose places of
// nobody are all empty ones at 0, as the calendar's are, with each player
// above -9999 in one place: in line order, moved ahead by goals, or ranked.
int SoleLeaderOfCodedSide(SideTable& side);

// Hands `goals` goals to the players of `side` (as added, in line order),
// counting each for `team` and logging each scorer in turn (`home`: as the
// home side's). The side keeps the lowered fantavoti; its ranking is left
// as the goals need it, not as RankSide would leave it.
void AssignScorers(const CalendarContext& context, SideTable& side, double goals,
                   std::string_view team, bool home);

}  // namespace corvalis

#endif  // CORVALIS_MATCHDAY_SCORERS_H_
