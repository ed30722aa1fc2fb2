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
  // Split in place: a score line's columns stay empty, nothing reads them.
  out_.block_columns.resize(count);
  for (size_t i = 0; i < count; ++i) {
    const BlockLine& line = out_.block_lines[i];
    if (line.kind() == BlockLine::kPlayer) SplitPlayerLine(out_.Text(line), out_.block_columns[i]);
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

// The fields of a line of fewer than 64 bytes, taken in order from two
// masks: a bit where each field starts and one where it ends.
struct FieldMasks {
  const char* data;
  uint64_t starts;
  uint64_t ends;  // has a bit past the line's end for a last field it ends

  std::string_view Next() {
    if (starts == 0) return {};
    size_t start = static_cast<size_t>(std::countr_zero(starts));
    // Never zero here: the top bit only spares the check for it.
    size_t end = static_cast<size_t>(std::countr_zero(ends | uint64_t{1} << 63));
    starts &= starts - 1;
    ends &= ends - 1;
    return {data + start, end - start};
  }
};

// The same over a line of any length, tab by tab.
struct FieldScan {
  const char* data;
  size_t at;
  size_t size;

  std::string_view Next() {
    while (at < size && data[at] == '\t') ++at;
    if (at == size) return {};
    size_t start = at;
    at = FindTab(data, at, size);
    return {data + start, at - start};
  }
};

// The next five fields, as a column.
template <typename Fields>
void TakeFields(Fields& fields, PlayerColumn& column) {
  column.code = fields.Next();
  column.name = fields.Next();
  column.vote = fields.Next();
  column.bonus = fields.Next();
  column.fantavoto = fields.Next();
}

// The home column is there when the first field follows exactly one tab,
// or two when no tab follows it: as NextField counts the tabs it passes.
// Every member of `columns` written once; the fields' state stays local.
template <typename Fields>
void TakeColumns(Fields fields, bool has_home, PlayerColumns& columns) {
  columns.has_home = has_home;
  if (has_home) {
    TakeFields(fields, columns.home);
    columns.home.name_hash = KeyIndex::Hash(columns.home.name);
  } else {
    columns.home = PlayerColumn();
  }
  TakeFields(fields, columns.away);
  columns.away.name_hash = KeyIndex::Hash(columns.away.name);
}

// Most player lines: a tab, then at least ten fields with one tab between
// each two, so that every field ends where the next tab is. False, with
// `columns` half written, for any other line of fewer than 64 bytes.
bool TakeSingleTabbed(const char* data, size_t size, uint64_t tabs, PlayerColumns& columns) {
  bool single = (tabs & 1) != 0 && (tabs & (tabs << 1)) == 0 && ((tabs >> (size - 1)) & 1) == 0;
  if (!single) return false;
  // The tabs after the first, then the line's end, which ends the last field.
  uint64_t ends = (tabs & (tabs - 1)) | uint64_t{1} << size;
  size_t before = 0;  // the tab before the next field
  auto next = [&] {
    // The top bit only spares the check for zero, past the line's end.
    size_t end = static_cast<size_t>(std::countr_zero(ends | uint64_t{1} << 63));
    ends &= ends - 1;
    std::string_view field(data + before + 1, end - before - 1);
    before = end;
    return field;
  };
  columns.home.code = next();
  columns.home.name = next();
  columns.home.vote = next();
  columns.home.bonus = next();
  columns.home.fantavoto = next();
  columns.away.code = next();
  columns.away.name = next();
  columns.away.vote = next();
  columns.away.bonus = next();
  if (before >= size) return false;  // no tenth tab: fewer than ten fields
  columns.away.fantavoto = next();
  columns.has_home = true;
  columns.home.name_hash = KeyIndex::Hash(columns.home.name);
  columns.away.name_hash = KeyIndex::Hash(columns.away.name);
  return true;
}

}  // namespace

// The fields are those NextField takes one by one: runs of tabs are one
// separator, a missing field is empty.
void SplitPlayerLine(std::string_view line, PlayerColumns& columns) {
  const char* data = line.data();
  size_t size = line.size();
  if (size < 64) {
    // Most lines: every field found from one mask of the line's tabs. A
    // field starts at a byte of text after a tab (or at the line's start)
    // and ends at the first tab after text (or at the line's end).
    uint64_t line_bits = (uint64_t{1} << size) - 1;
    uint64_t tabs = TabBits(data, size);
    if (TakeSingleTabbed(data, size, tabs, columns)) return;
    uint64_t text = ~tabs & line_bits;
    FieldMasks fields{data, text & ~(text << 1), (tabs & (text << 1)) | (line_bits + 1)};
    bool has_home;
    if (text == 0) {
      has_home = size == 2;  // two tabs and nothing else
    } else {
      size_t leading = static_cast<size_t>(std::countr_zero(text));
      bool first_ended_by_tab = static_cast<size_t>(std::countr_zero(fields.ends)) < size;
      has_home = leading + (first_ended_by_tab ? 1 : 0) == 2;
    }
    TakeColumns(fields, has_home, columns);
    return;
  }
  size_t leading = 0;
  while (leading < size && data[leading] == '\t') ++leading;
  bool first_ended_by_tab = leading < size && FindTab(data, leading, size) < size;
  FieldScan fields{data, leading, size};
  TakeColumns(fields, leading + (first_ended_by_tab ? 1 : 0) == 2, columns);
}

PlayerColumns SplitPlayerLine(std::string_view line) {
  PlayerColumns columns;
  SplitPlayerLine(line, columns);
  return columns;
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
