#include "site/bench_setup.h"

#include <string_view>

#include "store/source_files.h"
#include "util/text.h"

namespace corvalis {

bool ReadBenchSetup(Env& env, SeasonStore& store) {
  store.benchSetup.Clear();
  std::optional<std::string> found = FindInSource(env, store, "Panchine.txt");
  if (!found) return false;
  std::string path = SourcePath(store, *found);
  TextLines lines = ReadFileOrStop(env, store, path);
  // The lines may come in any order: the pages look teams up by name.
  for (int k = 1; k <= store.num_teams && k <= static_cast<int>(lines.size()); ++k) {
    std::string_view rest = lines[k - 1];
    for (int column = 1; column <= 4; ++column) {
      store.benchSetup.at(k, column) = std::string(NextField(rest));
    }
  }
  return true;
}

}  // namespace corvalis
