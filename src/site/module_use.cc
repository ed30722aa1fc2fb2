#include "site/module_use.h"

#include <cmath>

namespace corvalis {
namespace {

// The row of teamRoleCount that belongs to the team labelled `label`: the
// counts keep the conf.txt order, but are paired through the name; the
// last row of that name wins. 0 when the team never fielded a player.
int RoleCountRowOf(const SeasonStore& store, const std::string& label) {
  int row = 0;
  for (int k = 1; k <= store.num_teams; ++k) {
    if (store.teamRoleCountName[k] == label) row = k;
  }
  return row;
}

bool Fielded(const RoleCountRow& counts, const ModuleRow& module) {
  return counts[kRcDefenders] == module[kModDefenders] &&
         counts[kRcMidfielders] == module[kModMidfielders] &&
         counts[kRcForwards] == module[kModForwards];
}

}  // namespace

void CountModuleUse(SeasonStore& store) {
  store.teamModuleUse.Clear();
  for (int t = 1; t <= store.num_teams; ++t) {
    int row = RoleCountRowOf(store, store.teamLabel[t]);
    if (row == 0) continue;
    ModuleCounts& use = store.teamModuleUse[t];
    for (int g = 1; g <= kMatchdays; ++g) {
      for (int m = 1; m <= store.num_modules; ++m) {
        if (Fielded(store.teamRoleCount[row][g], store.moduleTable[m])) {
          ++use[m];
          ++use[0];
        }
      }
    }
  }
}

double ModuleShare(const SeasonStore& store, int t, int m) {
  const ModuleCounts& use = store.teamModuleUse[t];
  if (use[0] == 0) return 0;
  return std::floor(static_cast<double>(use[m]) / use[0] * 1000) / 10;
}

}  // namespace corvalis
