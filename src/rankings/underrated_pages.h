// The underrated players ("incompresi"): bench players with a good average
// vote, ranked by average (incomedia.htm) and by total of votes
// (incomtot.htm).
#ifndef CORVALIS_RANKINGS_UNDERRATED_PAGES_H_
#define CORVALIS_RANKINGS_UNDERRATED_PAGES_H_

#include <string>
#include <string_view>

#include "platform/env.h"
#include "store/season_store.h"
#include "store/source_files.h"

namespace corvalis {

// A figure with at least two decimals, spaces trimmed: "6" -> "6.00",
// "6.5" -> "6.50", " 123" -> "123.00"; "6.25" and "12.125" stay as they are.
std::string TwoDecimals(std::string_view text);

// The pages over the register as it stands (sorted and shortened by the
// caller): by average, players with an average of 6 or more and more bench
// votes than the league's average; by total, every player with an average
// of 6 or more.
Lines UnderratedByAveragePage(const SeasonStore& store);
Lines UnderratedByTotalPage(const SeasonStore& store);

// Sorts the register by average and writes incomedia.htm, then sorts it by
// total and writes incomtot.htm; the names stay shortened.
void WriteUnderratedPages(Env& env, SeasonStore& store);

}  // namespace corvalis

#endif  // CORVALIS_RANKINGS_UNDERRATED_PAGES_H_
