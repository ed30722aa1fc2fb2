#include "rankings/tally_pages.h"

#include <algorithm>

#include "rankings/ranking_page.h"
#include "rankings/short_display_name.h"
#include "util/text.h"
#include "site/site_pages.h"

namespace corvalis {
namespace {

std::vector<RankingRow> Rows(const std::vector<TallyRow>& ranked, std::string (*count_text)(int),
                             TextEncoding encoding) {
  std::vector<RankingRow> rows;
  for (const TallyRow& row : ranked) {
    rows.push_back({count_text(row.count), row.name + " (" + LowerText(row.team, encoding) + ")"});
  }
  return rows;
}

}  // namespace

std::vector<TallyRow> RankedTally(const Tally& tally) {
  std::vector<TallyRow> ranked = tally.rows();
  std::stable_sort(ranked.begin(), ranked.end(),
                   [](const TallyRow& a, const TallyRow& b) { return a.count > b.count; });
  for (TallyRow& row : ranked) row.name = ShortDisplayName(row.name);
  return ranked;
}

std::string GoalsText(int goals) { return NumberText(goals); }

std::string AwardsText(int awards) { return awards == 1 ? "1" : NumberText(awards); }

std::vector<TallyRow> WriteTallyPages(Env& env, const League& league, const Tally& scorers,
                                      const Tally& awards, TextEncoding encoding) {
  std::vector<TallyRow> ranked_scorers = RankedTally(scorers);
  WritePage(env, league.SourcePath(kTopScorersPage), [&](Page& page) {
    AddRankingPage({"cannonieri", "can", "GOL", "CLASSIFICA CANNONIERI"},
                   Rows(ranked_scorers, GoalsText, encoding), page);
  });
  WritePage(env, league.SourcePath(kManOfTheMatchPage), [&](Page& page) {
    AddRankingPage({"mom", "mom", "NUM", "CLASSIFICA MIGLIORE IN CAMPO"},
                   Rows(RankedTally(awards), AwardsText, encoding), page);
  });
  return ranked_scorers;
}

}  // namespace corvalis
