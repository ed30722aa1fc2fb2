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
  SeasonTotals totals(store);
  for (int g = 1; g <= kMatchdays; ++g) {
    // The second reading of the export takes the lines the first one kept.
    const SeasonStore::ResultsFile* file = FindResultsFile(env, store, g);
    if (file == nullptr) continue;
    std::string path = env.NativePath(SourcePath(store, file->name));
    MatchdayReport day = ReadCalendarMatchday(file->lines, path, g, env, store, &totals);
    last_matchday = MatchdayBlock(day);
    calendar.insert(calendar.end(), last_matchday.begin(), last_matchday.end());
  }
  WriteSourceFile(env, store, "calenbomber.htm", calendar);
  if (!last_matchday.empty()) WriteSourceFile(env, store, "ultima.htm", last_matchday);
}

}  // namespace corvalis
