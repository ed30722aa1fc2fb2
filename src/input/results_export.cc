#include "input/results_export.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <string>
#include <utility>

#include "util/byte_words.h"
#include "util/text.h"

namespace corvalis {
namespace {

constexpr std::string_view kBenchTitle = "Sostituiti, panchina e tribuna";

bool IsScoreTitle(std::string_view field) {
  return field == "Parziale squadra" || field == "Totale squadra";
}

class ExportParser {
 public:
  ExportParser(MatchdayExport& out, const TextLines& lines, const League& league,
               size_t split_ahead)
      : out_(out), lines_(lines), league_(league), split_ahead_(split_ahead),
        team_lengths_(league) {}

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
    return {static_cast<uint32_t>(line.data() - lines_.bytes().get()),
            static_cast<uint32_t>(line.size()), kind == BlockLine::kScore};
  }

  bool ParseBlock();
  bool ParseScoreLine(std::string_view rest);
  void SetMatchSpans();
  void SplitPlayerLines();
  void NoteSearchedLine(std::string_view line);
  // Most first fields are role codes that no team name is as long as:
  // turned away here, without a call.
  void NoteIfHeader(std::string_view first, std::string_view rest, int match) {
    bool spaced = !first.empty() && (first.front() == ' ' || first.back() == ' ');
    if (spaced || team_lengths_.Possible(first)) NoteHeader(first, rest, match);
  }
  void NoteHeader(std::string_view first, std::string_view rest, int match);
  void NoteHeadersAfterEof();

  void ParseMatches();
  void AddBlockLine(BlockLine::Kind kind) {
    out_.block_lines.push_back(Taken(kind));
    ++line_counts_.back();
  }

