// cred.txt of the fixed league: the fuzzer's bytes are the file, read and
// then looked up for one match as the calendar does.
#include "fuzz_league.h"
#include "input/credits.h"

using namespace corvalis;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto env = fuzz::FixedLeagueEnv();
  env->AddFile(fuzz::LeaguePath("cred.txt"), fuzz::Bytes(data, size));
  const League& league = fuzz::FixedLeague();
  Credits credits = ReadCredits(*env, league);
  credits.TextFor(league.teams[0], league.teams[1]);
  return 0;
}
