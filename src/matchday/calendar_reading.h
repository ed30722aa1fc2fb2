// The calendar's reading of a results export: every match with its goals,
// fantasy scorers, man of the match and credits, and what the season's
// tallies and the player rankings gather from it.
#ifndef CORVALIS_MATCHDAY_CALENDAR_READING_H_
#define CORVALIS_MATCHDAY_CALENDAR_READING_H_

#include <string>
#include <string_view>
#include <vector>

#include "input/credits.h"
#include "input/results_export.h"
#include "matchday/calendar_page.h"
#include "matchday/scorers.h"
#include "matchday/tallies.h"
#include "rating/season_rating.h"

namespace corvalis {

// Most player lines of one matchday that the rankings take.
constexpr int kMatchdayPlayers = 1000;
// Most goals of one side that get a fantasy scorer.
constexpr int kMaxScorerGoals = 50;

// A player line of a matchday as the rankings take it.
struct DayPlayer {
  std::string_view role;  // "P" for a goalkeeper, else the code's first character
  std::string_view name;
  std::string_view team;
  std::string_view fantavoto;  // as read
};

// What the reading adds to over the season.
struct CalendarSeason {
  SeasonPlayers players;
  std::vector<Luck> luck;  // conf.txt order
  ShownSurnames surnames;  // of the scorers and men of the match
};

// Reads `day`: returns the matches to print and fills `players` with the
// matchday's player lines. The matches are found in the file's lines by the
// calendar's own rules, not the rating's blocks: any line naming a team,
// outside the lines read for a match (the header, the column titles, the
// player lines, and the lines up to the goals line and on to a "Sost" line),
// begins one, also after an "EOF" line. A match that breaks off (no score
// or goals line, or the file ends inside it) is not printed, with a warning.
MatchdayReport ReadForCalendar(const CalendarContext& context, const SeasonRating& rating,
                               const Credits& credits, const MatchdayExport& day,
                               CalendarSeason& season, std::vector<DayPlayer>* players);

}  // namespace corvalis

#endif  // CORVALIS_MATCHDAY_CALENDAR_READING_H_
