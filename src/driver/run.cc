#include "driver/run.h"

#include <exception>
#include <optional>

#include "driver/exclusive_run.h"
#include "input/bench_settings.h"
#include "input/credits.h"
#include "input/league.h"
#include "input/season_exports.h"
#include "matchday/calendar.h"
#include "matchday/calendar_reading.h"
#include "publish/preview.h"
#include "publish/publishing.h"
#include "rankings/player_rankings.h"
#include "rating/rate_season.h"
#include "rating/rating_pages.h"
#include "site/charts_page.h"
#include "site/site_index.h"
#include "site/team_page.h"

namespace corvalis {

// Each stage takes what earlier ones made and returns what later ones need.
// The pages show the league's texts in the encoding of every league text
// read before them.
void RunSeason(Env& env, const RunOptions& options) {
  League league = ReadLeague(env);
  ClaimLeague(env, league, options.preview_folder);  // before anything is written

  // Each export is read once and goes: the rating and the calendar read it
  // in turn; the calendar's pages wait for the season's rating.
  SeasonExports exports = SeasonExports::Find(env, league);
  SeasonRater rater(league);
  CalendarReading calendar_reading(league);
  int last = exports.LastMatchday();
  for (int g = 1; g <= kMatchdays; ++g) {
    std::optional<MatchdayExport> day = exports.Read(env, league, g);
    if (!day) continue;
    rater.Rate(env, *day);
    calendar_reading.Read(*day, g == last);
  }
  SeasonRating rating = rater.Close();
  TextEncoding encoding = Narrowed(league.encoding, exports.encoding());
  WriteRatingPages(env, league, rating, encoding);

  Credits credits = ReadCredits(env, league);
  encoding = Narrowed(encoding, credits.encoding);
  CalendarResult calendar =
      RunCalendar(env, league, calendar_reading, rating, credits, encoding);
  Rankings rankings = WritePlayerRankings(env, league, rating, calendar, encoding);

  BenchSettings bench = ReadBenchSettings(env, league);
  encoding = Narrowed(encoding, bench.encoding);
  WriteTeamPages(env, league, rating, rankings.scorers, bench, encoding);
  WriteSiteIndex(env, league, encoding);
  ChartsData charts{league, rating, rankings.season_eleven, encoding};
  WriteChartsPage(env, charts);

  PublishSite(env, league, rating.last_matchday);
  if (!options.preview_folder.empty()) WritePreview(env, charts, options.preview_folder);
  env.ShowMessage(kCompletionMessage, MessageKind::kCompletion);
}

ExitStatus RunAndReport(Env& env, const RunOptions& options) {
  try {
    RunSeason(env, options);
    return kExitDone;
  } catch (const RunStop& stop) {
    env.ShowMessage(stop.what(), MessageKind::kError);
    return stop.status();
  } catch (const std::exception& e) {
    env.ShowMessage(std::string("Errore interno di Corvalis: ") + e.what(),
                    MessageKind::kError);
    return kExitPlatform;
  }
}

}  // namespace corvalis
