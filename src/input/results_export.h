// A matchday's results export, parsed once into the matches the rating reads
// (rating/). The calendar (matchday/) finds its own matches in the same
// lines: on a well-formed file they are the same ones.
//
// A match block: a header line (home team, away team), a line of column
// titles, player lines, a score line ("Parziale squadra" or "Totale
// squadra"), then, up to the bench title "Sostituiti, panchina e tribuna",
// the goals line and any extra-time and shoot-out lines, then the bench's
// player lines, and an empty line. Outside the blocks an "EOF" line ends
// the file.
#ifndef CORVALIS_INPUT_RESULTS_EXPORT_H_
#define CORVALIS_INPUT_RESULTS_EXPORT_H_

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "input/league.h"
#include "platform/text_lines.h"
#include "util/key_index.h"

namespace corvalis {

// One player as a column of a player line writes him. Every text is as read
// (decimal commas, "sv/ng" for no vote); a missing field is empty.
struct PlayerColumn {
  std::string_view code;       // role code: "P", "DR", "Cs", "AU", "--", ...
  std::string_view name;
  std::string_view vote;       // the plain vote
  std::string_view bonus;      // the field after the vote
  std::string_view fantavoto;  // vote with bonuses
  // KeyIndex::Hash(name), taken once at the split for every table that
  // finds the player by name.
  uint64_t name_hash = KeyIndex::EmptyHash();
};

// A player line holds the home column and then the away column. The home
// column is there when the line begins with exactly one tab; otherwise the
// first field already belongs to the away column. Fields are taken as the
// field extractor gives them, so an empty field shifts the ones after it.
struct PlayerColumns {
  bool has_home = false;
  PlayerColumn home;
  PlayerColumn away;
};

// The block lines of an export split ahead: several times those of the
// largest league's export, and the table stays small whatever a file holds.
constexpr size_t kSplitBlockLines = 4096;

// The columns of a player line's text.
PlayerColumns SplitPlayerLine(std::string_view line);
// The same into `columns`, every member written.
void SplitPlayerLine(std::string_view line, PlayerColumns& columns);

// A line of a block: a player line, or a score line with what follows it up
// to the bench title. Eight bytes: a season keeps one for most of its lines.
struct BlockLine {
  enum Kind : uint32_t { kPlayer, kScore };
  uint32_t offset;  // where the line is in the file's bytes
  uint32_t length : 31;  // lines are cut at kMaxLineBytes
  uint32_t score : 1;

  Kind kind() const { return score ? kScore : kPlayer; }
};

// What a score line says, and how the search for the bench title after it
// went.
struct ScoreLine {
  std::string_view home;  // the field after the title
  std::string_view away;  // the second field after that
  bool bench_title_found = false;  // false: the file ended first
};

// A line whose first field names a team of conf.txt where the rating's
// reading begins no match: inside a block, before the empty line that closes
// it (read as a line of that block), or after the "EOF" line (not read).
struct StrayHeader {
  uint32_t line;               // its number in the file, from 1
  std::string_view home_name;  // its first field, trimmed
  std::string_view away_name;  // its second field, trimmed
  int match;                   // the block it is in (index of `matches`); -1 after "EOF"
};

struct ExportMatch {
  std::string_view home_name;  // the header's first field, trimmed: a team of conf.txt
  std::string_view away_name;  // its second field, trimmed: may name no team, or be empty
  // Parts of the export's tables, set when the parse ends.
  std::span<const BlockLine> lines;
  std::span<const ScoreLine> scores;  // one per kScore line, in order
};

// How the file ends after its last match.
enum class ExportEnd {
  kEofLine,         // an "EOF" line outside a block, as the exports write it
  kInsideMatch,     // inside the last block
  kNoBenchTitle,    // after the last score line, before its bench title
  kWithoutEofLine,  // outside a block without "EOF": end_text is the last
                    // first field examined there, or the last away name
  kUnknownTeam,     // at an "R" line after a line that headed no block: a
                    // header whose team conf.txt lacks; end_text is its text
};

// Moved, never copied: the matches' spans point into its tables.
struct MatchdayExport {
  MatchdayExport() = default;
  MatchdayExport(MatchdayExport&&) = default;
  MatchdayExport& operator=(MatchdayExport&&) = default;

  int matchday = 0;
  std::string path;  // as messages name it
  // The file's bytes, which every text of the export is a view of.
  std::shared_ptr<const char[]> bytes;
  // Every line of the file, for a reading that finds the matches by its own
  // rules (the calendar's). An export lives while its matchday is read.
  TextLines lines;
  std::vector<ExportMatch> matches;
  // The lines and score lines of all blocks, one table each for the export.
  std::vector<BlockLine> block_lines;
  std::vector<ScoreLine> score_lines;
  // The columns of the first kSplitBlockLines block lines (none for a score
  // line), split once for both readings; the lines after those, only in
  // exports far larger than any season's, are split as they are read.
  std::vector<PlayerColumns> block_columns;
  ExportEnd end = ExportEnd::kEofLine;
  std::string_view end_text;
  uint32_t eof_line = 0;  // the number of the "EOF" line that ended the file
  std::vector<StrayHeader> stray_headers;  // in file order

  // The text of a line of `block_lines`.
  std::string_view Text(const BlockLine& line) const {
    return std::string_view(bytes.get() + line.offset, line.length);
  }
  // The columns of a player line of `block_lines`: from the table, or split
  // into `scratch`.
  const PlayerColumns& Columns(const BlockLine& line, PlayerColumns& scratch) const {
    size_t i = static_cast<size_t>(&line - block_lines.data());
    if (i < block_columns.size()) return block_columns[i];
    SplitPlayerLine(Text(line), scratch);
    return scratch;
  }
  // The columns of the file's line `line` (one of `lines`) when it is a
  // player line of a block that the table holds, else null. `from` is where
  // to look from in `block_lines`: a reader that goes down the file passes
  // the same one every time.
  const PlayerColumns* BlockColumnsAt(std::string_view line, size_t& from) const;
};

// Whether a text has the length of some team's name: most lines of an export
// have a first field of no team's length, and cost no name comparison.
class TeamNameLengths {
 public:
  explicit TeamNameLengths(const League& league) {
    for (const std::string& team : league.teams) known_[Index(team.size())] = true;
  }
  bool Possible(std::string_view text) const { return known_[Index(text.size())]; }

 private:
  // The last entry stands for this many bytes or more.
  static size_t Index(size_t length) { return length < 63 ? length : 63; }
  std::array<bool, 64> known_{};
};

// Parses `lines` of the export of matchday `matchday`; match headers are
// recognised by the team names of `league`. The first `split_ahead` block
// lines are split into `block_columns`.
MatchdayExport ParseExport(TextLines lines, const League& league, int matchday = 0,
                           size_t split_ahead = kSplitBlockLines);

// One warning per stray header inside a block, and one for those after the
// "EOF" line: the rating reads none of them as a match.
std::vector<std::string> StrayHeaderWarnings(const MatchdayExport& day);

}  // namespace corvalis

#endif  // CORVALIS_INPUT_RESULTS_EXPORT_H_
