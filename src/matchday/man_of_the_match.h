// Man of the match: among the players sharing a match's highest fantavoto,
// the winning side first, then the tie-break rules.
#ifndef CORVALIS_MATCHDAY_MAN_OF_THE_MATCH_H_
#define CORVALIS_MATCHDAY_MAN_OF_THE_MATCH_H_

#include <string>
#include <string_view>
#include <vector>

#include "matchday/scorers.h"

namespace corvalis {

constexpr int kMomCandidates = 22;

struct MomCandidate {
  std::string_view name;
  std::string_view team;
  std::string_view role;  // "P", "D", "C", "A" (the code's first character)
  double vote = 0;        // the plain vote
  // The fantavoto as read back from its number text, raised by the rules;
  // compared read back every time.
  double score = 0;
  bool home = false;  // of the home side
  bool won = false;   // of the side with more goals
  int season_row = -1;  // of the season's players; -1: none
  uint64_t name_hash = KeyIndex::EmptyHash();  // KeyIndex::Hash(name)
};

// Chooses among `candidates` (in the order met; `best` is the match's
// highest fantavoto) and counts the award; null when there is no candidate.
const MomCandidate* ChooseManOfTheMatch(const CalendarContext& context,
                                        std::vector<MomCandidate>& candidates, double best);

}  // namespace corvalis

#endif  // CORVALIS_MATCHDAY_MAN_OF_THE_MATCH_H_
