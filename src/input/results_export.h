// A matchday's results export, parsed once into its matches. The rating and
// the calendar read the same matches, each in its own way (rating/ and
// matchday/); this is the one place that knows the layout of the file.
//
// A match block: a header line (home team, away team), a line of column
// titles, player lines, a score line ("Parziale squadra" or "Totale
// squadra"), then, up to the bench title "Sostituiti, panchina e tribuna",
// the goals line and any extra-time and shoot-out lines, then the bench's
// player lines, and an empty line. Outside the blocks an "EOF" line ends
// the file.
#ifndef CORVALIS_INPUT_RESULTS_EXPORT_H_
#define CORVALIS_INPUT_RESULTS_EXPORT_H_

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "input/league.h"
#include "platform/text_lines.h"

namespace corvalis {

// One player as a column of a player line writes him. Every text is as read
// (decimal commas, "sv/ng" for no vote); a missing field is empty.
struct PlayerColumn {
  std::string_view code;       // role code: "P", "DR", "Cs", "AU", "--", ...
  std::string_view name;
  std::string_view vote;       // the plain vote
  std::string_view bonus;      // the field after the vote
  std::string_view fantavoto;  // vote with bonuses
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

// A line of a block: a player line, or a score line with what follows it up
// to the bench title.
struct BlockLine {
  enum Kind : uint8_t { kPlayer, kScore };
  Kind kind;
  uint32_t offset;  // where the line is in the file's bytes
  uint32_t length;
};

// A line between a score line and the bench title that the calendar reads.
struct CountLine {
  enum Kind : uint8_t {
    kGoals,      // "Gol": the goals of both sides
    kExtraTime,  // " (Gol T.S.) "
    kShootOut,   // "Gol Rig."
    kSost,       // any first field that begins with "Sost", the bench title too
  };
  Kind kind;
  std::string_view home;  // the field after the title, and the second after that
  std::string_view away;
};

// What a score line says, and how the search for the bench title after it
// went.
struct ScoreLine {
  std::string_view home;  // the field after the title
  std::string_view away;  // the second field after that
  bool bench_title_found = false;  // false: the file ended first
  std::vector<CountLine> counts;   // in file order, up to the bench title
};

struct ExportMatch {
  std::string_view home_name;  // the header's first field, trimmed: a team of conf.txt
  std::string_view away_name;  // its second field, trimmed: may name no team, or be empty
  std::vector<BlockLine> lines;
  std::vector<ScoreLine> scores;  // one per kScore line, in order
  bool ended_by_file = false;     // the file ended inside the block
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

struct MatchdayExport {
  int matchday = 0;
  std::string path;  // as messages name it
  // The file's bytes, which every text of the export is a view of: the
  // parse keeps them and lets the line views go.
  std::shared_ptr<const std::string> bytes;
  std::vector<ExportMatch> matches;
  ExportEnd end = ExportEnd::kEofLine;
  std::string_view end_text;

  // The columns of a player line.
  PlayerColumns Columns(const BlockLine& line) const;
};

// Parses `lines` of the export of matchday `matchday`; match headers are
// recognised by the team names of `league`.
MatchdayExport ParseExport(TextLines lines, const League& league, int matchday = 0);

// The columns of a player line's text.
PlayerColumns SplitPlayerLine(std::string_view line);

}  // namespace corvalis

#endif  // CORVALIS_INPUT_RESULTS_EXPORT_H_