  MatchdayExport& out_;
  const TextLines& lines_;
  const League& league_;
  const size_t split_ahead_;
  size_t next_ = 0;
  TeamNameLengths team_lengths_;
  std::vector<uint32_t> line_counts_;   // of each match, in order
  std::vector<uint32_t> score_counts_;
};

// Each match's lines and score lines are counted as they are parsed, and
// become spans of the tables once these stop growing.
void ExportParser::Parse() {
  // A block line per line at most: one allocation, none left behind by
  // growing.
  out_.block_lines.reserve(lines_.size());
  // A match per two teams, as a league's exports have.
  size_t matches = static_cast<size_t>(league_.num_teams()) / 2 + 1;
  out_.matches.reserve(matches);
  out_.score_lines.reserve(matches);
  line_counts_.reserve(matches);
  score_counts_.reserve(matches);
  ParseMatches();
  SetMatchSpans();
  SplitPlayerLines();
}

// Split once the blocks are known: the table takes just the room it needs.
void ExportParser::SplitPlayerLines() {
  size_t count = std::min(out_.block_lines.size(), split_ahead_);
  out_.block_columns.reserve(count);
  for (const BlockLine& line : std::span<const BlockLine>(out_.block_lines).first(count)) {
    bool player = line.kind() == BlockLine::kPlayer;
    out_.block_columns.push_back(player ? SplitPlayerLine(out_.Text(line)) : PlayerColumns());
  }
}

void ExportParser::SetMatchSpans() {
  size_t line = 0, score = 0;
  for (size_t m = 0; m < out_.matches.size(); ++m) {
    ExportMatch& match = out_.matches[m];
    match.lines = std::span<const BlockLine>(out_.block_lines).subspan(line, line_counts_[m]);
    match.scores =
        std::span<const ScoreLine>(out_.score_lines).subspan(score, score_counts_[m]);
    line += line_counts_[m];
    score += score_counts_[m];
  }
}

void ExportParser::ParseMatches() {
  std::string_view last_unmatched;
  std::string_view last_examined;
  std::string_view line;
  while (NextLine(line)) {
    std::string_view rest = line;
    std::string_view first = Trimmed(NextField(rest));
    last_examined = first;
    if (first == "EOF") {
      out_.end = ExportEnd::kEofLine;
      out_.eof_line = static_cast<uint32_t>(next_);
      NoteHeadersAfterEof();
      return;
    }
    // An empty first field heads no match, even beside a team that conf.txt
    // leaves without a name.
    if (!first.empty() && league_.FirstTeamNamed(first) >= 0) {
      ExportMatch& match = out_.matches.emplace_back();
      match.home_name = first;
      match.away_name = Trimmed(NextField(rest));
      last_examined = match.away_name;
      line_counts_.push_back(0);
      score_counts_.push_back(0);
      if (!ParseBlock()) return;  // the file ended inside the block
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
bool ExportParser::ParseBlock() {
  std::string_view line;
  bool ended = !NextLine(line);  // the column titles
  while (!ended && NextLine(line)) {
    std::string_view rest = line;
    std::string_view first = NextField(rest);
    if (IsScoreTitle(first)) {
      AddBlockLine(BlockLine::kScore);
      if (!ParseScoreLine(rest)) {
        out_.end = ExportEnd::kNoBenchTitle;
        return false;
      }
      continue;
    }
    if (first.empty()) return true;
    NoteIfHeader(first, rest, static_cast<int>(out_.matches.size()) - 1);
    AddBlockLine(BlockLine::kPlayer);
  }
  out_.end = ExportEnd::kInsideMatch;
  return false;
}

// The scores, then the search for the bench title: the line after the score
// line is skipped when it is the goals line, and one more when its second
// field is the bench title; from then on the first field of each line is
// looked at (of the line in hand, its third). False when the file ends first.
bool ExportParser::ParseScoreLine(std::string_view rest) {
  ScoreLine& score = out_.score_lines.emplace_back();
  ++score_counts_.back();
  score.home = NextField(rest);
  NextField(rest);
  score.away = NextField(rest);
  std::string_view line;
  for (;;) {
    if (!NextLine(line)) return false;
    NoteSearchedLine(line);
    rest = line;
    if (NextField(rest) == "Gol") {
      if (!NextLine(line)) return false;
      NoteSearchedLine(line);
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
    NoteSearchedLine(line);
    rest = line;
  }
}

// The search for the bench title can run into the next match.
void ExportParser::NoteSearchedLine(std::string_view line) {
  std::string_view rest = line;
  std::string_view first = NextField(rest);
  NoteIfHeader(first, rest, static_cast<int>(out_.matches.size()) - 1);
}

// `first` and `rest` split the line just taken.
void ExportParser::NoteHeader(std::string_view first, std::string_view rest, int match) {
  first = Trimmed(first);
  if (first.empty() || !team_lengths_.Possible(first)) return;
  if (league_.FirstTeamNamed(first) < 0) return;
  out_.stray_headers.push_back(
      {static_cast<uint32_t>(next_), first, Trimmed(NextField(rest)), match});
}

void ExportParser::NoteHeadersAfterEof() {
  std::string_view line;
  while (NextLine(line)) {
    std::string_view rest = line;
    std::string_view first = NextField(rest);
    NoteIfHeader(first, rest, -1);
  }
}

// Where the first tab at or after `i` is (`size` for none), sixteen bytes
// at a time.
size_t FindTab(const char* data, size_t i, size_t size) {
  for (; i + 16 <= size; i += 16) {
    uint32_t tabs = SixteenBytesEqual(data + i, '\t');
    if (tabs != 0) return i + static_cast<size_t>(std::countr_zero(tabs));
  }
  while (i < size && data[i] != '\t') ++i;
  return i;
}

// Bit k set when byte k of the `size` (at most 64) bytes at `data` is a
// tab; sixteen bytes at a time.
uint64_t TabBits(const char* data, size_t size) {
  uint64_t bits = 0;
  size_t k = 0;
  for (; k + 16 <= size; k += 16) bits |= uint64_t{SixteenBytesEqual(data + k, '\t')} << k;
  if (k < size && size >= 16) {
    // The last bytes as the end of the line's last sixteen: no byte loop.
    return bits | uint64_t{SixteenBytesEqual(data + size - 16, '\t') >> (16 - (size - k))} << k;
  }
  for (; k < size; ++k) {
    if (data[k] == '\t') bits |= uint64_t{1} << k;
  }
  return bits;
}

// A field as SplitFields finds it: a plain pair, left unset until found.
struct Field {
  const char* data;
  size_t size;
  operator std::string_view() const { return std::string_view(data, size); }  // NOLINT
};

// The first (at most) ten fields of `line` as NextField takes them one by
// one (runs of tabs are one separator), the others empty; `leading` is the
// number of tabs before the first field, `first_ended_by_tab` whether a tab
// follows it.
void SplitFields(std::string_view line, Field (&fields)[10], size_t& leading,
                 bool& first_ended_by_tab) {
  const char* data = line.data();
  size_t size = line.size();
  int count = 0;
  leading = size;
  first_ended_by_tab = false;
  if (size <= 64) {
    // Most lines: every field found from one mask of the line's tabs.
    uint64_t tabs = TabBits(data, size);
    uint64_t text = ~tabs & (size == 64 ? ~uint64_t{0} : (uint64_t{1} << size) - 1);
    // A field starts at a byte of text after a tab (or at the line's
    // start) and ends at the first tab after text (or at the line's end).
    uint64_t starts = text & ~(text << 1);
    uint64_t ends = tabs & (text << 1);
    while (starts != 0 && count < 10) {
      size_t start = static_cast<size_t>(std::countr_zero(starts));
      size_t end = ends != 0 ? static_cast<size_t>(std::countr_zero(ends)) : size;
      fields[count++] = {data + start, end - start};
      starts &= starts - 1;
      ends &= ends - 1;
    }
    if (count > 0) {
      leading = static_cast<size_t>(fields[0].data - data);
      first_ended_by_tab = leading + fields[0].size < size;
    }
  } else {
    size_t i = 0;
    while (i < size && data[i] == '\t') ++i;
    leading = i;
    while (count < 10 && i < size) {
      size_t start = i;
      i = FindTab(data, i, size);
      fields[count++] = {data + start, i - start};
      if (count == 1) first_ended_by_tab = i < size;
      while (i < size && data[i] == '\t') ++i;
    }
  }
  for (; count < 10; ++count) fields[count] = {nullptr, 0};
}

}  // namespace

PlayerColumns SplitPlayerLine(std::string_view line) {
  Field fields[10];  // every one set by SplitFields
  size_t leading;
  bool first_ended_by_tab;
  SplitFields(line, fields, leading, first_ended_by_tab);
  // The home column is there when the first field follows exactly one tab.
  bool has_home = leading + (first_ended_by_tab ? 1 : 0) == 2;
  auto column = [&](int at) {
    return PlayerColumn{fields[at],     fields[at + 1], fields[at + 2],
                        fields[at + 3], fields[at + 4], KeyIndex::Hash(fields[at + 1])};
  };
  if (!has_home) return PlayerColumns{false, PlayerColumn(), column(0)};
  return PlayerColumns{true, column(0), column(5)};
}

std::vector<std::string> StrayHeaderWarnings(const MatchdayExport& day) {
  std::vector<std::string> out;
  for (const StrayHeader& stray : day.stray_headers) {
    std::string where = "Il file " + day.path + ", riga " + std::to_string(stray.line) + ": ";
    std::string pair = MessageExcerpt(stray.home_name) + " - " + MessageExcerpt(stray.away_name);
    if (stray.match < 0) {
      out.push_back(where + "la partita " + pair + " viene dopo la riga EOF (riga " +
                    std::to_string(day.eof_line) +
                    "): il voto allenatore non legge ne' lei ne' le righe che seguono");
      break;  // the first one says it for all
    }
    const ExportMatch& match = day.matches[static_cast<size_t>(stray.match)];
    out.push_back(where + pair + " e' dentro la partita " + MessageExcerpt(match.home_name) +
                  " - " + MessageExcerpt(match.away_name) +
                  ", prima della riga vuota che la chiude: il voto allenatore non la legge come "
                  "partita");
  }
  return out;
}

const PlayerColumns* MatchdayExport::BlockColumnsAt(std::string_view line, size_t& from) const {
  size_t offset = static_cast<size_t>(line.data() - bytes.get());
  while (from < block_columns.size() && block_lines[from].offset < offset) ++from;
  if (from == block_columns.size() || block_lines[from].offset != offset ||
      block_lines[from].kind() != BlockLine::kPlayer) {
    return nullptr;
  }
  return &block_columns[from];
}

MatchdayExport ParseExport(TextLines lines, const League& league, int matchday,
                           size_t split_ahead) {
  MatchdayExport out;
  out.matchday = matchday;
  out.bytes = lines.bytes();
  ExportParser(out, lines, league, split_ahead).Parse();
  out.lines = std::move(lines);
  return out;
}

}  // namespace corvalis
