#include "input/bench_settings.h"

#include <string_view>

#include "input/league_text.h"
#include "util/text.h"

namespace corvalis {

BenchSettings ReadBenchSettings(Env& env, const League& league) {
  BenchSettings settings;
  std::optional<std::string> found = env.FindFirst(league.SourcePath("Panchine.txt"));
  if (!found) return settings;
  settings.present = true;
  TextLines lines = ReadLeagueTextOrStop(env, league.SourcePath(*found), &settings.encoding);
  for (size_t k = 0; k < lines.size() && static_cast<int>(k) < league.num_teams(); ++k) {
    std::string_view rest = lines[k];
    BenchSetting& setting = settings.lines.emplace_back();
    for (std::string& field : setting) field = std::string(NextField(rest));
  }
  return settings;
}

}  // namespace corvalis
