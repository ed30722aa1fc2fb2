#include "driver/run.h"

#include <exception>
#include <memory>

#include "driver/config.h"
#include "driver/exclusive_run.h"
#include "input/league.h"
#include "matchday/calendar.h"
#include "input/credits.h"
#include "publish/preview.h"
#include "publish/publishing.h"
#include "rankings/player_rankings.h"
#include "rankings/tally_pages.h"
#include "rating/rating_pages.h"
#include "rating/rate_season.h"
#include "site/charts_page.h"
#include "site/site_index.h"
#include "site/team_page.h"
#include "input/season_exports.h"
#include "util/text.h"

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

// The rating's results in the store, for the stages not yet converted.
void CopyRatingIntoStore(const League& league, const SeasonRating& rating,
                         const SeasonExports& exports, SeasonStore& store) {
  auto season_row = [&](int t) {
    const TeamRating& team = rating.teams[t];
    SeasonRow row{};
    row[kSnScoreSum] = team.score_sum;
    row[kSnMaxSum] = team.max_sum;
    row[kSnMatches] = team.matches;
    row[kSnAverageGap] = team.average_gap;
    row[kSnLargestGap] = team.largest_gap;
    row[kSnLargestGapDay] = team.largest_gap_day;
    row[kSnSmallestGap] = team.smallest_gap;
    row[kSnSmallestGapDay] = team.smallest_gap_day;
    row[kSnWeightedGap] = team.weighted_gap;
    return row;
  };
  auto count_text = [](int n) { return n == 0 ? std::string() : WholeText(n); };
  for (int row = 1; row <= league.num_teams(); ++row) {
    int t = rating.average_order[row - 1];
    store.teamName[row] = league.teams[t];
    store.teamConfNumber[row] = t + 1;
    store.teamSeason[row] = season_row(t);
  }
  for (int t = 0; t < league.num_teams(); ++t) {
    const TeamRating& team = rating.teams[t];
    int c = t + 1;
    for (int g = 1; g <= kMatchdays; ++g) {
      const TeamMatchday& day = team.days[g];
      store.teamRoleCount[c][g] = {0, double(day.fielded[0]), double(day.fielded[1]),
                                   double(day.fielded[2]), double(day.module_used + 1)};
      store.teamMatchday[c][g] = {0, day.gap, double(day.valid_votes), day.actual_score,
                                  day.max};
      int k = 0;
      for (size_t m = 0; m < league.modules.size(); ++m) {
        if (day.best_modules & (1u << m)) store.matchdayBestModules[c][g][++k] = int(m) + 1;
      }
    }
    store.teamRoleCountName[c] = team.fielded_any ? league.teams[t] : "";
    store.rosterTeamName[c] = team.roster_named ? league.teams[t] : "";
    store.teamVoteSum[c] = {0, double(team.positive_lines), team.positive_sum,
                            team.substitute_sum};
    for (size_t m = 0; m < league.modules.size(); ++m) {
      store.teamBestModuleCount[c][int(m) + 1] = team.best_module_count[m];
    }
    const std::vector<RosterPlayer>& slots = team.roster.slots();
    for (size_t p = 0; p < slots.size(); ++p) {
      RosterEntry& entry = store.roster[c][int(p) + 1];
      entry.name = slots[p].name;
      entry.role = slots[p].role;
      entry.starts = count_text(slots[p].starts);
      entry.subs_in = count_text(slots[p].subs_in);
      entry.bench_listings = count_text(slots[p].bench_listings);
    }
  }
  for (size_t m = 0; m < league.modules.size(); ++m) {
    store.moduleTable[int(m) + 1][kModBestCount] = rating.module_best_count[m];
    store.moduleTable[int(m) + 1][kModOnlyBestCount] = rating.module_only_best_count[m];
  }
  store.best_module_total = rating.best_module_total;
  store.last_matchday_read = rating.last_matchday;
  store.file_found = true;
  const std::vector<BenchVotePlayer>& players = rating.bench_votes.players();
  for (size_t r = 0; r < players.size(); ++r) {
    int row = int(r) + 1;
    store.playerRegistry.at(row, 1) = players[r].role_code;
    store.playerRegistry.at(row, 2) = players[r].name;
    store.playerRegistry.at(row, 3) = players[r].VoteSumText();
    store.playerRegistry.at(row, 4) = NumberText(players[r].votes);
    store.playerRegistry.at(row, 5) = players[r].team;
  }
  store.encoding = Narrowed(store.encoding, exports.encoding());
}

// The rankings' results in the store, for the stages not yet converted.
void CopyRankingsIntoStore(const Rankings& rankings, SeasonStore& store) {
  for (size_t i = 0; i < rankings.scorers.size(); ++i) {
    int r = int(i) + 1;
    store.scorerTally.at(r, 1) = rankings.scorers[i].name;
    store.scorerTally.at(r, 2) = GoalsText(rankings.scorers[i].count);
    store.scorerTally.at(r, 3) = rankings.scorers[i].team;
  }
  const Eleven& eleven = rankings.season_eleven.top;
  for (size_t i = 0; i < eleven.size(); ++i) {
    int r = int(i) + 1;
    store.seasonTop11.at(r, 1) = eleven[i].role;
    store.seasonTop11.at(r, 2) = eleven[i].name;
    store.seasonTop11.at(r, 3) = eleven[i].team;
    store.seasonTop11.at(r, 4) = eleven[i].figure;
  }
  store.min_presences = rankings.season_eleven.min_presences;
}

}  // namespace

void RunSeason(Env& env, SeasonStore& store, const RunOptions& options) {
  InitialiseStore(env, store);
  League league = ReadLeague(env);
  CopyLeagueIntoStore(league, store);
  ClaimLeague(env, store, options.preview_folder);  // before anything is written
  SeasonExports exports = SeasonExports::Find(env, league);
  SeasonRating rating = RateSeason(env, league, exports);
  CopyRatingIntoStore(league, rating, exports, store);
  WriteRatingPages(env, store);
  Credits credits = ReadCredits(env, league);
  store.encoding = Narrowed(store.encoding, credits.encoding);
  CalendarResult calendar = RunCalendar(env, league, exports, rating, credits, store.encoding);
  Rankings rankings = WritePlayerRankings(env, league, rating, calendar, store.encoding);
  CopyRankingsIntoStore(rankings, store);
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
