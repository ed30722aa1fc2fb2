#include "matchday/calendar.h"

#include "matchday/calendar_page.h"
#include "matchday/scorers.h"
#include "site/site_pages.h"
#include "util/once_warnings.h"
#include "util/page.h"
#include "util/text.h"

namespace corvalis {
namespace {

constexpr int kNone = -1;

// The deviations of a match: each side's score less its season average goes
// to the other side. The pages from the coach rating on list the teams by
// weighted gap: a name that two teams share is looked up in that order.
class LuckBook {
 public:
  LuckBook(const League& league, const SeasonRating& rating)
      : rating_(rating), luck_(league.num_teams()) {
    // Every match asks for the teams of two names: each team's answers are
    // worked out once.
    first_named_.assign(league.num_teams(), kNone);
    last_named_.assign(league.num_teams(), kNone);
    for (int i = 0; i < league.num_teams(); ++i) {
      for (int t : rating.weighted_order) {
        if (league.teams[t] != league.teams[i]) continue;
        if (first_named_[i] == kNone) first_named_[i] = t;
        last_named_[i] = t;
      }
    }
  }

  void Book(const PendingScores& scores) {
    int home = first_named_[scores.home];
    int away = scores.away != kNone ? last_named_[scores.away] : kNone;
    double home_score = scores.home_score;
    // A team that meets itself keeps one score of the match: the away one.
    if (away == home) home_score = scores.away_score;
    BookDeviation(away, scores.away_score, home);
    BookDeviation(home, home_score, away);
  }

  std::vector<Luck> Take() { return std::move(luck_); }

 private:
  // A side that scored exactly 3 books nothing.
  void BookDeviation(int from, double score, int to) {
    if (from == kNone) return;
    const TeamRating& season = rating_.teams[from];
    if (season.matches == 0 || score == 3) return;
    double deviation = score - season.score_sum / season.matches;
    if (to == kNone) return;
    luck_[to].sum += deviation;
    luck_[to].count += 1;
  }

  const SeasonRating& rating_;
  std::vector<Luck> luck_;
  // Per team: the first and the last team of its name in the season's order.
  std::vector<int> first_named_;
  std::vector<int> last_named_;
};

}  // namespace

// The log is gone through in its order, so that the warnings, those of the
// surnames among them, come as they would if every match were read now.
CalendarResult RunCalendar(Env& env, const League& league, CalendarReading& reading,
                           const SeasonRating& rating, const Credits& credits,
                           TextEncoding encoding) {
  CalendarLog& log = reading.log();
  OnceWarnings warned;
  SurnameContext shown{env, warned, encoding};
  ShownSurnames surnames;
  const std::vector<SeasonPlayer>& season = reading.season_players().players();
  auto surname = [&](uint32_t i) -> const std::string& {
    const ShownPlayer& player = log.player(i);
    const std::string& name =
        player.season_row < 0 ? log.name(player.name) : season[player.season_row].name;
    return surnames.Of(shown, name, player.season_row);
  };
  LuckBook luck(league, rating);
  Page block;  // the block of the last matchday, which is the last-matchday page too
  WritePage(env, league.SourcePath(kCalendarPage), [&](Page& calendar) {
    for (CalendarLog::Day& day : log.days()) {
      MatchdayReport report{day.matchday, std::move(day.matches)};
      MatchReport* match = nullptr;
      for (const CalendarLog::Step& step : day.steps) {
        switch (step.kind) {
          case CalendarLog::Step::kWarning:
            env.ShowMessage(log.warning(step.index), MessageKind::kWarning);
            break;
          case CalendarLog::Step::kMatch:
            match = &report.matches[step.index];
            match->credits = credits.TextFor(match->home_team, match->away_team);
            break;
          case CalendarLog::Step::kScores:
            luck.Book(log.scores(step.index));
            break;
          case CalendarLog::Step::kManOfTheMatch:
            match->man_of_the_match = TrimSpaces(surname(step.index));
            break;
          case CalendarLog::Step::kHomeScorer:
          case CalendarLog::Step::kAwayScorer: {
            std::string& scorers = step.kind == CalendarLog::Step::kHomeScorer
                                       ? match->home_scorers
                                       : match->away_scorers;
            if (!scorers.empty()) scorers += ", ";
            scorers += surname(step.index);
            break;
          }
        }
      }
      // Only the last block is wanted twice; the others are made straight
      // in the calendar, handed over whole as a copied block would be.
      if (&day != &log.days().back()) {
        calendar.HoldSpills();
        AddMatchdayBlock(report, calendar);
        calendar.ReleaseSpills();
        continue;
      }
      AddMatchdayBlock(report, block);
      calendar.PutLines(block.text());
    }
  });
  if (block.size() > 0) {
    WriteFileOrStop(env, league.SourcePath(kLastMatchdayPage), block.text());
  }
  CalendarResult result(league.sq);
  for (const DayPlayer& p : reading.last_players()) {
    result.last_matchday.push_back({std::string(p.role), std::string(p.name),
                                    std::string(p.team), CommaToPoint(p.fantavoto)});
  }
  result.season_players = std::move(reading.season_players());
  result.scorers = std::move(reading.scorers());
  result.awards = std::move(reading.awards());
  result.luck = luck.Take();
  return result;
}

}  // namespace corvalis
