#include "driver/config.h"

#include <string_view>

#include "util/run_stop.h"
#include "store/source_files.h"
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

void ReadModuleLine(std::string_view line, const std::string& path,
                    SeasonStore& store) {
  if (store.num_modules == kMaxModules) {
    throw RunStop("Probabile errore nel conf.txt: oltre " +
                      std::to_string(kMaxModules) + " moduli (file " + path + ")",
                  kExitPlatform);
  }
  ModuleRow& row = store.moduleTable[++store.num_modules];
  row[kModDefenders] = LeadingNumber(NextWord(line));
  row[kModMidfielders] = LeadingNumber(NextWord(line));
  row[kModForwards] = LeadingNumber(NextWord(line));
  row[kModBonus] = LeadingNumber(NextWord(line));
}

}  // namespace

void ApplyConfig(const TextLines& lines, const std::string& path,
                 Env& env, SeasonStore& store) {
  size_t i = 0;

  // Section 1: one team per line up to the first line that begins with "*".
  for (;; ++i) {
    if (i == lines.size()) {
      throw RunStop("Probabile errore nel conf.txt: manca la riga \"*\" che chiude "
                    "l'elenco delle squadre (file " + path + ")",
                    kExitPlatform);
    }
    if (StartsWith(lines[i], "*")) break;
    if (store.num_teams == kMaxTeams) {
      throw RunStop("Probabile errore nel conf.txt: oltre " +
                        std::to_string(kMaxTeams) + " squadre (file " + path + ")",
                    kExitPlatform);
    }
    int t = ++store.num_teams;
    std::string name = TrimSpaces(lines[i]);
    store.teamName[t] = name;
    store.teamLabel[t] = name;
    store.teamTitle[t] = name;
  }
  ++i;

  // Section 2: folders and modules, up to the end or the next "*" line.
  for (;; ++i) {
    if (i == lines.size()) {
      // No section 3: the default tie-break labels.
      const char* defaults[] = {"VA", "MG", "DF", "CE", "AT"};
      for (int k = 0; k < 5; ++k) store.tieRule[k + 1] = defaults[k];
      return;
    }
    std::string_view line = lines[i];
    if (StartsWith(line, "*")) break;
    if (StartsWith(line, "DIR")) {
      store.output_dir = FolderOf(line);
    } else if (StartsWith(line, "SRC")) {
      store.source_dir = FolderOf(line);
    } else if (StartsWith(line, "DJS")) {
      store.js_dir = FolderOf(line);
    } else {
      ReadModuleLine(line, path, store);
    }
  }
  ++i;

  // Section 3: switches, labels, and the exponent after the closing "*".
  bool seen_other = false;
  int labels = 0;
  for (; i < lines.size(); ++i) {
    std::string_view line = lines[i];
    if (StartsWith(line, "SQ")) {
      store.sq_flag = 1;
    } else if (StartsWith(line, "*")) {
      if (!seen_other) continue;
      if (i + 1 < lines.size()) store.gap_exponent = LeadingNumber(lines[i + 1]);
      return;
    } else {
      seen_other = true;
      double number = LeadingNumber(line);
      if (number > 0) {
        store.season_top_threshold = number;
      } else if (labels == kTieRules) {
        env.ShowMessage("conf.txt: regola di spareggio \"" + MessageExcerpt(line) +
                            "\" ignorata, le regole sono al massimo " +
                            std::to_string(kTieRules) + " (file " + path + ")",
                        MessageKind::kWarning);
      } else {
        std::string_view rest = line;
        store.tieRule[++labels] = std::string(NextWord(rest));
      }
    }
  }
}

void ReadConfig(Env& env, SeasonStore& store) {
  std::string path = store.program_folder + "\\conf.txt";
  TextLines lines;
  Status status = ReadLeagueText(env, store, path, &lines);
  if (!status.ok()) {
    throw RunStop("Impossibile leggere il file di configurazione " +
                      env.NativePath(path) + ": " + status.error,
                  kExitPlatform);
  }
  ApplyConfig(lines, env.NativePath(path), env, store);
}

}  // namespace corvalis
