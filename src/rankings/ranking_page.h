// The frame every player-ranking page shares: a title row and rows of two
// cells, a figure and a name, whose classes alternate by rank.
#ifndef CORVALIS_RANKINGS_RANKING_PAGE_H_
#define CORVALIS_RANKINGS_RANKING_PAGE_H_

#include <string>
#include <string_view>

#include "util/page.h"

namespace corvalis {

struct RankingFrame {
  std::string_view id;      // div id and table/row class ("ico", "mom", ...)
  std::string_view prefix;  // prefix of the cell classes ("ico", "can", ...)
  std::string_view figure;  // class of the figure cell after the prefix ("NUM")
  std::string title;        // text of the title row
  std::string_view style_type = "text/css";  // the fantasfiga page writes "Text/css"
};

// Writes the page row by row: the head when made, one line per row (the
// first with the "d" classes, the second with the "p" classes, and so on),
// the closing lines at Finish().
class RankingPage {
 public:
  RankingPage(RankingFrame frame, Page& page);

  // A row: its figure, and the pieces of its name cell. The league's texts
  // among them (names, teams, votes read) go as Html{...}; escaping them one
  // by one gives the text escaping the whole cell would, as long as the
  // program's own pieces between them begin with a space or a bracket,
  // which no character reference can run into. A text the program made
  // (digits, a role letter, a name already escaped) goes as it is.
  template <typename Figure, typename... Pieces>
  void AddRow(const Figure& figure, const Pieces&... name) {
    // Odd ranks ("d") and even ranks ("p") alternate, from rank 1.
    char parity = rows_++ % 2 == 0 ? 'd' : 'p';
    page_.Line("<tr class=\"", frame_.id, "\"><td class=\"", frame_.prefix, frame_.figure, parity,
               "\">", figure, "</td><td class=\"", frame_.prefix, "NOME", parity, "\">",
               name..., "</td></tr>");
  }

  void Finish();

 private:
  RankingFrame frame_;
  Page& page_;
  size_t rows_ = 0;
};

}  // namespace corvalis

#endif  // CORVALIS_RANKINGS_RANKING_PAGE_H_
