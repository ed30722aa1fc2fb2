// The matchday tables of the coach-rating page, latest matchday first, and
// the script with the details of the latest one.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <numeric>
#include <optional>
#include <string>
#include <vector>

#include "rating/coach_rating_page.h"
#include "rating/rating_text.h"
#include "util/escaping.h"
#include "util/short_number.h"
#include "util/text.h"

namespace corvalis {
namespace {

constexpr double kNoGapPerVote = 9999;

// A cell's text, made in a few bytes of its own; only a value no league
// has needs the room of a string.
class Cell {
 public:
  // `make` writes the text into chars, or answers 0 when it cannot;
  // `make_long` then makes it.
  template <typename Make, typename MakeLong>
  void Set(double value, Make make, MakeLong make_long) {
    size_ = make(value, chars_);
    if (size_ == 0) {
      long_ = make_long(value);
      long_.reserve(Padded::kBytes);
    }
  }
  std::string_view text() const { return size_ != 0 ? std::string_view(chars_, size_) : long_; }
  Padded piece() const { return {text()}; }

 private:
  char chars_[Padded::kBytes];
  size_t size_ = 0;
  std::string long_;
};

struct DayRow {
  Cell gap;
  Cell votes;
  Cell gap_per_vote;
  Cell score;
  std::string_view module_used;
  Cell max;
  std::string_view best_modules;  // " 3-4-3 4-4-2"
};

// Room for a Padded piece.
std::string WithPadding(std::string text) {
  text.reserve(Padded::kBytes);
  return text;
}

// The module texts, made once for all the rows.
struct ModuleTexts {
  explicit ModuleTexts(const League& league) : none(WithPadding(ModuleText(nullptr))) {
    for (const Module& module : league.modules) of.push_back(WithPadding(ModuleText(&module)));
  }
  std::vector<std::string> of;  // in conf.txt order
  std::string none;

  // " 3-4-3 4-4-2": the modules whose bits `mask` sets. The few masks of a
  // league of a dozen modules at most are each written once.
  std::string_view Best(uint32_t mask) {
    if (of.size() > kMemoModules) {
      other = Make(mask);
      return other;
    }
    mask &= (1u << of.size()) - 1;
    if (best.empty()) best.resize(size_t{1} << of.size());
    std::optional<std::string>& text = best[mask];
    if (!text) text = Make(mask);
    return *text;
  }

