// The league as conf.txt describes it: its teams in conf.txt order, the
// modules (formations) it plays, its folders and the switches of section 3.
// Read once, before anything else, and never changed.
#ifndef CORVALIS_INPUT_LEAGUE_H_
#define CORVALIS_INPUT_LEAGUE_H_

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "platform/env.h"
#include "util/encoding.h"

namespace corvalis {

// Limits of a league.
constexpr int kMaxTeams = 40;
constexpr int kMatchdays = 42;  // matchdays 1..42
constexpr int kMaxModules = 20;
constexpr int kTieRules = 6;

// A formation: one goalkeeper and these many defenders, midfielders and
// forwards (as conf.txt writes them, so not always whole), and the value a
// lineup played in it adds to its score.
struct Module {
  double defenders = 0;
  double midfielders = 0;
  double forwards = 0;
  double bonus = 0;
};

struct League {
  std::string program_folder;  // where conf.txt is
  std::string source_dir;      // results in, pages out; conf.txt's SRC ends in "\"
  std::string output_dir;      // web folder; empty = no copies
  std::string js_dir;          // script folder; empty = no copies
  // Team t (0-based) is the t-th name of conf.txt, trimmed; the pages
  // number it t + 1.
  std::vector<std::string> teams;
  std::vector<Module> modules;
  bool sq = false;  // players told apart by name and team, not by name alone
  double season_top_threshold = 50;  // % of the average presences (season elevens)
  double gap_exponent = 1;           // of the weighted coach-rating gap
  // The tie-break rules "VA", "MG", "PG", "DF", "CE", "AT" in slot order; an
  // empty slot, or any other text, ends the rules.
  std::array<std::string, kTieRules> tie_rules;
  TextEncoding encoding = TextEncoding::kUtf8;  // of conf.txt

  int num_teams() const { return static_cast<int>(teams.size()); }
  // The source folder joined with "\" and `name` (a doubled "\" when conf.txt
  // set the folder).
  std::string SourcePath(std::string_view name) const;
  // The first team named exactly `name`, -1 for none.
  int FirstTeamNamed(std::string_view name) const;
};

// The league of the lines of conf.txt, `program_folder` being where it lies;
// `path` names the file in messages. Throws RunStop when the team list never
// closes or the league exceeds a limit; warns and ignores a seventh tie-break
// rule.
League ParseLeague(const TextLines& lines, const std::string& path,
                   const std::string& program_folder, Env& env);

// Reads conf.txt from the program folder. Throws RunStop (platform failure)
// when it cannot be read.
League ReadLeague(Env& env);

}  // namespace corvalis

#endif  // CORVALIS_INPUT_LEAGUE_H_
