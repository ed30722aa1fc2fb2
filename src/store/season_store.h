// The season store: every table and run-wide value of one run. Stages talk
// to each other only through it and through the files they write.
//
// Indices follow the league's own numbering: team t is the t-th team of
// conf.txt (1-based), matchday g is 1..42, and index 0 of a dimension is
// not a data row unless a comment says otherwise. Column numbers of the
// numeric tables are named below; an empty cell reads as 0.
//
// Team rows come in two orders. teamName, teamSeason and lineupSlot are
// reordered by the coach rating (by average gap, then by weighted gap), and
// so are the tables that later stages index through a teamName lookup
// (teamParziale and luck in the calendar stage). Every other team table keeps
// the conf.txt order; pair the two through the team's name, never through the
// row number.
#ifndef CORVALIS_STORE_SEASON_STORE_H_
#define CORVALIS_STORE_SEASON_STORE_H_

#include <array>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "input/league.h"
#include "rating/season_rating.h"
#include "platform/text_lines.h"
#include "util/encoding.h"
#include "store/text_table.h"

namespace corvalis {

// Limits of the data.
constexpr int kOverflowTeam = 1051;   // second block of a team met twice in a file

constexpr int kPlayerRows = 1000;     // rows of every player table
constexpr int kMaxBestModules = kMaxModules;  // every module may tie as best
constexpr int kUnsetTeam = 9999;      // "no team" in the match readers

// A per-team table: rows 0..40 for the league's teams plus the overflow row
// 1051, which receives a team's second match block of the same file and
// which no page reads.
template <typename Row>
class TeamTable {
 public:
  Row& operator[](int t) { return rows_[Index(t)]; }
  const Row& operator[](int t) const { return rows_[Index(t)]; }
  void Clear() { rows_.fill(Row{}); }

 private:
  static size_t Index(int t) {
    if (t == kOverflowTeam) return kMaxTeams + 1;
    if (t < 0 || t > kMaxTeams) throw std::out_of_range("squadra fuori tabella");
    return static_cast<size_t>(t);
  }
  std::array<Row, kMaxTeams + 2> rows_{};
};

// teamRoleCount[t][g][column]
enum RoleCountColumn {
  kRcDefenders = 1,
  kRcMidfielders = 2,
  kRcForwards = 3,
  kRcModuleUsed = 4,  // row of moduleTable whose counts match; 0 = none
};
using RoleCountRow = std::array<double, 5>;

// teamMatchday[t][g][column]
enum MatchdayColumn {
  kMdGap = 1,          // -1 no results file, 9999 did not play
  kMdValidVotes = 2,
  kMdActualScore = 3,  // score plus the bonus of the module used
  kMdMax = 4,          // best possible score
};
using MatchdayRow = std::array<double, 5>;
constexpr double kNoFileGap = kNoExportGap;

// teamSeason[t][column]
enum SeasonColumn {
  kSnScoreSum = 1,
  kSnMaxSum = 2,         // sum of Max minus the bonuses of the modules used
  kSnMatches = 3,
  kSnAverageGap = 4,
  kSnLargestGap = 5,
  kSnLargestGapDay = 6,
  kSnSmallestGap = 7,    // starts at 9999 for teams 1..40
  kSnSmallestGapDay = 8,
  kSnWeightedGap = 9,    // 9999 = not available
  kSnColumn10 = 10,
};
using SeasonRow = std::array<double, 11>;

// teamVoteSum[t][column]
enum VoteSumColumn {
  kVsPositiveLines = 1,  // player lines whose first number field is > 0
  kVsPositiveSum = 2,
  kVsSubstituteSum = 3,  // the part from "R" codes and from the bench
};
using VoteSumRow = std::array<double, 4>;

// One roster slot. The counters are texts, exactly as the team pages print
// them: `starts` is written without spaces ("1", "2", ...); `subs_in` is
// "1" for a new player and then in the number-to-text form (" 2"), and
// `bench_listings` is in the number-to-text form (" 1"); the pages trim
// those two.
struct RosterEntry {
  std::string name;
  std::string starts;          // appearances in the starting part
  std::string subs_in;         // appearances with a role code ending in "R"
  std::string role;            // first letter of the role code
  std::string bench_listings;  // bench listings without a vote, code ending in "s"
};
using RosterTable = std::array<RosterEntry, kRosterPlayers + 1>;

using ModuleCounts = std::array<int, kMaxModules + 1>;
using BestModules = std::array<int, kMaxBestModules + 1>;

// moduleTable[m][column]
enum ModuleColumn {
  kModDefenders = 1,
  kModMidfielders = 2,
  kModForwards = 3,
  kModBestCount = 4,    // times among the best modules, whole league
  kModBonus = 5,
  kModShare = 6,        // share of all best-module entries (coach-rating page)
  kModOnlyBestCount = 7,
};
using ModuleRow = std::array<double, 8>;

// luck[t][column]
enum LuckColumn { kLuckSum = 1, kLuckCount = 2, kLuckAverage = 3 };
using LuckRow = std::array<double, 4>;

struct SeasonStore {
  // ---- Run-wide values -------------------------------------------------
  std::string program_folder;
  int giornata = 0;  // matchday counter of the results loop
  int num_teams = 0;
  int num_modules = 0;
  std::string source_dir;  // results files in, pages out
  std::string output_dir;  // web folder; empty = no copies
  std::string js_dir;      // script folder; empty = no copies
  int sq_flag = 0;         // 1: players told apart by name and team
  double season_top_threshold = 50;
  double gap_exponent = 1;
  bool file_found = false;       // any results file in the whole run
  int last_matchday_read = 0;    // latest matchday with a results file
  int best_module_total = 0;     // best-module entries, all teams and matchdays
  double average_presences = 0;  // mean bench votes per registered player
  int min_presences = 0;         // season Top/Flop 11 eligibility
  bool credits_available = false;
  std::set<std::string> shown_warnings;  // keys of limit warnings already shown
  // The encoding of the league's files as far as the run has read them:
  // UTF-8 until one of them is not (ReadLeagueText narrows it).
  TextEncoding encoding = TextEncoding::kUtf8;

