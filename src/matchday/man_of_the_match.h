// Man of the match: among the players sharing a match's highest fantavoto,
// the winning side first, then the tie-break rules.
#ifndef CORVALIS_MATCHDAY_MAN_OF_THE_MATCH_H_
#define CORVALIS_MATCHDAY_MAN_OF_THE_MATCH_H_

#include <string>

#include "platform/env.h"
#include "store/season_store.h"

namespace corvalis {

// Rows of momCandidates.
constexpr int kMomCandidates = 22;

// Chooses among store.momCandidates (side markers already set; `best` is
// the match's highest fantavoto and is raised as the rules act), counts the
// choice in momTally, and returns his surname, which also goes to column 6
// of matchSheet at row store.match_index. No candidate: nobody is counted
// and the surname is empty.
std::string ChooseManOfTheMatch(Env& env, SeasonStore& store, double& best);

}  // namespace corvalis

#endif  // CORVALIS_MATCHDAY_MAN_OF_THE_MATCH_H_
