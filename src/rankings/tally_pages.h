// The two season tallies of the matchday reports as ranking pages: top
// fantasy scorers (cannonieri.htm) and man of the match (uomopartita.htm).
#ifndef CORVALIS_RANKINGS_TALLY_PAGES_H_
#define CORVALIS_RANKINGS_TALLY_PAGES_H_

#include <string>
#include <vector>

#include "input/league.h"
#include "matchday/tallies.h"
#include "rankings/lower_team_names.h"
#include "platform/env.h"
#include "util/encoding.h"
#include "util/page.h"

namespace corvalis {

// A player of a tally as the team pages list him, name shortened; the
// texts are the tally's own.
struct ShownScorer {
  std::string_view name;
  std::string_view team;
  int count = 0;
};

// A tally's rows by count, highest first, equal counts in the order the
// players were first counted; names shortened as the pages show them.
std::vector<ShownScorer> RankedTally(const Tally& tally);

// The texts of the counts as the tallies once kept them and the pages print
// them: goals in the number-to-text form (" 1", " 2"); awards "1" for the
// first and then the number-to-text form (" 2").
std::string GoalsText(int goals);
std::string AwardsText(int awards);
// Either text made in `chars` (GoalsText, or AwardsText when `bare_one`),
// as the rows need it for a moment only.
std::string_view CountText(int count, bool bare_one, char (&chars)[24]);

// Writes both pages; returns the ranked scorers, which the team pages list
// (as long as `scorers` lasts). `lower` holds the team names the ranking
// pages have lowered so far.
std::vector<ShownScorer> WriteTallyPages(Env& env, const League& league, const Tally& scorers,
                                      const Tally& awards, LowerTeamNames& lower);

}  // namespace corvalis

#endif  // CORVALIS_RANKINGS_TALLY_PAGES_H_
