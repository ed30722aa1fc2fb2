// A results export of the fixed league: the fuzzer's bytes are matchday 1's
// export, read the way a run reads it: found, parsed and rated (the
// rating's reading, the matchday rated, the season closed), then, when that
// let the run go on, read by the calendar. The pages are the whole run's.
#include "fuzz_league.h"
#include "input/credits.h"
#include "input/season_exports.h"
#include "matchday/calendar_reading.h"
#include "matchday/tallies.h"
#include "rating/rate_season.h"
#include "util/once_warnings.h"

using namespace corvalis;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto env = fuzz::FixedLeagueEnv();
  env->AddFile(fuzz::LeaguePath("Lega_Risultati1.tab"), fuzz::Bytes(data, size));
  const League& league = fuzz::FixedLeague();
  fuzz::StopsAreOutcomes([&] {
    SeasonExports exports = SeasonExports::Find(*env, league);
    SeasonRating rating = RateSeason(*env, league, exports);
    OnceWarnings warned;
    Tally scorers(league.sq, true), awards(league.sq, false);
    TextEncoding encoding = Narrowed(league.encoding, exports.encoding());
    CalendarContext context{*env, league, encoding, warned, scorers, awards};
    CalendarSeason season;
    season.luck.resize(league.num_teams());
    std::vector<DayPlayer> players;
    ReadForCalendar(context, rating, Credits{}, *exports.Get(1), season, &players);
  });
  return 0;
}
