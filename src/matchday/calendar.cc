#include "matchday/calendar.h"

#include <optional>
#include <string>
#include <vector>

#include "matchday/calendar_page.h"
#include "matchday/calendar_reader.h"
#include "store/results_reader.h"
#include "store/source_files.h"

namespace corvalis {

void WriteCalendar(Env& env, SeasonStore& store) {
  Lines calendar;
  Lines last_matchday;
  for (int g = 1; g <= kMatchdays; ++g) {
    std::optional<std::string> name = FindInSource(env, store, ResultsPattern(g));
    if (!name) continue;
    std::string path = SourcePath(store, *name);
    std::vector<std::string> lines = ReadFileOrStop(env, path);
    MatchdayReport day = ReadCalendarMatchday(lines, env.NativePath(path), g, env, store);
    last_matchday = MatchdayBlock(day);
    calendar.insert(calendar.end(), last_matchday.begin(), last_matchday.end());
  }
  WriteSourceFile(env, store, "calenbomber.htm", calendar);
  if (!last_matchday.empty()) WriteSourceFile(env, store, "ultima.htm", last_matchday);
}

}  // namespace corvalis
