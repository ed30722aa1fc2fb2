#include "matchday/calendar_log.h"

#include <utility>

namespace corvalis {

void CalendarLog::Warn(std::string text, const std::string& key) {
  if (warned_.First(key)) Show(std::move(text));
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

void CalendarLog::BeginDay(int matchday, size_t matches) {
  Day& day = days_.emplace_back();
  day.matchday = matchday;
  day.matches.reserve(matches);
}

void CalendarLog::AddManOfTheMatch(std::string_view name, int season_row) {
  AddPlayer(Step::kManOfTheMatch, name, season_row);
}

void CalendarLog::AddScorer(bool home, std::string_view name, int season_row) {
  AddPlayer(home ? Step::kHomeScorer : Step::kAwayScorer, name, season_row);
}

void CalendarLog::AddPlayer(Step::Kind kind, std::string_view name, int season_row) {
  AddStep(kind, players_.size());
  ShownPlayer& player = players_.emplace_back();
  player.season_row = season_row;
  if (season_row < 0) {
    player.name = static_cast<uint32_t>(names_.size());
    names_.emplace_back(name);
  }
}

}  // namespace corvalis
