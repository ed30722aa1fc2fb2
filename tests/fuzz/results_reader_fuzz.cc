// A results export of the fixed league: the fuzzer's bytes are matchday 1's
// export, read the way a run reads it, twice: into the season tables, then,
// when the first reading let the run go on, for the calendar. Rating the
// matchday and the pages are the whole run's.
#include "fuzz_league.h"
#include "matchday/calendar_reader.h"
#include "store/results_reader.h"

using namespace corvalis;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto env = fuzz::FixedLeagueEnv();
  env->AddFile(fuzz::LeaguePath("Lega_Risultati1.tab"), fuzz::Bytes(data, size));
  SeasonStore& store = fuzz::FixedLeagueStore();
  fuzz::StopsAreOutcomes([&] {
    store.giornata = 1;
    ReadMatchday(*env, store, 1);
    const SeasonStore::ResultsFile* file = FindResultsFile(*env, store, 1);
    ReadCalendarMatchday(file->lines, file->name, 1, *env, store);
  });
  return 0;
}
