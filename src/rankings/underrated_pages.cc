#include "rankings/underrated_pages.h"

#include <vector>

#include "rankings/ranking_page.h"
#include "rankings/short_display_name.h"
#include "util/encoding.h"
#include "util/rank_rows.h"
#include "util/text.h"

namespace corvalis {
namespace {

enum RegistryColumn { kName = 2, kSum = 3, kCount = 4, kTeam = 5, kAverage = 6 };

RankingFrame Frame(const std::string& title) {
  return {"ico", "ico", "NUM", title};
}

// The rows of `registry` that `listed` accepts, with `figure_column` as
// their figure.
template <typename Listed>
std::vector<RankingRow> Rows(const TextTable& registry, TextEncoding encoding, int figure_column,
                             Listed listed) {
  std::vector<RankingRow> rows;
  for (int r = 1; r < registry.used_rows(); ++r) {
    if (registry.at(r, kName).empty() || LeadingNumber(registry.at(r, kAverage)) < 6 ||
        !listed(r)) {
      continue;
    }
    rows.push_back({TwoDecimals(registry.at(r, figure_column)),
                    registry.at(r, kName) + " (" + LowerText(registry.at(r, kTeam), encoding) +
                        ")" + " [" + TrimSpaces(registry.at(r, kCount)) + "]"});
  }
  return rows;
}

}  // namespace

std::string TwoDecimals(std::string_view text) {
  std::string out = TrimSpaces(text);
  size_t point = out.find('.');
  if (point == std::string::npos) return out + ".00";
  size_t decimals = out.size() - point - 1;
  if (decimals < 2) out.append(2 - decimals, '0');
  return out;
}

Lines UnderratedByAveragePage(const SeasonStore& store) {
  const TextTable& registry = store.playerRegistry;
  return RankingPage(
      Frame("Gli INCOMPRESI con Media >= 6.00 e maggiori assenze"),
      Rows(registry, store.encoding, kAverage, [&](int r) {
        return LeadingNumber(registry.at(r, kCount)) > store.average_presences;
      }));
}

Lines UnderratedByTotalPage(const SeasonStore& store) {
  return RankingPage(Frame("Gli INCOMPRESI per Totale con Media >=6.00"),
                     Rows(store.playerRegistry, store.encoding, kSum, [](int) { return true; }));
}

void WriteUnderratedPages(Env& env, SeasonStore& store) {
  TextTable& registry = store.playerRegistry;
  RankRows(registry, kPlayerRows, kAverage, 6);
  ShortenNames(registry, kName);
  WriteSourceFile(env, store, "incomedia.htm", UnderratedByAveragePage(store));
  RankRows(registry, kPlayerRows, kSum, 6);
  WriteSourceFile(env, store, "incomtot.htm", UnderratedByTotalPage(store));
}

}  // namespace corvalis