  // ---- Team tables ------------------------------------------------------
  TeamTable<std::string> teamName;   // coach-rating order after the season
  // The conf.txt number of the team on each teamName row: moves with the
  // rows, so a sorted row finds the team's rows of the conf.txt-order tables.
  TeamTable<int> teamConfNumber;
  TeamTable<std::string> teamLabel;  // conf.txt order: team pages, site index
  TeamTable<std::string> teamTitle;  // conf.txt order: coach-rating page
  TeamTable<int> teamSeen;           // header met in the current file
  TeamTable<double> teamParziale;    // score of the matchday, 0 = did not play
  TeamTable<std::array<RoleCountRow, kMatchdays + 1>> teamRoleCount;
  TeamTable<std::string> teamRoleCountName;  // cell (t, 0, 0): the team's name
  TeamTable<std::array<MatchdayRow, kMatchdays + 1>> teamMatchday;
  TeamTable<SeasonRow> teamSeason;
  TeamTable<VoteSumRow> teamVoteSum;
  TeamTable<RosterTable> roster;
  TeamTable<std::string> rosterTeamName;  // cell (t, 0, 0): the team's name
  TeamTable<ModuleCounts> teamBestModuleCount;
  TeamTable<std::array<BestModules, kMatchdays + 1>> matchdayBestModules;
  TeamTable<double> teamBestAverage;
  TeamTable<LuckRow> luck;
  TeamTable<ModuleCounts> teamModuleUse;  // column 0: all matches of the team

  // ---- Module table and tie-break rules -----------------------------------
  std::array<ModuleRow, kMaxModules + 1> moduleTable{};
  std::array<std::string, kTieRules + 1> tieRule;

  // ---- Player tables (text cells) -----------------------------------------
  // playerRegistry: 1 role code, 2 name, 3 vote sum, 4 votes counted,
  // 5 team name, 6 average vote.
  TextTable playerRegistry{kPlayerRows + 1, 7};
  // scorerTally: 1 name, 2 goals (" 1", " 2", ...), 3 team name.
  TextTable scorerTally{kPlayerRows + 1, 4};
  // momTally: 1 name, 2 team name, 3 awards ("1", then " 2", " 3", ...).
  TextTable momTally{kPlayerRows + 1, 4};
  // matchdayPlayers: 1 role letter, 2 name, 3 team name, 4 fantavoto.
  TextTable matchdayPlayers{kPlayerRows + 1, 5};
  // seasonPlayerTotals: 1 role letter, 2 name, 3 team name, 4 fantavoto sum,
  // 5 lines counted.
  TextTable seasonPlayerTotals{kPlayerRows + 1, 6};
  TextTable flopCandidates{kPlayerRows + 1, 6};
  // elevenTable: 1 role letter, 2 name, 3 team name, 4 fantavoto or average.
  TextTable elevenTable{12, 5};
  TextTable elevenScratch{12, 5};
  // The season Top 11 as its page shows it, kept for the charts page (the
  // selection of the season Flop 11 reuses elevenTable).
  TextTable seasonTop11{12, 5};
  // Side tables of one match: 1 role code, 2 name, 3 vote, 4 fantavoto,
  // 5 working copy of the fantavoto.
  TextTable matchPlayersHome{1051, 6};
  TextTable matchPlayersAway{1051, 6};
  // momCandidates: 1 name, 2 team name, 3 vote, 4 score, 5 role letter,
  // 6 side marker ("Casa", "Fuori", "1" for the winning side).
  TextTable momCandidates{23, 7};
  // matchSheet: one cred.txt line per row: 1 home name, 2 empty, 3 credits,
  // 4 spectators, 5 away name; column 6 by match number: man of the match.
  TextTable matchSheet{51, 7};
  // benchSetup: one Panchine.txt line per row: 1 team name, 2 flexible
  // bench, 3 fixed bench, 4 man marking.
  TextTable benchSetup{kMaxTeams + 1, 5};

  // ---- Working values of the matchday reports ------------------------------
  int match_index = 0;
  int player_line_count = 0;
  std::string scorer_list;
  int scoring_side = 0;  // 0 home, 1 away
  std::string home_team_name;
  std::string away_team_name;
};

}  // namespace corvalis

#endif  // CORVALIS_STORE_SEASON_STORE_H_
