#include "rankings/tally_pages.h"

#include <algorithm>
#include <charconv>

#include "rankings/lower_team_names.h"
#include "rankings/ranking_page.h"
#include "rankings/short_display_name.h"
#include "util/stable_order.h"
#include "util/text.h"
#include "site/site_pages.h"

namespace corvalis {
namespace {

// The tally's rows by count, highest first, equal counts in their order.
std::vector<const TallyRow*> ByCount(const Tally& tally) {
  std::vector<double> counts;
  counts.reserve(tally.rows().size());
  for (const TallyRow& row : tally.rows()) counts.push_back(row.count);
  std::vector<int> order;
  StableOrder(counts, true, order);
  std::vector<const TallyRow*> ranked;
  ranked.reserve(order.size());
  for (int r : order) ranked.push_back(&tally.rows()[r]);
  return ranked;
}

void AddRows(const std::vector<const TallyRow*>& ranked, bool bare_one, LowerTeamNames& lower,
             RankingPage& ranking) {
  char chars[24];
  for (const TallyRow* row : ranked) {
    ranking.AddRow(CountText(row->count, bare_one, chars), Html{ShortDisplayName(row->name)}, " (",
                   lower.Of(row->team), ")");
  }
  ranking.Finish();
}

std::vector<ShownScorer> WithShortNames(const std::vector<const TallyRow*>& ranked) {
  std::vector<ShownScorer> rows;
  rows.reserve(ranked.size());
  for (const TallyRow* row : ranked) {
    rows.push_back({ShortDisplayName(row->name), row->team, row->count});
  }
  return rows;
}

}  // namespace

std::vector<ShownScorer> RankedTally(const Tally& tally) { return WithShortNames(ByCount(tally)); }

std::string_view CountText(int count, bool bare_one, char (&chars)[24]) {
  char* end = chars;
  if (bare_one && count == 1) {
    *end++ = '1';
  } else {
    // NumberText of a whole number: its digits, after a space unless it is
    // negative.
    if (count >= 0) *end++ = ' ';
    end = std::to_chars(end, chars + sizeof chars, count).ptr;
  }
  return {chars, static_cast<size_t>(end - chars)};
}

std::string GoalsText(int goals) {
  char chars[24];
  return std::string(CountText(goals, false, chars));
}

std::string AwardsText(int awards) {
  char chars[24];
  return std::string(CountText(awards, true, chars));
}

std::vector<ShownScorer> WriteTallyPages(Env& env, const League& league, const Tally& scorers,
                                      const Tally& awards, LowerTeamNames& lower) {
  std::vector<const TallyRow*> ranked_scorers = ByCount(scorers);
  WritePage(env, league.SourcePath(kTopScorersPage), [&](Page& page) {
    RankingPage ranking({"cannonieri", "can", "GOL", "CLASSIFICA CANNONIERI"}, page);
    AddRows(ranked_scorers, false, lower, ranking);
  });
  WritePage(env, league.SourcePath(kManOfTheMatchPage), [&](Page& page) {
    RankingPage ranking({"mom", "mom", "NUM", "CLASSIFICA MIGLIORE IN CAMPO"}, page);
    AddRows(ByCount(awards), true, lower, ranking);
  });
  return WithShortNames(ranked_scorers);
}

}  // namespace corvalis
