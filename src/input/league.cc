#include "input/league.h"

#include "input/league_text.h"
#include "util/run_stop.h"
#include "util/text.h"

namespace corvalis {
namespace {

bool StartsWith(std::string_view line, std::string_view prefix) {
  return line.substr(0, prefix.size()) == prefix;
}

// "DIR path": the first word is the key; the rest of the line, joined with
// "\", is the folder (a second space stays part of it).
std::string FolderOf(std::string_view line) {
  NextWord(line);
  return std::string(line) + "\\";
}

[[noreturn]] void Stop(const std::string& what, const std::string& path) {
  throw RunStop("Probabile errore nel conf.txt" + what + " (file " + path + ")", kExitPlatform);
}

Module ModuleOf(std::string_view line) {
  Module module;
  module.defenders = LeadingNumber(NextWord(line));
  module.midfielders = LeadingNumber(NextWord(line));
  module.forwards = LeadingNumber(NextWord(line));
  module.bonus = LeadingNumber(NextWord(line));
  return module;
}

}  // namespace

std::string League::SourcePath(std::string_view name) const {
  std::string path = source_dir;
  path += '\\';
  path += name;
  return path;
}

int League::FirstTeamNamed(std::string_view name) const {
  for (int t = 0; t < num_teams(); ++t) {
    if (teams[t] == name) return t;
  }
  return -1;
}

League ParseLeague(const TextLines& lines, const std::string& path,
                   const std::string& program_folder, Env& env) {
  League league;
  league.program_folder = program_folder;
  league.source_dir = program_folder;
  size_t i = 0;

  // Section 1: one team per line up to the first line that begins with "*".
  for (;; ++i) {
    if (i == lines.size()) {
      Stop(": manca la riga \"*\" che chiude l'elenco delle squadre", path);
    }
    if (StartsWith(lines[i], "*")) break;
    if (league.num_teams() == kMaxTeams) {
      Stop(": oltre " + std::to_string(kMaxTeams) + " squadre", path);
    }
    league.teams.push_back(TrimSpaces(lines[i]));
  }
  ++i;

  // Section 2: folders and modules, up to the end or the next "*" line.
  for (;; ++i) {
    if (i == lines.size()) {
      // No section 3: the default tie-break rules.
      league.tie_rules = {"VA", "MG", "DF", "CE", "AT", ""};
      return league;
    }
    std::string_view line = lines[i];
    if (StartsWith(line, "*")) break;
    if (StartsWith(line, "DIR")) {
      league.output_dir = FolderOf(line);
    } else if (StartsWith(line, "SRC")) {
      league.source_dir = FolderOf(line);
    } else if (StartsWith(line, "DJS")) {
      league.js_dir = FolderOf(line);
    } else {
      if (static_cast<int>(league.modules.size()) == kMaxModules) {
        Stop(": oltre " + std::to_string(kMaxModules) + " moduli", path);
      }
      league.modules.push_back(ModuleOf(line));
    }
  }
  ++i;

  // Section 3: switches, rules, and the exponent after the closing "*".
  bool seen_other = false;
  int rules = 0;
  for (; i < lines.size(); ++i) {
    std::string_view line = lines[i];
    if (StartsWith(line, "SQ")) {
      league.sq = true;
    } else if (StartsWith(line, "*")) {
      if (!seen_other) continue;
      if (i + 1 < lines.size()) league.gap_exponent = LeadingNumber(lines[i + 1]);
      break;
    } else {
      seen_other = true;
      double number = LeadingNumber(line);
      if (number > 0) {
        league.season_top_threshold = number;
      } else if (rules == kTieRules) {
        env.ShowMessage("conf.txt: regola di spareggio \"" + MessageExcerpt(line) +
                            "\" ignorata, le regole sono al massimo " +
                            std::to_string(kTieRules) + " (file " + path + ")",
                        MessageKind::kWarning);
      } else {
        std::string_view rest = line;
        league.tie_rules[rules++] = std::string(NextWord(rest));
      }
    }
  }
  return league;
}

League ReadLeague(Env& env) {
  std::string folder = env.ProgramFolder();
  std::string path = folder + "\\conf.txt";
  TextLines lines;
  TextEncoding encoding = TextEncoding::kUtf8;
  Status status = ReadLeagueText(env, path, &lines, &encoding);
  if (!status.ok()) {
    throw RunStop("Impossibile leggere il file di configurazione " + env.NativePath(path) +
                      ": " + status.error,
                  kExitPlatform);
  }
  League league = ParseLeague(lines, env.NativePath(path), folder, env);
  league.encoding = encoding;
  return league;
}

}  // namespace corvalis
