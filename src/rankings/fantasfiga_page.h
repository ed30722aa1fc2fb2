// The bad-luck ranking (fantasfiga.htm): teams by the average amount their
// opponents scored above their own season average.
#ifndef CORVALIS_RANKINGS_FANTASFIGA_PAGE_H_
#define CORVALIS_RANKINGS_FANTASFIGA_PAGE_H_

#include <string>
#include <vector>

#include "input/league.h"
#include "matchday/tallies.h"
#include "util/page.h"

namespace corvalis {

// The average floored to hundredths, with its sign and two decimals:
// 0.5 -> "+0.50", -0.255 -> "-0.26", -12 -> "-12.00".
std::string LuckText(double average);

// Every team once, highest average first, equal averages in `order` (the
// coach rating's weighted order); a team without any booked deviation counts
// as 0. `luck` in conf.txt order.
void AddFantasfigaPage(const League& league, const std::vector<Luck>& luck,
                       const std::vector<int>& order, Page& page);

}  // namespace corvalis

#endif  // CORVALIS_RANKINGS_FANTASFIGA_PAGE_H_
