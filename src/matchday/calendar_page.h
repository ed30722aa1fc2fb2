// The calendar fragments: calenbomber.htm holds one block per matchday with
// an export, ultima.htm the block of the last one.
#ifndef CORVALIS_MATCHDAY_CALENDAR_PAGE_H_
#define CORVALIS_MATCHDAY_CALENDAR_PAGE_H_

#include <string>
#include <vector>

#include "util/page.h"

namespace corvalis {

// One match as the calendar shows it. The texts are the league's as read
// (names, surnames, cred.txt figures); the page escapes them.
struct MatchReport {
  std::string home_team;
  std::string away_team;
  double home_goals = 0;  // as the goals line gives them
  double away_goals = 0;
  std::string home_scorers;  // "Rossi, Bianchi"
  std::string away_scorers;
  std::string man_of_the_match;  // as shown ("De rossi")
  std::string credits;  // "" or "    Spet:" + spectators + " Cred: " + credits
};

struct MatchdayReport {
  int matchday = 0;
  std::vector<MatchReport> matches;  // in file order
};

// Appends the block of one matchday: head, matches, closing lines.
void AddMatchdayBlock(const MatchdayReport& day, Page& page);

}  // namespace corvalis

#endif  // CORVALIS_MATCHDAY_CALENDAR_PAGE_H_
