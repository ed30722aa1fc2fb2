// The calendar's reading of the results exports: every match with its goals,
// fantasy scorers and man of the match, and what the season's tallies and
// the player rankings gather. Each export is read as soon as the rating has
// read it, so that no file is kept for later; what the pages still need
// waits in a CalendarLog.
#ifndef CORVALIS_MATCHDAY_CALENDAR_READING_H_
#define CORVALIS_MATCHDAY_CALENDAR_READING_H_

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "input/league.h"
#include "input/results_export.h"
#include "matchday/calendar_log.h"
#include "matchday/tallies.h"

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

class CalendarReading {
 public:
  explicit CalendarReading(const League& league)
      : league_(league), scorers_(league.sq, true), awards_(league.sq, false) {}

  // Reads `day`, an export of the season in matchday order. The matches are
  // found in the file's lines by the calendar's own rules, not the rating's
  // blocks: any line naming a team, outside the lines read for a match (the
  // header, the column titles, the player lines, and the lines up to the
  // goals line and on to a "Sost" line), begins one, also after an "EOF"
  // line. A match that breaks off (no score or goals line, or the file ends
  // inside it) is not in the calendar, with a warning. `last`: `day` is the
  // last export the run reads; only its player lines are kept, for
  // last_players().
  void Read(const MatchdayExport& day, bool last = true);

  CalendarLog& log() { return log_; }
  SeasonPlayers& season_players() { return season_players_; }
  Tally& scorers() { return scorers_; }  // fantasy goals; a row takes the team of the latest goal
  Tally& awards() { return awards_; }    // man of the match; a row keeps its first team
  // The player lines of the last export read as `last`, in line order.
  const std::vector<DayPlayer>& last_players() const { return last_players_; }

 private:
  const League& league_;
  CalendarLog log_;
  SeasonPlayers season_players_;
  Tally scorers_;
  Tally awards_;
  std::vector<DayPlayer> last_players_;
  std::shared_ptr<const char[]> last_bytes_;  // what last_players_' texts are views of
};

}  // namespace corvalis

#endif  // CORVALIS_MATCHDAY_CALENDAR_READING_H_
