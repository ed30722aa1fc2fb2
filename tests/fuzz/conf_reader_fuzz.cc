// conf.txt: the fuzzer's bytes are the league's conf.txt.
#include "fuzz_league.h"
#include "input/league.h"

using namespace corvalis;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FakeEnv env(fuzz::kLeagueFolder);
  env.AddFile(fuzz::LeaguePath("conf.txt"), fuzz::Bytes(data, size));
  fuzz::StopsAreOutcomes([&] { ReadLeague(env); });
  return 0;
}
