#include "matchday/credits.h"

#include <optional>
#include <vector>

#include "store/source_files.h"
#include "util/text.h"

namespace corvalis {
namespace {

const char kCreditsFile[] = "cred.txt";
const char kTool[] = "affluenza.exe";

void Warn(Env& env, const std::string& text) { env.ShowMessage(text, MessageKind::kWarning); }

// The tool is started and not waited for: what it writes is read next run
// at the latest.
void StartTool(Env& env, const SeasonStore& store, const std::string& name) {
  std::string path = SourcePath(store, name);
  Status status = env.StartProgram(path);
  if (!status.ok()) {
    Warn(env, "Impossibile avviare " + env.NativePath(path) + ": " + status.error);
  }
}

// The lines of cred.txt, or nothing (after a warning) when it cannot be
// read. `path` names the file in messages.
std::optional<TextLines> CreditFileLines(Env& env, SeasonStore& store, std::string* path) {
  std::optional<std::string> name = FindInSource(env, store, kCreditsFile);
  *path = env.NativePath(SourcePath(store, name ? *name : kCreditsFile));
  TextLines lines;
  Status status = name ? ReadLeagueText(env, store, SourcePath(store, *name), &lines)
                       : Status::Error("file non trovato");
  if (!status.ok()) {
    Warn(env, "Impossibile leggere il file " + *path + " (" + status.error +
                  "): il calendario esce senza spettatori e crediti");
    return std::nullopt;
  }
  return lines;
}

}  // namespace

CreditLine ParseCreditLine(std::string_view line) {
  enum Part { kHome, kHomeCredit, kAway, kAwayCredit, kRest };
  Part part = kHome;
  std::string home;
  std::string away;
  CreditLine out;
  size_t i = 0;
  for (; i < line.size() && part != kRest; ++i) {
    char c = line[i];
    switch (part) {
      case kHome:
        if (c == '(') part = kHomeCredit;
        else home += c;
        break;
      case kHomeCredit:
        if (c == ')') {
          out.credits += '/';
          part = kAway;
        } else {
          out.credits += c;
        }
        break;
      case kAway:
        if (c == '(') part = kAwayCredit;
        else away += c;
        break;
      case kAwayCredit:
        if (c == ')') part = kRest;
        else out.credits += c;
        break;
      case kRest:
        break;
    }
  }
  out.home = TrimSpaces(home);
  out.away = TrimSpaces(away);
  out.complete = part == kRest;
  if (out.complete) {
    std::string_view rest = line.substr(i);
    out.spectators = TrimSpaces(NextWord(rest));
  }
  return out;
}

void ReadCredits(Env& env, SeasonStore& store) {
  store.credits_available = false;
  bool lineups = FindInSource(env, store, "*Formazioni*.tab").has_value();
  bool attendance = FindInSource(env, store, "spet.txt").has_value();
  std::optional<std::string> tool = FindInSource(env, store, kTool);
  bool credits = FindInSource(env, store, kCreditsFile).has_value();
  bool tool_inputs = lineups && attendance && tool;
  if (!tool_inputs && !credits) return;
  if (tool_inputs) StartTool(env, store, *tool);

  std::string path;
  std::optional<TextLines> lines = CreditFileLines(env, store, &path);
  if (!lines) return;
  store.credits_available = true;
  TextTable& sheet = store.matchSheet;
  for (int n = 1; n <= kCreditLines; ++n) {
    for (int c = 1; c <= 5; ++c) sheet.at(n, c).clear();
  }
  for (size_t i = 0; i < lines->size(); ++i) {
    int n = static_cast<int>(i) + 1;
    if (n > kCreditLines) {
      Warn(env, "Il file " + path + " ha piu' di " + std::to_string(kCreditLines) +
                    " righe: le righe dopo la " + std::to_string(kCreditLines) +
                    " sono ignorate");
      break;
    }
    std::string_view text = (*lines)[i];
    CreditLine line = ParseCreditLine(text);
    if (!line.complete && !TrimSpaces(text).empty()) {
      Warn(env, "Riga " + std::to_string(n) + " del file " + path +
                    " senza le due coppie di parentesi: \"" + MessageExcerpt(text) + "\"");
    }
    sheet.at(n, 1) = line.home;
    sheet.at(n, 3) = line.credits;
    sheet.at(n, 4) = line.spectators;
    sheet.at(n, 5) = line.away;
  }
}

}  // namespace corvalis
