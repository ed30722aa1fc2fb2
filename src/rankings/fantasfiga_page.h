// The bad-luck ranking (fantasfiga.htm): teams by the average amount their
// opponents scored above their own season average.
#ifndef CORVALIS_RANKINGS_FANTASFIGA_PAGE_H_
#define CORVALIS_RANKINGS_FANTASFIGA_PAGE_H_

#include <string>

#include "store/season_store.h"
#include "store/source_files.h"

namespace corvalis {

// The average floored to hundredths, with its sign and two decimals:
// 0.5 -> "+0.50", -0.255 -> "-0.26", -12 -> "-12.00".
std::string LuckText(double average);

// Every team 1..num_teams once (teamName with its luck row), highest
// average first, equal averages in team order; a team without any booked
// deviation counts as 0.
Lines FantasfigaPage(const SeasonStore& store);

}  // namespace corvalis

#endif  // CORVALIS_RANKINGS_FANTASFIGA_PAGE_H_