 private:
  static constexpr size_t kMemoModules = 12;
  std::string Make(uint32_t mask) const {
    std::string text;
    for (size_t m = 0; m < of.size(); ++m) {
      if (mask & (1u << m)) {
        text += ' ';
        text += of[m];
      }
    }
    return WithPadding(std::move(text));
  }
  std::vector<std::optional<std::string>> best;
  std::string other;
};

size_t VotesChars(double votes, char (&chars)[32]) {
  // Written after the space, which goes when the text is negative.
  size_t size = ShortNumber::Write(votes, chars + 1);
  if (size == 0) return 0;
  if (chars[1] != '-') {
    chars[0] = ' ';
    return size + 1;
  }
  std::memmove(chars, chars + 1, size);
  return size;
}

// The row's texts, made into `row`, which the rows of a table share.
void MakeDayRow(ModuleTexts& modules, const TeamMatchday& day, DayRow& row) {
  double votes = day.valid_votes;
  double per_vote =
      votes > 11 ? std::floor(100 * day.gap / (votes - 11)) / 100 : kNoGapPerVote;
  if (day.gap == kDidNotPlay) per_vote = kNoGapPerVote;  // "n/a" either way
  row.gap.Set(day.gap, DayGapChars, DayGapText);
  row.votes.Set(votes, VotesChars, [](double v) { return NumberText(v); });
  row.gap_per_vote.Set(per_vote, GapPerVoteChars, GapPerVoteText);
  row.score.Set(day.actual_score, ScoreChars, ScoreText);
  row.module_used = day.module_used >= 0 ? modules.of[day.module_used] : modules.none;
  row.max.Set(day.max, ScoreChars, ScoreText);
  row.best_modules = modules.Best(day.best_modules);
}

void AddDayHeader(int g, Page& page) {
  page.Line(R"(    <tr class='cv'>)");
  page.Line(R"(      <td class="giornateSQUADRA"> Giornata)", Number{double(g)}, " </td>");
  page.Line(R"(      <td class="giornateSCARTO">Scarto</td>)");
  page.Line(R"(      <td class="giornateVOTI">Voti</td>)");
  page.Line(R"(      <td class="giornateSCAVOTI">Sc.Voti </td>)");
  page.Line(R"(      <td class="giornatePARZ">Parziale</td>)");
  page.Line(R"(      <td class="giornateMAX">Max</td>)");
  page.Line(R"(    </tr>)");
}

// `team_html` is the team's name already escaped for the page. Every text
// of the row has room for a Padded piece.
void AddDayRow(std::string_view team_html, const DayRow& row, Page& page) {
  page.Line(R"(    <tr class='cv'>)");
  page.Line(R"(       <td><div align="left">)", Padded{team_html}, "</div></td>");
  page.Line(R"(      <td><div align="center">)", row.gap.piece(), "</div></td>");
  page.Line(R"(      <td><div align="center">)", row.votes.piece(), "</div></td>");
  page.Line(R"(      <td><div align="center">)", row.gap_per_vote.piece(), "</div></td>");
  page.Line(R"(      <td><div align="center">)", row.score.piece(), "  >",
            Padded{row.module_used}, "</div></td>");
  page.Line(R"(      <td><div align="left"> > )", row.max.piece(), " >",
            Padded{row.best_modules}, "</div></td>");
  page.Line(R"(     </tr>)");
}

// The record of the details script; 999 stands for a gap per vote of
// "n/a" there. A gap of "n/a" (a team that did not play) is a string.
void AddScriptRecord(int n, std::string_view team, const DayRow& row, TextEncoding encoding,
                     Page& script) {
  auto value = [&](std::string_view text) { return JsValue(text, encoding); };
  script.Line("a[", Whole{n}, "]=new Cv(", JsText{team, encoding}, ",",
              value(Trimmed(row.gap.text())), ",", value(Trimmed(row.votes.text())), ",",
              value(row.gap_per_vote.text() == "n/a" ? "999" : row.gap_per_vote.text()), ",",
              value(row.score.text()), ",\"", row.module_used, "\",", value(row.max.text()), ",\"",
              Trimmed(row.best_modules), "\")");
}

}  // namespace

void AddMatchdayTables(const League& league, const SeasonRating& rating, TextEncoding encoding,
                       CoachRatingFiles& files) {
  Page& page = files.page;
  page.Line(R"(   <table class='cv' border="0" cellspacing="0" cellpadding="0">)");
  page.Line(R"(    <tr class='cv'>)");
  page.Line(R"(      <td colspan="7" class="cvTITOLO">DETTAGLIO GIORNATA </td>)");
  page.Line(R"(    </tr>)");
  files.matchday_script.Line("var arrCorvalis=new Array()");
  files.matchday_script.Line("a=arrCorvalis");
  std::vector<int> teams(league.num_teams());
  ModuleTexts modules(league);
  // Every table names every team: each name is escaped once.
  std::vector<std::string> team_html;
  for (const std::string& team : league.teams) team_html.push_back(WithPadding(HtmlText(team)));
  DayRow row;
  for (int g = kMatchdays; g >= 1; --g) {
    if (teams.empty() || !rating.has_export[g]) continue;
    // Smallest gap first, equal gaps in conf.txt order; 9999 (did not
    // play) sorts last by itself.
    std::iota(teams.begin(), teams.end(), 0);
    std::stable_sort(teams.begin(), teams.end(), [&](int a, int b) {
      return rating.teams[a].days[g].gap < rating.teams[b].days[g].gap;
    });
    AddDayHeader(g, page);
    int n = 0;
    for (int t : teams) {
      MakeDayRow(modules, rating.teams[t].days[g], row);
      AddDayRow(team_html[t], row, page);
      if (g == rating.last_matchday) {
        AddScriptRecord(++n, league.teams[t], row, encoding, files.matchday_script);
      }
    }
  }
  page.Line("</table>");
  page.Line("</div>");
}

}  // namespace corvalis
