// A results export of the fixed league: the fuzzer's bytes are matchday 1's
// export, read the way a run reads it: found, parsed and rated (the
// rating's reading, the matchday rated, the season closed), then, when that
// let the run go on, read by the calendar, whose page is then written.
#include <optional>

#include "fuzz_league.h"
#include "input/credits.h"
#include "input/season_exports.h"
#include "matchday/calendar.h"
#include "matchday/calendar_reading.h"
#include "rating/rate_season.h"

using namespace corvalis;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto env = fuzz::FixedLeagueEnv();
  env->AddFile(fuzz::LeaguePath("Lega_Risultati1.tab"), fuzz::Bytes(data, size));
  const League& league = fuzz::FixedLeague();
  fuzz::StopsAreOutcomes([&] {
    SeasonExports exports = SeasonExports::Find(*env, league);
    SeasonRater rater(league);
    CalendarReading calendar(league);
    if (std::optional<MatchdayExport> day = exports.Read(*env, league, 1)) {
      rater.Rate(*env, *day);
      calendar.Read(*day);
    }
    SeasonRating rating = rater.Close();
    TextEncoding encoding = Narrowed(league.encoding, exports.encoding());
    RunCalendar(*env, league, calendar, rating, Credits{}, encoding);
  });
  return 0;
}
