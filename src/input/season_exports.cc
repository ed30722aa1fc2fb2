#include "input/season_exports.h"

#include "input/league_text.h"
#include "platform/file_names.h"
#include "util/text.h"

namespace corvalis {

std::string ResultsPattern(int g) { return "*Risultati" + WholeText(g) + ".tab"; }

SeasonExports SeasonExports::Find(Env& env, const League& league) {
  SeasonExports exports;
  // One listing serves every matchday: nothing is written into the folder
  // while the exports are looked up.
  std::vector<std::string> names = env.ListFiles(league.source_dir);
  for (int g = 1; g <= kMatchdays; ++g) exports.names_[g] = FirstMatch(ResultsPattern(g), names);
  return exports;
}

const MatchdayExport* SeasonExports::Read(Env& env, const League& league, int g) {
  if (names_[g].empty()) return nullptr;
  std::string path = league.SourcePath(names_[g]);
  TextLines lines = ReadLeagueTextOrStop(env, path, &encoding_);
  auto day = std::make_unique<MatchdayExport>(ParseExport(std::move(lines), league, g));
  day->path = env.NativePath(path);
  days_[g] = std::move(day);
  return days_[g].get();
}

}  // namespace corvalis
