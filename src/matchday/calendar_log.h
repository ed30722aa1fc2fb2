// What the calendar's reading of the exports leaves for its pages. The
// exports are read as the rating reads them, but the pages are written
// after the rating's pages and `cred.txt`: a surname's shown form waits for
// the encoding of every league text, a fantasfiga deviation for the
// season's averages, and the warnings for their turn. The log keeps, in the
// order they came, the warnings, the matches, the scores of the deviations
// and the players whose surnames the matches show.
#ifndef CORVALIS_MATCHDAY_CALENDAR_LOG_H_
#define CORVALIS_MATCHDAY_CALENDAR_LOG_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "matchday/calendar_page.h"
#include "util/once_warnings.h"

namespace corvalis {

// The scores of one match for the fantasfiga deviations. The sides are
// given by a team of their name: which team a name that two teams share
// stands for is decided by the season's order.
struct PendingScores {
  int home;  // a team of the home side's name
  int away;  // a team of the away side's name; -1: no side, or no team of that name
  double home_score = 0;
  double away_score = 0;
};

// A player whose surname a match shows: by his row of the season's
// players, or by his name when he has none. Most have a row: a name is kept
// apart, for those without.
struct ShownPlayer {
  int season_row = -1;
  uint32_t name = 0;  // without a row: the index of his name in the log
};

class CalendarLog {
 public:
  struct Step {
    enum Kind : uint8_t { kWarning, kMatch, kScores, kManOfTheMatch, kHomeScorer, kAwayScorer };
    Kind kind;
    uint32_t index;  // into the day's matches, or the log's warnings, scores or players
  };
  struct Day {
    int matchday = 0;
    std::vector<MatchReport> matches;  // scorers, man of the match and credits still empty
    std::vector<Step> steps;
  };

  // `matches`: how many the day's export is likely to hold.
  void BeginDay(int matchday, size_t matches);

  // A warning with a `key` is kept only the first time: the calendar's
  // warnings of one kind come once per run.
  void Warn(std::string text, const std::string& key);
  void Show(std::string text);

  MatchReport& AddMatch();
  void AddScores(const PendingScores& scores);
  void AddManOfTheMatch(std::string_view name, int season_row);
  void AddScorer(bool home, std::string_view name, int season_row);

  std::vector<Day>& days() { return days_; }
  const std::string& warning(uint32_t i) const { return warnings_[i]; }
  const PendingScores& scores(uint32_t i) const { return scores_[i]; }
  const ShownPlayer& player(uint32_t i) const { return players_[i]; }
  const std::string& name(uint32_t i) const { return names_[i]; }

 private:
  void AddPlayer(Step::Kind kind, std::string_view name, int season_row);
  void AddStep(Step::Kind kind, size_t index) {
    days_.back().steps.push_back({kind, static_cast<uint32_t>(index)});
  }

  std::vector<Day> days_;
  std::vector<std::string> warnings_;
  OnceWarnings warned_;  // keys of the warnings kept
  std::vector<PendingScores> scores_;
  std::vector<ShownPlayer> players_;
  std::vector<std::string> names_;
};

}  // namespace corvalis

#endif  // CORVALIS_MATCHDAY_CALENDAR_LOG_H_
