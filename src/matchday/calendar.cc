#include "matchday/calendar.h"

#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "matchday/calendar_page.h"
#include "matchday/calendar_reader.h"
#include "store/source_files.h"

namespace corvalis {

void WriteCalendar(Env& env, SeasonStore& store, const SeasonExports& exports) {
  Lines calendar;
  size_t last_start = 0;
  SeasonTotals totals(store);
  for (int g = 1; g <= kMatchdays; ++g) {
    const MatchdayExport* file = exports.Get(g);
    if (file == nullptr) continue;
    MatchdayReport day = ReadCalendarMatchday(file->lines, file->path, g, env, store, &totals);
    Lines block = MatchdayBlock(day);
    last_start = calendar.size();
    calendar.insert(calendar.end(), std::make_move_iterator(block.begin()),
                    std::make_move_iterator(block.end()));
  }
  WriteSourceFile(env, store, "calenbomber.htm", calendar);
  // The last block of the calendar is the last-matchday page: taken from
  // it, not kept twice.
  Lines last_matchday(std::make_move_iterator(calendar.begin() + last_start),
                      std::make_move_iterator(calendar.end()));
  calendar.clear();
  if (!last_matchday.empty()) WriteSourceFile(env, store, "ultima.htm", last_matchday);
}

}  // namespace corvalis
