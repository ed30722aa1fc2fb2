#include "rankings/player_rankings.h"

#include "rankings/bench_averages.h"
#include "rankings/eleven_pages.h"
#include "rankings/fantasfiga_page.h"
#include "rankings/tally_pages.h"
#include "rankings/underrated_pages.h"
#include "store/source_files.h"

namespace corvalis {

void WritePlayerRankings(Env& env, SeasonStore& store) {
  ComputeBenchAverages(store);
  WriteUnderratedPages(env, store);
  WriteTallyPages(env, store);
  WriteElevenPages(env, store);
  WriteSourceFile(env, store, "fantasfiga.htm", FantasfigaPage(store));
}

}  // namespace corvalis
