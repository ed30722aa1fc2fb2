#include "input/results_export.h"

#include <utility>

#include "util/text.h"

namespace corvalis {
namespace {

constexpr std::string_view kBenchTitle = "Sostituiti, panchina e tribuna";

bool IsScoreTitle(std::string_view field) {
  return field == "Parziale squadra" || field == "Totale squadra";
}

class ExportParser {
 public:
  ExportParser(MatchdayExport& out, const TextLines& lines, const League& league)
      : out_(out), lines_(lines), league_(league) {}

  void Parse();

 private:
  bool NextLine(std::string_view& line) {
    if (next_ == lines_.size()) return false;
    line = lines_[next_++];
    return true;
  }
  // The line just taken, as a line of a block.
  BlockLine Taken(BlockLine::Kind kind) const {
    std::string_view line = lines_[next_ - 1];
    return {kind, static_cast<uint32_t>(line.data() - lines_.bytes()->data()),
            static_cast<uint32_t>(line.size())};
  }

  bool ParseBlock(ExportMatch& match);
  bool ParseScoreLine(std::string_view rest, ExportMatch& match);
  void NoteCountLine(std::string_view line, ScoreLine& score);

  MatchdayExport& out_;
  const TextLines& lines_;
  const League& league_;
  size_t next_ = 0;
};

void ExportParser::Parse() {
  std::string_view last_unmatched;
  std::string_view last_examined;
  std::string_view line;
  while (NextLine(line)) {
    std::string_view rest = line;
    std::string_view first = Trimmed(NextField(rest));
    last_examined = first;
    if (first == "EOF") {
      out_.end = ExportEnd::kEofLine;
      return;
    }
    // An empty first field heads no match, even beside a team that conf.txt
    // leaves without a name.
    if (!first.empty() && league_.FirstTeamNamed(first) >= 0) {
      ExportMatch& match = out_.matches.emplace_back();
      match.home_name = first;
      match.away_name = Trimmed(NextField(rest));
      if (!ParseBlock(match)) return;  // the file ended inside the block
      last_examined = match.away_name;
      continue;
    }
    if (first == "R" && !last_unmatched.empty()) {
      out_.end = ExportEnd::kUnknownTeam;
      out_.end_text = last_unmatched;
      return;
    }
    last_unmatched = first;
  }
  out_.end = ExportEnd::kWithoutEofLine;
  out_.end_text = last_examined;
}

// The lines of one block after its header. False when the file ends inside
// it.
bool ExportParser::ParseBlock(ExportMatch& match) {
  std::string_view line;
  bool ended = !NextLine(line);  // the column titles
  while (!ended && NextLine(line)) {
    std::string_view rest = line;
    std::string_view first = NextField(rest);
    if (IsScoreTitle(first)) {
      match.lines.push_back(Taken(BlockLine::kScore));
      if (!ParseScoreLine(rest, match)) {
        out_.end = ExportEnd::kNoBenchTitle;
        match.ended_by_file = true;
        return false;
      }
      continue;
    }
    if (first.empty()) return true;
    match.lines.push_back(Taken(BlockLine::kPlayer));
  }
  out_.end = ExportEnd::kInsideMatch;
  match.ended_by_file = true;
  return false;
}

// The scores, then the search for the bench title: the line after the score
// line is skipped when it is the goals line, and one more when its second
// field is the bench title; from then on the first field of each line is
// looked at (of the line in hand, its third). False when the file ends first.
bool ExportParser::ParseScoreLine(std::string_view rest, ExportMatch& match) {
  ScoreLine& score = match.scores.emplace_back();
  score.home = NextField(rest);
  NextField(rest);
  score.away = NextField(rest);
  std::string_view line;
  for (;;) {
    if (!NextLine(line)) return false;
    NoteCountLine(line, score);
    rest = line;
    if (NextField(rest) == "Gol") {
      if (!NextLine(line)) return false;
      NoteCountLine(line, score);
      rest = line;
      break;
    }
    if (NextField(rest) != kBenchTitle) break;
  }
  for (;;) {
    if (NextField(rest) == kBenchTitle) {
      score.bench_title_found = true;
      return true;
    }
    if (!NextLine(line)) return false;
    NoteCountLine(line, score);
    rest = line;
  }
}

void ExportParser::NoteCountLine(std::string_view line, ScoreLine& score) {
  std::string_view rest = line;
  std::string_view first = NextField(rest);
  CountLine::Kind kind;
  if (first == "Gol") {
    kind = CountLine::kGoals;
  } else if (first == " (Gol T.S.) ") {
    kind = CountLine::kExtraTime;
  } else if (first == "Gol Rig.") {
    kind = CountLine::kShootOut;
  } else if (first.substr(0, 4) == "Sost") {
    kind = CountLine::kSost;
  } else {
    return;
  }
  CountLine& count = score.counts.emplace_back();
  count.kind = kind;
  count.home = NextField(rest);
  NextField(rest);
  count.away = NextField(rest);
}

PlayerColumn ColumnAfter(std::string_view code, std::string_view& rest) {
  PlayerColumn column;
  column.code = code;
  column.name = NextField(rest);
  column.vote = NextField(rest);
  column.bonus = NextField(rest);
  column.fantavoto = NextField(rest);
  return column;
}

}  // namespace

PlayerColumns SplitPlayerLine(std::string_view line) {
  PlayerColumns columns;
  int tabs = 0;
  std::string_view first = NextField(line, tabs);
  std::string_view away_code = first;
  if (tabs == 2) {
    columns.has_home = true;
    columns.home = ColumnAfter(first, line);
    away_code = NextField(line);
  }
  columns.away = ColumnAfter(away_code, line);
  return columns;
}

PlayerColumns MatchdayExport::Columns(const BlockLine& line) const {
  return SplitPlayerLine(std::string_view(bytes->data() + line.offset, line.length));
}

MatchdayExport ParseExport(TextLines lines, const League& league, int matchday) {
  MatchdayExport out;
  out.matchday = matchday;
  out.bytes = lines.bytes();
  ExportParser(out, lines, league).Parse();
  return out;
}

}  // namespace corvalis
