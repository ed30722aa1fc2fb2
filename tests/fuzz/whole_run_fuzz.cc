// A whole run with a preview over the in-memory league folder that the
// fuzzer's bytes describe (see SplitBundle): conf.txt, exports, cred.txt,
// Panchine.txt, whatever files it names.
#include "driver/run.h"
#include "fuzz_league.h"

using namespace corvalis;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FakeEnv env(fuzz::kLeagueFolder);
  for (const fuzz::BundleFile& file :
       fuzz::SplitBundle({reinterpret_cast<const char*>(data), size})) {
    env.AddFile(fuzz::LeaguePath(file.name), file.bytes);
  }
  RunOptions options;
  options.preview_folder = fuzz::LeaguePath("anteprima");
  fuzz::StopsAreOutcomes([&] { RunSeason(env, options); });
  return 0;
}
