// The underrated players ("incompresi"): players with a good average of the
// votes they received on the bench, ranked by average (incomedia.htm) and by
// total of votes (incomtot.htm).
#ifndef CORVALIS_RANKINGS_UNDERRATED_PAGES_H_
#define CORVALIS_RANKINGS_UNDERRATED_PAGES_H_

#include <string>
#include <string_view>

#include "input/league.h"
#include "platform/env.h"
#include "rankings/lower_team_names.h"
#include "rating/bench_votes.h"
#include "util/encoding.h"
#include "util/page.h"

namespace corvalis {

// A figure with at least two decimals, spaces trimmed: "6" -> "6.00",
// "6.5" -> "6.50", " 123" -> "123.00"; "6.25" and "12.125" stay as they are.
std::string AtLeastTwoDecimals(std::string_view text);
// AtLeastTwoDecimals(PlainNumber(value)) made in `chars`, for the values
// ShortNumber writes; empty for any other value.
std::string_view AtLeastTwoDecimals(double value, char (&chars)[32]);

// By average: players with an average of 6 or more and more bench votes
// than the league's players have on average; by total: every player with
// an average of 6 or more.
// `lower` holds the team names the ranking pages have lowered so far.
void WriteUnderratedPages(Env& env, const League& league, const BenchVotes& bench_votes,
                          LowerTeamNames& lower);

}  // namespace corvalis

#endif  // CORVALIS_RANKINGS_UNDERRATED_PAGES_H_
