// What the fuzz targets share: the fixed league the reader targets read
// against, and the bundle format of the whole-run target. A target file
// itself only calls the entry points of the reader it exercises.
#ifndef CORVALIS_TESTS_FUZZ_FUZZ_LEAGUE_H_
#define CORVALIS_TESTS_FUZZ_FUZZ_LEAGUE_H_

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "input/league.h"
#include "platform/fake_env.h"
#include "util/run_stop.h"

namespace corvalis::fuzz {

// The program folder of every target's FakeEnv; conf.txt names no SRC, so
// it is the source folder too.
inline constexpr char kLeagueFolder[] = "C:\\lega";

// `name` inside the league folder.
std::string LeaguePath(const std::string& name);

// The fuzzer's bytes as a string.
std::string Bytes(const uint8_t* data, size_t size);

// conf.txt of the fixed league: every team of the seed leagues (the demo
// league, the leagues under tests/data, the golden seasons) and the modules
// they use, so that every seed export names teams the league knows.
const std::string& FixedConf();

// A FakeEnv whose league folder holds the fixed league's conf.txt.
std::unique_ptr<FakeEnv> FixedLeagueEnv();

// The fixed league as a run reads it from FixedConf(), read once: a League
// never changes once read.
const League& FixedLeague();

// Runs `read`; a RunStop (a message that ends a run) is a normal outcome.
// Any other exception escapes, and libFuzzer reports it as a crash.
template <typename Read>
void StopsAreOutcomes(Read read) {
  try {
    read();
  } catch (const RunStop&) {
  }
}

// The whole-run target's input: files of the league folder, each one
// started by a line "==> NAME <==" (the format of `head` given several
// files) and running up to the next such line; NAME is the file's path
// inside the league folder. Bytes before the first such line belong to no
// file, a file named twice keeps its last contents, an empty name is
// skipped. Line ends inside a file are kept as they are.
struct BundleFile {
  std::string name;
  std::string bytes;
};
std::vector<BundleFile> SplitBundle(std::string_view input);

}  // namespace corvalis::fuzz

#endif  // CORVALIS_TESTS_FUZZ_FUZZ_LEAGUE_H_
