// conf.txt: the fuzzer's bytes are the league's conf.txt.
#include "driver/config.h"
#include "driver/run.h"
#include "fuzz_league.h"

using namespace corvalis;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FakeEnv env(fuzz::kLeagueFolder);
  env.AddFile(fuzz::LeaguePath("conf.txt"), fuzz::Bytes(data, size));
  SeasonStore& store = fuzz::FreshStore();
  InitialiseStore(env, store);
  fuzz::StopsAreOutcomes([&] { ReadConfig(env, store); });
  return 0;
}
