// Panchine.txt of the fixed league: the fuzzer's bytes are the file.
#include "fuzz_league.h"
#include "input/bench_settings.h"

using namespace corvalis;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto env = fuzz::FixedLeagueEnv();
  env->AddFile(fuzz::LeaguePath("Panchine.txt"), fuzz::Bytes(data, size));
  fuzz::StopsAreOutcomes([&] { ReadBenchSettings(*env, fuzz::FixedLeague()); });
  return 0;
}
