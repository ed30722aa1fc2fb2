#include "driver/run.h"

#include <exception>
#include <memory>

#include "driver/config.h"
#include "driver/exclusive_run.h"
#include "input/league.h"
#include "matchday/calendar.h"
#include "matchday/credits.h"
#include "publish/preview.h"
#include "publish/publishing.h"
#include "rankings/player_rankings.h"
#include "rating/rating_pages.h"
#include "rating/season_aggregation.h"
#include "site/charts_page.h"
#include "site/site_index.h"
#include "site/team_page.h"
#include "store/results_reader.h"

namespace corvalis {

void InitialiseStore(Env& env, SeasonStore& store) {
  store.program_folder = env.ProgramFolder();
  store.gap_exponent = 1;
  store.sq_flag = 0;
  store.output_dir.clear();
  store.source_dir = store.program_folder;
  for (int t = 1; t <= kMaxTeams; ++t) store.teamSeason[t][kSnSmallestGap] = 9999;
}

namespace {

void ReadSeason(Env& env, SeasonStore& store) {
  BenchVoteRegister bench_votes(store);
  LookUpResultsFiles(env, store);
  for (int g = 1; g <= kMatchdays; ++g) {
    store.giornata = g;
    store.teamParziale.Clear();
    store.teamSeen.Clear();
    store.lineupSlot.Clear();
    if (ReadMatchday(env, store, g, &bench_votes)) {
      store.last_matchday_read = g;
      RateMatchday(store, g);
    }
  }
  if (!store.file_found) throw RunStop("Files Risultati Assenti", kExitInputMessage);
}

}  // namespace

void RunSeason(Env& env, SeasonStore& store, const RunOptions& options) {
  InitialiseStore(env, store);
  League league = ReadLeague(env);
  CopyLeagueIntoStore(league, store);
  ClaimLeague(env, store, options.preview_folder);  // before anything is written
  ReadSeason(env, store);
  CloseSeason(store);
  WriteRatingPages(env, store);
  ReadCredits(env, store);
  WriteCalendar(env, store);
  WritePlayerRankings(env, store);
  WriteTeamPages(env, store);
  WriteSiteIndex(env, store);
  WriteChartsPage(env, store);
  PublishSite(env, store);
  if (!options.preview_folder.empty()) WritePreview(env, store, options.preview_folder);
  env.ShowMessage(kCompletionMessage, MessageKind::kCompletion);
}

ExitStatus RunAndReport(Env& env, const RunOptions& options) {
  try {
    auto store = std::make_unique<SeasonStore>();
    RunSeason(env, *store, options);
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
