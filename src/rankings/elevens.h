// The Top and Flop elevens: a ranked list of players, and the eleven chosen
// from it. The core is one goalkeeper, three defenders, three midfielders
// and one or two forwards, each the first of its role in the list; then the
// next outfield players in list order, up to eleven.
#ifndef CORVALIS_RANKINGS_ELEVENS_H_
#define CORVALIS_RANKINGS_ELEVENS_H_

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "matchday/calendar.h"
#include "matchday/tallies.h"

namespace corvalis {

// A player the elevens are chosen from.
struct ElevenCandidate {
  std::string_view role;  // its first character is the role: "P", "D", "C", "A"
  std::string_view name;
  std::string_view team;
  std::string_view fantavoto;  // as read, for the matchday elevens
  // For the season elevens: the average, floored to hundredths, whose
  // number text is the figure. Only the chosen players' is ever written.
  std::optional<double> average;
  int presences = 0;  // the season's lines
};

// The figure the pages show: the fantavoto, or the average's number text.
std::string FigureText(const ElevenCandidate& candidate);

// A chosen player, as the pages show him.
struct ElevenPlayer {
  std::string role;  // "P", "D", "C", "A"
  std::string name;  // shortened
  std::string team;
  std::string figure;
};
using Eleven = std::vector<ElevenPlayer>;

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

// The last matchday's players by fantavoto, best first, equal ones in line
// order. A name met more than once keeps only its highest fantavoto (the
// last of several equal ones); a line without a name counts for nobody.
std::vector<ElevenCandidate> RankMatchday(const std::vector<MatchdayPlayer>& players);

// The season's players by average fantavoto (floored to hundredths), best
// first; `min_presences` receives `threshold` % of the average presences,
// floored (0 when nobody played).
std::vector<ElevenCandidate> RankSeason(const std::vector<SeasonPlayer>& players,
                                        double threshold, int* min_presences);

// The eleven chosen from `ranked` in role order P, D, C, A, the order of
// choice kept within a role. With `min_presences` (the season elevens) a
// player counts only with at least that many presences. When the list runs
// out, the eleven stays short.
Eleven ChooseEleven(const std::vector<ElevenCandidate>& ranked, const ElevenCaps& caps,
                    std::optional<int> min_presences);

}  // namespace corvalis

#endif  // CORVALIS_RANKINGS_ELEVENS_H_
