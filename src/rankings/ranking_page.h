// The frame every player-ranking page shares: a title row and rows of two
// cells, a figure and a name, whose classes alternate by rank.
#ifndef CORVALIS_RANKINGS_RANKING_PAGE_H_
#define CORVALIS_RANKINGS_RANKING_PAGE_H_

#include <string>
#include <vector>

#include "util/page.h"

namespace corvalis {

struct RankingFrame {
  const char* id;          // div id and table/row class ("ico", "mom", ...)
  const char* prefix;      // prefix of the cell classes ("ico", "can", ...)
  const char* figure;      // class of the figure cell after the prefix ("NUM")
  std::string title;       // text of the title row
  const char* style_type = "text/css";  // the fantasfiga page writes "Text/css"
};

// A row's texts as the league's files and the tallies give them (names,
// teams, votes): the page escapes them. The title is the program's own.
struct RankingRow {
  std::string figure;
  std::string name;
};

// The whole page: head, one line per row (the first with the "d" classes,
// the second with the "p" classes, and so on), closing lines.
void AddRankingPage(const RankingFrame& frame, const std::vector<RankingRow>& rows, Page& page);

}  // namespace corvalis

#endif  // CORVALIS_RANKINGS_RANKING_PAGE_H_
