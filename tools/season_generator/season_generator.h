// A deterministic generator of league folders: conf.txt and one results
// export per matchday in the layout of the league-management software, for
// the whole-season tests and the benchmark.
#ifndef CORVALIS_TOOLS_SEASON_GENERATOR_H_
#define CORVALIS_TOOLS_SEASON_GENERATOR_H_

#include <string>

namespace corvalis::tools {

struct LeagueShape {
  unsigned seed = 1;
  int teams = 10;              // 2 to 40
  int matchdays = 38;          // 1 to 42
  int players_per_team = 25;   // distinct players of a squad
  double missing_matchday_chance = 0.0;  // a matchday without export
  double cup_match_chance = 0.1;         // extra-time and shoot-out lines
  bool cred = true;            // write cred.txt
  bool panchine = true;        // write Panchine.txt
  bool section3 = true;        // tie-break rules and exponent in conf.txt
  bool sq = false;             // the "SQ" switch
  std::string gap_exponent;    // the line after section 3; empty: chosen at random
};

// Writes the league into `folder` (which must exist). Returns the number of
// results files written.
int WriteSeason(const LeagueShape& shape, const std::string& folder);

}  // namespace corvalis::tools

#endif  // CORVALIS_TOOLS_SEASON_GENERATOR_H_
