#include "matchday/calendar.h"

#include "matchday/calendar_page.h"
#include "matchday/calendar_reading.h"
#include "util/once_warnings.h"
#include "util/page.h"
#include "util/text.h"
#include "site/site_pages.h"

namespace corvalis {

CalendarResult RunCalendar(Env& env, const League& league, const SeasonExports& exports,
                           const SeasonRating& rating, const Credits& credits,
                           TextEncoding encoding) {
  CalendarResult result(league.sq);
  OnceWarnings warned;
  CalendarContext context{env, league, encoding, warned, result.scorers, result.awards};
  CalendarSeason season;
  season.luck.resize(league.num_teams());
  Page calendar;
  size_t last_start = 0;
  std::vector<DayPlayer> players, last_players;
  for (int g = 1; g <= kMatchdays; ++g) {
    const MatchdayExport* day = exports.Get(g);
    if (day == nullptr) continue;
    players.clear();
    MatchdayReport report = ReadForCalendar(context, rating, credits, *day, season, &players);
    last_start = calendar.size();
    AddMatchdayBlock(report, calendar);
    last_players.swap(players);
  }
  WriteFileOrStop(env, league.SourcePath(kCalendarPage), calendar.text());
  // The last block of the calendar is the last-matchday page.
  if (calendar.size() > last_start) {
    WriteFileOrStop(env, league.SourcePath(kLastMatchdayPage), calendar.text().substr(last_start));
  }
  for (const DayPlayer& p : last_players) {
    result.last_matchday.push_back({std::string(p.role), std::string(p.name),
                                    std::string(p.team), CommaToPoint(p.fantavoto)});
  }
  result.season_players = std::move(season.players);
  result.luck = std::move(season.luck);
  return result;
}

}  // namespace corvalis
