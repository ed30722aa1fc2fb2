#include "rankings/underrated_pages.h"

#include <algorithm>
#include <vector>

#include "rankings/lower_team_names.h"
#include "rankings/ranking_page.h"
#include "rankings/short_display_name.h"
#include "util/short_number.h"
#include "util/stable_order.h"
#include "util/text.h"
#include "site/site_pages.h"

namespace corvalis {
namespace {

struct Underrated {
  const BenchVotePlayer* player;
  double average;        // floored to hundredths
  double average_value;  // read back from its text
};

// Highest `key` first, equal keys in their order; the ranking sort leaves
// out a row whose key is -9999 or below.
template <typename Key>
void Rank(std::vector<Underrated>& rows, Key key) {
  std::erase_if(rows, [&](const Underrated& row) { return key(row) <= -9999; });
  std::vector<double> keys;
  keys.reserve(rows.size());
  for (const Underrated& row : rows) keys.push_back(key(row));
  std::vector<int> order;
  StableOrder(keys, true, order);
  std::vector<Underrated> ranked;
  ranked.reserve(rows.size());
  for (int r : order) ranked.push_back(rows[r]);
  rows = std::move(ranked);
}

void AddRows(const std::vector<Underrated>& ranked, bool by_total, double average_presences,
             LowerTeamNames& lower, RankingPage& ranking) {
  char chars[32];
  std::string long_figure;
  for (const Underrated& row : ranked) {
    const BenchVotePlayer& player = *row.player;
    if (row.average_value < 6 || (!by_total && player.votes <= average_presences)) continue;
    // The sum of more than one vote is written as NumberText(vote_sum);
    // its figure is then that of PlainNumber, as for the average.
    ShortNumber votes(player.votes);  // a count: never empty
    auto add_row = [&](const auto& figure) {
      ranking.AddRow(figure, Html{ShortDisplayName(player.name)}, " (", lower.Of(player.team),
                     ") [", votes.text(), "]");
    };
    std::string_view figure;
    if (!by_total || player.votes != 1) {
      figure = AtLeastTwoDecimals(by_total ? player.vote_sum : row.average, chars);
    }
    if (!figure.empty()) {
      add_row(figure);  // digits the program wrote
    } else {
      long_figure = AtLeastTwoDecimals(by_total ? player.VoteSumText() : PlainNumber(row.average));
      add_row(Html{long_figure});  // a first vote as read, maybe
    }
  }
  ranking.Finish();
}

}  // namespace

std::string AtLeastTwoDecimals(std::string_view text) {
  std::string out = TrimSpaces(text);
  size_t point = out.find('.');
  if (point == std::string::npos) return out + ".00";
  size_t decimals = out.size() - point - 1;
  if (decimals < 2) out.append(2 - decimals, '0');
  return out;
}

std::string_view AtLeastTwoDecimals(double value, char (&chars)[32]) {
  ShortNumber number(value);
  std::string_view text = number.text();
  text.copy(chars, text.size());
  size_t size = text.size();
  size_t point = text.find('.');
  if (point == std::string_view::npos) {
    if (size == 0) return {};
    chars[size++] = '.';
    chars[size++] = '0';
    chars[size++] = '0';
  } else if (size - point - 1 < 2) {
    chars[size++] = '0';  // ShortNumber writes one decimal at least
  }
  return {chars, size};
}

void WriteUnderratedPages(Env& env, const League& league, const BenchVotes& bench_votes,
                          LowerTeamNames& lower) {
  std::vector<Underrated> rows;
  rows.reserve(bench_votes.players().size());
  double presences = 0;
  for (const BenchVotePlayer& player : bench_votes.players()) {
    double average = FloorHundredths(player.vote_sum / player.votes);
    rows.push_back({&player, average, ReadBack15(average)});
    presences += player.votes;
  }
  double average_presences = rows.empty() ? 0 : presences / rows.size();

  Rank(rows, [](const Underrated& row) { return row.average_value; });
  WritePage(env, league.SourcePath(kUnderratedByAveragePage), [&](Page& page) {
    RankingPage ranking(
        {"ico", "ico", "NUM", "Gli INCOMPRESI con Media >= 6.00 e maggiori assenze"}, page);
    AddRows(rows, false, average_presences, lower, ranking);
  });

  Rank(rows, [](const Underrated& row) { return row.player->vote_sum; });
  WritePage(env, league.SourcePath(kUnderratedByTotalPage), [&](Page& page) {
    RankingPage ranking({"ico", "ico", "NUM", "Gli INCOMPRESI per Totale con Media >=6.00"}, page);
    AddRows(rows, true, average_presences, lower, ranking);
  });
}

}  // namespace corvalis
