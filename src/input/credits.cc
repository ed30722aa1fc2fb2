#include "input/credits.h"

#include <optional>
#include <vector>

#include "input/league_text.h"
#include "util/text.h"

namespace corvalis {
namespace {

const char kCreditsFile[] = "cred.txt";
const char kTool[] = "affluenza.exe";

void Warn(Env& env, const std::string& text) { env.ShowMessage(text, MessageKind::kWarning); }

// The tool is started and not waited for: what it writes is read next run
// at the latest.
void StartTool(Env& env, const League& league, const std::string& name) {
  std::string path = league.SourcePath(name);
  Status status = env.StartProgram(path);
  if (!status.ok()) {
    Warn(env, "Impossibile avviare " + env.NativePath(path) + ": " + status.error);
  }
}

// The lines of cred.txt, or nothing (after a warning) when it cannot be
// read. `path` names the file in messages.
std::optional<TextLines> CreditFileLines(Env& env, const League& league, std::string* path,
                                        TextEncoding* encoding) {
  std::optional<std::string> name = env.FindFirst(league.SourcePath(kCreditsFile));
  *path = env.NativePath(league.SourcePath(name ? *name : kCreditsFile));
  TextLines lines;
  Status status = name ? ReadLeagueText(env, league.SourcePath(*name), &lines, encoding)
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

std::string Credits::TextFor(std::string_view home, std::string_view away) const {
  if (!available) return "";
  constexpr std::string_view kAttendanceLabel = "    Spet:";
  constexpr std::string_view kCreditsLabel = " Cred: ";
  for (const CreditLine& line : lines) {
    if (line.home == home && line.away == away) {
      // Made in one piece: a match per line of the calendar asks.
      std::string text;
      text.reserve(kAttendanceLabel.size() + line.spectators.size() + kCreditsLabel.size() +
                   line.credits.size());
      text.append(kAttendanceLabel).append(line.spectators);
      text.append(kCreditsLabel).append(line.credits);
      return text;
    }
  }
  return std::string(kAttendanceLabel);
}

Credits ReadCredits(Env& env, const League& league) {
  Credits credits;
  auto find = [&](const std::string& pattern) { return env.FindFirst(league.SourcePath(pattern)); };
  bool lineups = find("*Formazioni*.tab").has_value();
  bool attendance = find("spet.txt").has_value();
  std::optional<std::string> tool = find(kTool);
  bool file = find(kCreditsFile).has_value();
  bool tool_inputs = lineups && attendance && tool;
  if (!tool_inputs && !file) return credits;
  if (tool_inputs) StartTool(env, league, *tool);

  std::string path;
  std::optional<TextLines> lines = CreditFileLines(env, league, &path, &credits.encoding);
  if (!lines) return credits;
  credits.available = true;
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
    credits.lines.push_back(std::move(line));
  }
  return credits;
}

}  // namespace corvalis
