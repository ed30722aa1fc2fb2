#include "driver/run.h"

#include <exception>

#include "driver/exclusive_run.h"
#include "input/bench_settings.h"
#include "input/credits.h"
#include "input/league.h"
#include "input/season_exports.h"
#include "matchday/calendar.h"
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

  SeasonExports exports = SeasonExports::Find(env, league);
  SeasonRating rating = RateSeason(env, league, exports);
  TextEncoding encoding = Narrowed(league.encoding, exports.encoding());
  WriteRatingPages(env, league, rating, encoding);

  Credits credits = ReadCredits(env, league);
  encoding = Narrowed(encoding, credits.encoding);
  CalendarResult calendar = RunCalendar(env, league, exports, rating, credits, encoding);
  exports = SeasonExports();  // read by both readings: later stages reuse its memory
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
