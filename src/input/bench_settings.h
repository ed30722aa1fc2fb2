// Panchine.txt: the bench settings of each team, shown on the team pages.
#ifndef CORVALIS_INPUT_BENCH_SETTINGS_H_
#define CORVALIS_INPUT_BENCH_SETTINGS_H_

#include <array>
#include <string>
#include <vector>

#include "input/league.h"
#include "platform/env.h"
#include "util/encoding.h"

namespace corvalis {

// One line of Panchine.txt: team name, flexible bench, fixed bench, man
// marking, as written (fields taken as the field extractor gives them).
using BenchSetting = std::array<std::string, 4>;

struct BenchSettings {
  bool present = false;  // the league keeps Panchine.txt
  std::vector<BenchSetting> lines;  // its first lines, one per team at most
  TextEncoding encoding = TextEncoding::kUtf8;  // of Panchine.txt
};

// Reads the first num_teams lines of Panchine.txt from the source folder;
// the lines may come in any order, the pages look teams up by name. A file
// that cannot be read ends the run.
BenchSettings ReadBenchSettings(Env& env, const League& league);

}  // namespace corvalis

#endif  // CORVALIS_INPUT_BENCH_SETTINGS_H_
