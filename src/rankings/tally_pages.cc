#include "rankings/tally_pages.h"

#include <algorithm>

#include "rankings/lower_team_names.h"
#include "rankings/ranking_page.h"
#include "rankings/short_display_name.h"
#include "util/text.h"
#include "site/site_pages.h"

namespace corvalis {
namespace {

// The tally's rows by count, highest first, equal counts in their order.
std::vector<const TallyRow*> ByCount(const Tally& tally) {
  std::vector<const TallyRow*> ranked;
  ranked.reserve(tally.rows().size());
  for (const TallyRow& row : tally.rows()) ranked.push_back(&row);
  std::stable_sort(ranked.begin(), ranked.end(),
                   [](const TallyRow* a, const TallyRow* b) { return a->count > b->count; });
  return ranked;
}

void AddRows(const std::vector<const TallyRow*>& ranked, std::string (*count_text)(int),
             TextEncoding encoding, RankingPage& ranking) {
  LowerTeamNames lower(encoding);
  for (const TallyRow* row : ranked) {
    ranking.AddRow(count_text(row->count), Html{ShortDisplayName(row->name)}, " (",
                   Html{lower.Of(row->team)}, ")");
  }
  ranking.Finish();
}

std::vector<TallyRow> WithShortNames(const std::vector<const TallyRow*>& ranked) {
  std::vector<TallyRow> rows;
  rows.reserve(ranked.size());
  for (const TallyRow* row : ranked) {
    rows.push_back({std::string(ShortDisplayName(row->name)), row->team, row->count});
  }
  return rows;
}

}  // namespace

std::vector<TallyRow> RankedTally(const Tally& tally) { return WithShortNames(ByCount(tally)); }

std::string GoalsText(int goals) { return NumberText(goals); }

std::string AwardsText(int awards) { return awards == 1 ? "1" : NumberText(awards); }

std::vector<TallyRow> WriteTallyPages(Env& env, const League& league, const Tally& scorers,
                                      const Tally& awards, TextEncoding encoding) {
  std::vector<const TallyRow*> ranked_scorers = ByCount(scorers);
  WritePage(env, league.SourcePath(kTopScorersPage), [&](Page& page) {
    RankingPage ranking({"cannonieri", "can", "GOL", "CLASSIFICA CANNONIERI"}, page);
    AddRows(ranked_scorers, GoalsText, encoding, ranking);
  });
  WritePage(env, league.SourcePath(kManOfTheMatchPage), [&](Page& page) {
    RankingPage ranking({"mom", "mom", "NUM", "CLASSIFICA MIGLIORE IN CAMPO"}, page);
    AddRows(ByCount(awards), AwardsText, encoding, ranking);
  });
  return WithShortNames(ranked_scorers);
}

}  // namespace corvalis
