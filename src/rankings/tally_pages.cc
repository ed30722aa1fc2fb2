#include "rankings/tally_pages.h"

#include <vector>

#include "rankings/ranking_page.h"
#include "rankings/short_display_name.h"
#include "util/encoding.h"
#include "util/rank_rows.h"
#include "util/text.h"

namespace corvalis {
namespace {

// Both tallies hold the name in column 1; count and team differ.
struct TallyColumns {
  int count;
  int team;
};
constexpr TallyColumns kScorerColumns = {2, 3};
constexpr TallyColumns kMomColumns = {3, 2};

std::vector<RankingRow> Rows(const TextTable& tally, TallyColumns columns,
                             TextEncoding encoding) {
  std::vector<RankingRow> rows;
  for (int r = 1; r < tally.used_rows(); ++r) {
    if (tally.at(r, 1).empty()) continue;
    rows.push_back({tally.at(r, columns.count),
                    tally.at(r, 1) + " (" + LowerText(tally.at(r, columns.team), encoding) + ")"});
  }
  return rows;
}

void RankTally(TextTable& tally, TallyColumns columns) {
  RankRows(tally, kPlayerRows, columns.count, 3);
  ShortenNames(tally, 1);
}

}  // namespace

Lines TopScorersPage(const SeasonStore& store) {
  return RankingPage({"cannonieri", "can", "GOL", "CLASSIFICA CANNONIERI"},
                     Rows(store.scorerTally, kScorerColumns, store.encoding));
}

Lines ManOfTheMatchPage(const SeasonStore& store) {
  return RankingPage({"mom", "mom", "NUM", "CLASSIFICA MIGLIORE IN CAMPO"},
                     Rows(store.momTally, kMomColumns, store.encoding));
}

void WriteTallyPages(Env& env, SeasonStore& store) {
  RankTally(store.scorerTally, kScorerColumns);
  WriteSourceFile(env, store, "cannonieri.htm", TopScorersPage(store));
  RankTally(store.momTally, kMomColumns);
  WriteSourceFile(env, store, "uomopartita.htm", ManOfTheMatchPage(store));
}

}  // namespace corvalis
