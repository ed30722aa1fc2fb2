// The season figures of the bench-vote register that the underrated-players
// pages rank.
#ifndef CORVALIS_RANKINGS_BENCH_AVERAGES_H_
#define CORVALIS_RANKINGS_BENCH_AVERAGES_H_

#include "store/season_store.h"

namespace corvalis {

// Column 6 of every registered player: vote sum / votes counted, floored to
// hundredths, without its leading space (32.65 over 5 gives "6.52").
// average_presences: the mean of the votes counted per registered player,
// 0 when the register is empty.
void ComputeBenchAverages(SeasonStore& store);

}  // namespace corvalis

#endif  // CORVALIS_RANKINGS_BENCH_AVERAGES_H_
