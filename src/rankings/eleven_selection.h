// Choosing a Top or Flop eleven from a ranked list of players: a core of
// one goalkeeper, three defenders, three midfielders and one or two
// forwards, each the first of its role in the list, then the next outfield
// players in list order up to eleven.
#ifndef CORVALIS_RANKINGS_ELEVEN_SELECTION_H_
#define CORVALIS_RANKINGS_ELEVEN_SELECTION_H_

#include <array>
#include <optional>

#include "store/season_store.h"

namespace corvalis {

// Counts per role, in the order P, D, C, A.
using RoleCaps = std::array<int, 4>;

struct ElevenCaps {
  RoleCaps core;  // first pass: a role is taken while its count is below
  RoleCaps fill;  // second pass; goalkeepers are never taken here
};

// Both Top elevens and the matchday Flop 11: at most three forwards.
inline constexpr ElevenCaps kElevenCaps = {{1, 3, 3, 1}, {0, 6, 6, 3}};
// The season Flop 11: two forwards in the core, never more.
inline constexpr ElevenCaps kSeasonFlopCaps = {{1, 3, 3, 2}, {0, 6, 6, 2}};

// Fills store.elevenTable (1 role letter, 2 name, 3 team, 4 figure) from
// rows 1..1000 of `source` (1 role, 2 name, 3 team, 4 figure, [5 presences]).
// With `min_presences` (the season elevens) a row counts only when it has a
// role and at least that many presences; the role cells of the rows taken
// in the first pass, and of the rows that do not count, are emptied. When
// the source runs out, the eleven stays short.
void SelectEleven(SeasonStore& store, TextTable& source, const ElevenCaps& caps,
                  std::optional<int> min_presences);

// Reorders store.elevenTable by role P, D, C, A, keeping the order of
// selection within a role; rows after the last player stay empty.
void OrderElevenByRole(SeasonStore& store);

}  // namespace corvalis

#endif  // CORVALIS_RANKINGS_ELEVEN_SELECTION_H_
