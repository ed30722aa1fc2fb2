#include "matchday/calendar_log.h"

#include <algorithm>
#include <utility>

namespace corvalis {

void CalendarLog::Warn(std::string text, const std::string& key) {
  if (std::find(warned_keys_.begin(), warned_keys_.end(), key) != warned_keys_.end()) return;
  warned_keys_.push_back(key);
  Show(std::move(text));
}

void CalendarLog::Show(std::string text) {
  AddStep(Step::kWarning, warnings_.size());
  warnings_.push_back(std::move(text));
}

MatchReport& CalendarLog::AddMatch() {
  Day& day = days_.back();
  AddStep(Step::kMatch, day.matches.size());
  return day.matches.emplace_back();
}

void CalendarLog::AddScores(const PendingScores& scores) {
  AddStep(Step::kScores, scores_.size());
  scores_.push_back(scores);
}

void CalendarLog::AddManOfTheMatch(std::string_view name, int season_row) {
  AddStep(Step::kManOfTheMatch, players_.size());
  players_.push_back({season_row, season_row < 0 ? std::string(name) : std::string()});
}

void CalendarLog::AddScorer(bool home, std::string_view name, int season_row) {
  AddStep(home ? Step::kHomeScorer : Step::kAwayScorer, players_.size());
  players_.push_back({season_row, season_row < 0 ? std::string(name) : std::string()});
}

}  // namespace corvalis
