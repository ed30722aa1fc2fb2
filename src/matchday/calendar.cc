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
  std::vector<DayPlayer> players, last_players;
  Page block;  // the block of one matchday; the last one is the last-matchday page
  WritePage(env, league.SourcePath(kCalendarPage), [&](Page& calendar) {
    for (int g = 1; g <= kMatchdays; ++g) {
      const MatchdayExport* day = exports.Get(g);
      if (day == nullptr) continue;
      players.clear();
      MatchdayReport report = ReadForCalendar(context, rating, credits, *day, season, &players);
      block.Clear();
      AddMatchdayBlock(report, block);
      calendar.PutLines(block.text());
      last_players.swap(players);
    }
  });
  if (block.size() > 0) {
    WriteFileOrStop(env, league.SourcePath(kLastMatchdayPage), block.text());
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
