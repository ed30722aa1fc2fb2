#include "input/season_exports.h"

#include "input/league_text.h"
#include "platform/file_names.h"
#include "util/text.h"

namespace corvalis {

int ExportMatchday(std::string_view name) {
  // The name ends, whatever the case, in "Risultati" + g + ".tab", g written
  // without leading zeros: what the pattern "*Risultati<g>.tab" matches.
  constexpr std::string_view kStem = "risultati", kTab = ".tab";
  auto ends_with = [&](size_t end, std::string_view tail) {
    if (end < tail.size()) return false;
    for (size_t i = 0; i < tail.size(); ++i) {
      char c = name[end - tail.size() + i];
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
      if (c != tail[i]) return false;
    }
    return true;
  };
  if (!ends_with(name.size(), kTab)) return 0;
  size_t end = name.size() - kTab.size();
  size_t digits = end;
  while (digits > 0 && name[digits - 1] >= '0' && name[digits - 1] <= '9' && end - digits < 3) {
    --digits;
  }
  if (digits == end || name[digits] == '0' || !ends_with(digits, kStem)) return 0;
  int g = 0;
  for (size_t i = digits; i < end; ++i) g = g * 10 + (name[i] - '0');
  return g <= kMatchdays ? g : 0;
}

SeasonExports SeasonExports::Find(Env& env, const League& league) {
  SeasonExports exports;
  // One listing serves every matchday: nothing is written into the folder
  // while the exports are looked up. Of two names of one matchday the one
  // that lists first is taken.
  for (std::string& name : env.ListFiles(league.source_dir)) {
    int g = ExportMatchday(name);
    if (g == 0) continue;
    std::string& taken = exports.names_[g];
    if (taken.empty() || ListsBefore(name, taken)) taken = std::move(name);
  }
  return exports;
}

int SeasonExports::LastMatchday() const {
  for (int g = kMatchdays; g >= 1; --g) {
    if (!names_[g].empty()) return g;
  }
  return 0;
}

std::optional<MatchdayExport> SeasonExports::Read(Env& env, const League& league, int g) {
  if (names_[g].empty()) return std::nullopt;
  std::string path = league.SourcePath(names_[g]);
  TextLines lines = ReadLeagueTextOrStop(env, path, &encoding_);
  std::optional<MatchdayExport> day = ParseExport(std::move(lines), league, g);
  day->path = env.NativePath(path);
  for (const std::string& text : StrayHeaderWarnings(*day)) {
    env.ShowMessage(text, MessageKind::kWarning);
  }
  return day;
}

}  // namespace corvalis
