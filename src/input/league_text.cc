#include "input/league_text.h"

#include "util/run_stop.h"

namespace corvalis {

std::string LongLinesWarning(const std::string& path, const std::vector<size_t>& cut) {
  const size_t kNamed = 5;  // line numbers named; the others are counted
  std::string limit = std::to_string(kMaxLineBytes);
  if (cut.size() == 1) {
    return "La riga " + std::to_string(cut[0]) + " del file " + path + " e' piu' lunga di " +
           limit + " byte: ne sono letti solo i primi " + limit;
  }
  std::string numbers;
  size_t named = cut.size() <= kNamed ? cut.size() : kNamed;
  for (size_t k = 0; k < named; ++k) {
    if (k > 0) numbers += k + 1 == named && named == cut.size() ? " e " : ", ";
    numbers += std::to_string(cut[k]);
  }
  if (named < cut.size()) numbers += " e altre " + std::to_string(cut.size() - named);
  return "Le righe " + numbers + " del file " + path + " sono piu' lunghe di " + limit +
         " byte: di ognuna sono letti solo i primi " + limit;
}

Status ReadLeagueText(Env& env, const std::string& path, TextLines* lines,
                      TextEncoding* encoding) {
  Status status = env.ReadLines(path, lines);
  if (!status.ok()) return status;
  if (lines->cut_lines().empty() && lines->bytes() != nullptr) {
    // Line ends are plain ASCII: the whole file is well-formed UTF-8 exactly
    // when each of its lines is, and one look at it is cheaper.
    *encoding = NoteInputText(*encoding, lines->all_bytes());
  } else {
    for (std::string_view line : *lines) *encoding = NoteInputText(*encoding, line);
  }
  // One warning for the whole file: each is a message box on Windows.
  if (!lines->cut_lines().empty()) {
    env.ShowMessage(LongLinesWarning(env.NativePath(path), lines->cut_lines()),
                    MessageKind::kWarning);
  }
  return status;
}

TextLines ReadLeagueTextOrStop(Env& env, const std::string& path, TextEncoding* encoding) {
  TextLines lines;
  Status status = ReadLeagueText(env, path, &lines, encoding);
  if (!status.ok()) {
    throw RunStop("Impossibile leggere il file " + env.NativePath(path) + ": " + status.error,
                  kExitPlatform);
  }
  return lines;
}

}  // namespace corvalis
