#include "matchday/calendar_reading.h"

#include "input/role_code.h"
#include "matchday/man_of_the_match.h"
#include "matchday/scorers.h"
#include "util/text.h"

namespace corvalis {
namespace {

bool StartsWithSost(std::string_view field) { return field.substr(0, 4) == "Sost"; }

// StartsWithSost of the line's first field, told without finding where the
// field ends: the tabs before it skipped, the next four bytes are no tab.
bool FirstFieldStartsWithSost(std::string_view line) {
  size_t start = 0;
  while (start < line.size() && line[start] == '\t') ++start;
  return line.substr(start, 4) == "Sost";
}

class CalendarReader {
 public:
  CalendarReader(const CalendarContext& context, const MatchdayExport& day,
                 SeasonPlayers& season_players, std::vector<DayPlayer>* players)
      : context_(context),
        day_(day),
        season_players_(season_players),
        players_(players),
        team_lengths_(context.league) {
    candidates_.reserve(kMomCandidates);  // what a match may keep, at once
  }

  void Read();

 private:
  enum Side { kHome = 0, kAway = 1 };
  enum class Part { kFound, kBroken, kFileEnded };

  bool NextLine(std::string_view& line) {
    if (next_ == day_.lines.size()) return false;
    line = day_.lines[next_++];
    return true;
  }

  bool FindMatch();
  bool ReadMatch();
  Part ReadPlayers();
  Part ReadGoals(double scorer_goals[2]);
  bool ReadExtraTime(double scorer_goals[2]);
  void ReadPlayerLine(const PlayerColumns& columns);
  void ReadColumn(Side side, bool goalkeeper, const PlayerColumn& column, const RoleCode& code);
  void RecordPlayer(Side side, bool goalkeeper, const PlayerColumn& column);
  void ConsiderCandidate(Side side, std::string_view role, const PlayerColumn& column,
                         double fantavoto, int season_row);
  void ReadScore(std::string_view rest);
  std::string_view TeamOf(Side side) const { return side == kHome ? home_name_ : away_name_; }
  std::string MatchName() const {
    return MessageExcerpt(home_name_) + " - " + MessageExcerpt(away_name_) + " del file " +
           day_.path;
  }

  const CalendarContext& context_;
  const MatchdayExport& day_;
  SeasonPlayers& season_players_;
  std::vector<DayPlayer>* players_;  // null: the day's player lines are not kept
  int player_lines_ = 0;
  size_t next_ = 0;  // the next line of the file to read
  size_t block_line_ = 0;  // where the rating's block lines are looked up from
  PlayerColumns split_;    // a line that is no block line, split here
  TeamNameLengths team_lengths_;

