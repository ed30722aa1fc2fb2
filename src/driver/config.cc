#include "driver/config.h"

#include "input/league.h"

namespace corvalis {

void CopyLeagueIntoStore(const League& league, SeasonStore& store) {
  store.program_folder = league.program_folder;
  store.source_dir = league.source_dir;
  store.output_dir = league.output_dir;
  store.js_dir = league.js_dir;
  store.num_teams = league.num_teams();
  for (int t = 1; t <= store.num_teams; ++t) {
    store.teamName[t] = store.teamLabel[t] = store.teamTitle[t] = league.teams[t - 1];
  }
  store.num_modules = static_cast<int>(league.modules.size());
  for (int m = 1; m <= store.num_modules; ++m) {
    const Module& module = league.modules[m - 1];
    store.moduleTable[m][kModDefenders] = module.defenders;
    store.moduleTable[m][kModMidfielders] = module.midfielders;
    store.moduleTable[m][kModForwards] = module.forwards;
    store.moduleTable[m][kModBonus] = module.bonus;
  }
  store.sq_flag = league.sq ? 1 : 0;
  store.season_top_threshold = league.season_top_threshold;
  store.gap_exponent = league.gap_exponent;
  for (int k = 1; k <= kTieRules; ++k) store.tieRule[k] = league.tie_rules[k - 1];
  store.encoding = league.encoding;
}

void ApplyConfig(const TextLines& lines, const std::string& path,
                 Env& env, SeasonStore& store) {
  League league = ParseLeague(lines, path, store.program_folder, env);
  league.encoding = store.encoding;
  CopyLeagueIntoStore(league, store);
}

void ReadConfig(Env& env, SeasonStore& store) { CopyLeagueIntoStore(ReadLeague(env), store); }

}  // namespace corvalis