  // The match being read.
  int home_team_ = -1;  // the first team of the home side's name
  int away_team_ = -1;  // the first team of the away side's name; -1: none
  std::string_view home_name_;
  std::string_view away_name_;  // as read: the side may match no team
  bool has_away_ = false;       // the header names an away side
  SideTable sides_[2];
  std::vector<MomCandidate> candidates_;
  int candidates_met_ = 0;
  double highest_ = 0;  // highest fantavoto of the match so far
  double goals_[2] = {0, 0};
};

void CalendarReader::Read() {
  while (FindMatch() && ReadMatch()) {
  }
}

// Skips to the next line whose first field names a team, wherever it is:
// the calendar reads to the end of the file, "EOF" line or not. False at
// the end of the file.
bool CalendarReader::FindMatch() {
  std::string_view line;
  while (NextLine(line)) {
    std::string_view rest = line;
    std::string_view first = Trimmed(NextField(rest));
    if (first.empty() || !team_lengths_.Possible(first)) continue;
    int home = context_.league.FirstTeamNamed(first);
    if (home < 0) continue;
    home_team_ = home;
    home_name_ = context_.league.teams[home];
    away_name_ = Trimmed(NextField(rest));
    has_away_ = !away_name_.empty();
    int away = has_away_ ? context_.league.FirstTeamNamed(away_name_) : -1;
    away_team_ = away;
    return true;
  }
  return false;
}

// Reads one match after its header and logs it unless it breaks off. False
// when the file has ended.
bool CalendarReader::ReadMatch() {
  for (int side : {kHome, kAway}) {
    sides_[side].Clear();
    goals_[side] = 0;
  }
  candidates_.clear();
  candidates_met_ = 0;
  highest_ = 0;

  std::string_view titles;
  double scorer_goals[2] = {0, 0};
  Part players = NextLine(titles) ? ReadPlayers() : Part::kFileEnded;
  Part goals = players == Part::kFound ? ReadGoals(scorer_goals) : players;
  if (goals == Part::kFileEnded) {
    context_.log.Show("Il file " + day_.path + " finisce dentro la partita " +
                      MessageExcerpt(home_name_) + " - " + MessageExcerpt(away_name_) +
                      ": la partita non e' nel calendario");
    return false;
  }
  if (goals == Part::kBroken) {
    context_.log.Show("La partita " + MatchName() + " non ha la riga " +
                      (players == Part::kBroken ? "del punteggio" : "\"Gol\"") +
                      " prima delle sostituzioni: non e' nel calendario");
    return true;
  }
  bool file_goes_on = ReadExtraTime(scorer_goals);
  bool home_won = goals_[kAway] < goals_[kHome];
  bool away_won = goals_[kAway] > goals_[kHome];
  for (MomCandidate& candidate : candidates_) {
    candidate.won = candidate.home ? home_won : away_won;
  }
  MatchReport& m = context_.log.AddMatch();
  m.home_team = std::string(home_name_);
  m.away_team = std::string(away_name_);
  m.home_goals = goals_[kHome];
  m.away_goals = goals_[kAway];
  if (const MomCandidate* best = ChooseManOfTheMatch(context_, candidates_, highest_)) {
    context_.log.AddManOfTheMatch(best->name, best->season_row);
  }
  for (int side : {kHome, kAway}) {
    double goals_to_assign = scorer_goals[side];
    if (goals_to_assign > kMaxScorerGoals) {
      std::string team(TeamOf(Side(side)));
      context_.log.Warn("La partita " + MatchName() + " ha piu' di " +
                            std::to_string(kMaxScorerGoals) + " gol di " +
                            MessageExcerpt(team) + ": marcatori solo per i primi " +
                            std::to_string(kMaxScorerGoals),
                        "gol " + team + " " + MatchName());
      goals_to_assign = kMaxScorerGoals;
    }
    AssignScorers(context_, sides_[side], goals_to_assign, TeamOf(Side(side)), side == kHome);
  }
  return file_goes_on;
}

// Player lines up to the score line; an empty line or the substitutions
// before it break the match.
CalendarReader::Part CalendarReader::ReadPlayers() {
  std::string_view line;
  while (NextLine(line)) {
    // Split as a player line at once: most lines are one, and most are the
    // player lines of the rating's blocks, split already.
    const PlayerColumns* columns = day_.BlockColumnsAt(line, block_line_);
    if (columns == nullptr) {
      split_ = SplitPlayerLine(line);
      columns = &split_;
    }
    std::string_view first = columns->has_home ? columns->home.code : columns->away.code;
    if (first == "Parziale squadra" || first == "Totale squadra") {
      std::string_view rest = line;
      NextField(rest);
      ReadScore(rest);
      return Part::kFound;
    }
    if (first.empty() || StartsWithSost(first)) return Part::kBroken;
    ReadPlayerLine(*columns);
  }
  return Part::kFileEnded;
}

// Lines up to the goals line; the substitutions before it break the match.
CalendarReader::Part CalendarReader::ReadGoals(double scorer_goals[2]) {
  std::string_view line;
  while (NextLine(line)) {
    std::string_view rest = line;
    std::string_view first = NextField(rest);
    if (StartsWithSost(first)) return Part::kBroken;
    if (first != "Gol") continue;
    goals_[kHome] = scorer_goals[kHome] = LeadingNumber(NextField(rest));
    if (has_away_) {
      NextField(rest);
      goals_[kAway] = scorer_goals[kAway] = LeadingNumber(NextField(rest));
    }
    return Part::kFound;
  }
  return Part::kFileEnded;
}

// Extra-time and shoot-out goals up to the substitutions: they are shown in
// the result but get no scorer. False when the file ends first.
bool CalendarReader::ReadExtraTime(double scorer_goals[2]) {
  std::string_view line;
  while (NextLine(line)) {
    if (FirstFieldStartsWithSost(line)) return true;
    std::string_view rest = line;
    std::string_view first = NextField(rest);
    if (first != " (Gol T.S.) " && first != "Gol Rig.") continue;
    scorer_goals[kHome] -= LeadingNumber(NextField(rest));
    if (has_away_) {
      NextField(rest);
      scorer_goals[kAway] -= LeadingNumber(NextField(rest));
    }
  }
  return false;
}

// The goalkeepers share one line, told by its first code; a home
// goalkeeper is taken whatever his code says.
void CalendarReader::ReadPlayerLine(const PlayerColumns& columns) {
  // The first code is the first column's: read once for both uses.
  std::string_view first = columns.has_home ? columns.home.code : columns.away.code;
  RoleCode first_code = ReadRoleCode(first);
  bool goalkeepers = first_code.goalkeeper_line;
  if (columns.has_home) {
    if (goalkeepers) {
      RecordPlayer(kHome, true, columns.home);
    } else {
      ReadColumn(kHome, false, columns.home, first_code);
    }
  }
  if (has_away_) {
    RoleCode away_code = columns.has_home ? ReadRoleCode(columns.away.code) : first_code;
    ReadColumn(kAway, goalkeepers, columns.away, away_code);
  }
}

void CalendarReader::ReadColumn(Side side, bool goalkeeper, const PlayerColumn& column,
                                const RoleCode& code) {
  if (column.code.empty()) return;  // the line ends before this column
  if (code.left_out) return;
  RecordPlayer(side, goalkeeper, column);
}

void CalendarReader::RecordPlayer(Side side, bool goalkeeper, const PlayerColumn& column) {
  if (column.name.empty()) return;  // a column cut short names nobody
  std::string_view team = TeamOf(side);
  std::string_view role = goalkeeper ? std::string_view("P") : column.code.substr(0, 1);
  double fantavoto = DecimalNumber(column.fantavoto);

  int season_row = -1;
  if (++player_lines_ <= kMatchdayPlayers) {
    if (players_ != nullptr) players_->push_back({role, column.name, team, column.fantavoto});
    season_row = season_players_.Add(role, column.name, column.name_hash, team, fantavoto);
    if (season_row < 0) {
      context_.log.Warn("Totali di stagione pieni (" + std::to_string(kTallyPlayers) +
                            " giocatori): " + MessageExcerpt(column.name) +
                            " e gli altri nuovi giocatori non entrano nei Top 11 e Flop 11 "
                            "di stagione",
                        "totali di stagione pieni");
    }
  } else {
    context_.log.Warn("Il file " + day_.path + " ha piu' di " +
                          std::to_string(kMatchdayPlayers) +
                          " righe di giocatori: dalla riga di " + MessageExcerpt(column.name) +
                          " in poi non entrano nei Top 11 e Flop 11 ne' nei totali di stagione",
                      "giocatori della giornata " + day_.path);
  }

  if (!goalkeeper && !sides_[side].Full()) {
    // Filled in place: the slot is cleared, its vote is read only for a tie.
    SidePlayer& player = sides_[side].AddSlot();
    player.code = column.code;
    player.name = column.name;
    player.vote_text = column.vote;
    player.fantavoto = fantavoto;
    player.working = fantavoto;
    player.season_row = season_row;
    player.name_hash = column.name_hash;
  }
  ConsiderCandidate(side, role, column, fantavoto, season_row);
}

// Keeps every player who shares the highest fantavoto met so far; his vote
// is read only then.
void CalendarReader::ConsiderCandidate(Side side, std::string_view role,
                                       const PlayerColumn& column, double fantavoto,
                                       int season_row) {
  if (fantavoto < highest_) return;
  if (fantavoto > highest_) {
    candidates_.clear();
    candidates_met_ = 0;
  }
  highest_ = fantavoto;
  if (++candidates_met_ > kMomCandidates) {
    context_.log.Warn(
        "Nella partita " + MatchName() + " piu' di " + std::to_string(kMomCandidates) +
            " giocatori hanno il fantavoto piu' alto: il migliore in campo e' scelto "
            "tra i primi " + std::to_string(kMomCandidates),
        "candidati " + MatchName());
    return;
  }
  candidates_.push_back({column.name, TeamOf(side), role, DecimalNumber(column.vote),
                         ReadBack15(fantavoto), side == kHome, false, season_row,
                         column.name_hash});
}

// The scores of the fantasfiga deviations, booked once the season is rated.
void CalendarReader::ReadScore(std::string_view rest) {
  PendingScores scores{home_team_, has_away_ ? away_team_ : -1};
  scores.home_score = FloorThousandths(DecimalNumber(NextField(rest)));
  if (has_away_) {
    NextField(rest);
    scores.away_score = FloorThousandths(DecimalNumber(NextField(rest)));
  }
  context_.log.AddScores(scores);
}

}  // namespace

void CalendarReading::Read(const MatchdayExport& day, bool last) {
  log_.BeginDay(day.matchday, day.matches.size());
  CalendarContext context{league_, log_, scorers_, awards_};
  // Only the last matchday's players are wanted, by the rankings.
  if (!last) {
    CalendarReader(context, day, season_players_, nullptr).Read();
    return;
  }
  // The room of the last matchday's players is taken over: their views are
  // of the export just let go.
  std::vector<DayPlayer> players = std::move(last_players_);
  players.clear();
  CalendarReader(context, day, season_players_, &players).Read();
  last_players_ = std::move(players);
  last_bytes_ = day.bytes;
}

}  // namespace corvalis
