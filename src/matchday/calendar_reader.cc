#include "matchday/calendar_reader.h"

#include <string_view>

#include "matchday/man_of_the_match.h"
#include "matchday/scorers.h"
#include "matchday/season_tallies.h"
#include "util/encoding.h"
#include "util/rank_rows.h"
#include "util/text.h"
#include "store/warnings.h"

namespace corvalis {
namespace {

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

bool IsGoalkeeperCode(std::string_view code) {
  return code == "P" || code == "PU" || code == "PR";
}

// A placeholder ("--") or a player whose line does not count ("DU", ...).
bool IsSkippedCode(std::string_view code) {
  return code == "--" || (!code.empty() && code.back() == 'U');
}

class CalendarReader {
 public:
  CalendarReader(const TextLines& lines, const std::string& file, Env& env,
                 SeasonStore& store, SeasonTotals& season_totals)
      : lines_(lines), file_(file), env_(env), store_(store), season_totals_(season_totals) {}

  MatchdayReport Read(int g);

 private:
  enum Side { kHome = 0, kAway = 1 };
  enum class Part { kFound, kBroken, kFileEnded };

  bool NextLine(std::string_view& line) {
    if (next_ == lines_.size()) return false;
    line = lines_[next_++];
    return true;
  }

  bool FindMatch();
  bool ReadBlock(MatchdayReport& day);
  Part ReadPlayers();
  void ReadPlayerLine(std::string_view first, int tabs, std::string_view rest);
  void ReadColumn(Side side, bool goalkeeper, std::string_view code, std::string_view& rest);
  void RecordPlayer(Side side, bool goalkeeper, std::string_view code, std::string_view& rest);
  void ConsiderCandidate(const std::string& name, const std::string& team,
                         const std::string& vote, double fantavoto, const std::string& role,
                         Side side);
  void ReadScoreLine(std::string_view rest);
  Part ReadGoals();
  bool ReadExtraTime();
  void MarkWinners();
  MatchReport Report(const std::string& man_of_the_match);
  std::string AssignSide(Side side);
  std::string CreditsText() const;

  const std::string& TeamOf(Side side) const {
    return side == kHome ? store_.home_team_name : store_.away_team_name;
  }
  TextTable& TableOf(Side side) {
    return side == kHome ? store_.matchPlayersHome : store_.matchPlayersAway;
  }
  std::string MatchName() const {
    return MessageExcerpt(store_.home_team_name) + " - " +
           MessageExcerpt(store_.away_team_name) + " del file " + file_;
  }
  void Warn(const std::string& text) { env_.ShowMessage(text, MessageKind::kWarning); }

  const TextLines& lines_;
  const std::string& file_;
  Env& env_;
  SeasonStore& store_;
  SeasonTotals& season_totals_;
  size_t next_ = 0;

  // The match being read.
  int home_ = kUnsetTeam;
  int away_ = kUnsetTeam;
  bool has_away_ = false;  // the header names an away side
  int side_rows_[2] = {0, 0};
  int candidates_ = 0;
  double highest_ = 0;  // highest fantavoto of the match so far
  double goals_[2] = {0, 0};
  double scorer_goals_[2] = {0, 0};  // less extra-time and shoot-out goals
};

MatchdayReport CalendarReader::Read(int g) {
  MatchdayReport day;
  day.matchday = g;
  store_.teamSeen.Clear();
  store_.matchdayPlayers.Clear();
  store_.flopCandidates.Clear();
  store_.elevenTable.Clear();
  store_.player_line_count = 0;
  store_.match_index = 0;
  while (FindMatch() && ReadBlock(day)) {
  }
  return day;
}

// Skips to the next match header. False at the end of the file.
bool CalendarReader::FindMatch() {
  std::string_view line;
  while (NextLine(line)) {
    std::string_view rest = line;
    std::string first = TrimSpaces(NextField(rest));
    if (first.empty()) continue;
    home_ = kUnsetTeam;
    for (int t = 1; t <= store_.num_teams && home_ == kUnsetTeam; ++t) {
      if (store_.teamName[t] == first) home_ = t;
    }
    if (home_ == kUnsetTeam) continue;
    store_.teamSeen[home_] = 1;
    store_.home_team_name = store_.teamName[home_];

    // Trimmed, as the results reader takes it, so that both readings agree
    // on the away team. With duplicate names the last one wins.
    std::string away_name = TrimSpaces(NextField(rest));
    has_away_ = !away_name.empty();
    away_ = kUnsetTeam;
    for (int t = 1; t <= store_.num_teams && has_away_; ++t) {
      if (store_.teamName[t] == away_name) away_ = t;
    }
    if (away_ != kUnsetTeam) store_.teamSeen[away_] = 1;
    // An away side that matches no team keeps the name as read.
    store_.away_team_name = away_name;
    return true;
  }
  return false;
}

// Reads one match block after its header and adds the match to `day`
// unless the block breaks off. False when the file has ended.
bool CalendarReader::ReadBlock(MatchdayReport& day) {
  std::string_view titles;
  bool titles_read = NextLine(titles);
  store_.matchPlayersHome.Clear();
  store_.matchPlayersAway.Clear();
  store_.momCandidates.Clear();
  side_rows_[kHome] = side_rows_[kAway] = 0;
  candidates_ = 0;
  highest_ = 0;
  goals_[kHome] = goals_[kAway] = 0;
  ++store_.match_index;

  Part players = titles_read ? ReadPlayers() : Part::kFileEnded;
  Part goals = players == Part::kFound ? ReadGoals() : players;
  if (goals == Part::kFileEnded) {
    Warn("Il file " + file_ + " finisce dentro la partita " +
         MessageExcerpt(store_.home_team_name) + " - " +
         MessageExcerpt(store_.away_team_name) + ": la partita non e' nel calendario");
    return false;
  }
  if (goals == Part::kBroken) {
    Warn("La partita " + MatchName() + " non ha la riga " +
         (players == Part::kBroken ? "del punteggio" : "\"Gol\"") +
         " prima delle sostituzioni: non e' nel calendario");
    return true;
  }

  MarkWinners();
  std::string man_of_the_match = ChooseManOfTheMatch(env_, store_, highest_);
  scorer_goals_[kHome] = goals_[kHome];
  scorer_goals_[kAway] = goals_[kAway];
  bool file_goes_on = ReadExtraTime();
  day.matches.push_back(Report(man_of_the_match));
  return file_goes_on;
}

// Player lines up to the score line.
CalendarReader::Part CalendarReader::ReadPlayers() {
  std::string_view line;
  while (NextLine(line)) {
    std::string_view rest = line;
    int tabs = 0;
    std::string_view first = NextField(rest, tabs);
    if (first == "Parziale squadra" || first == "Totale squadra") {
      ReadScoreLine(rest);
      return Part::kFound;
    }
    // An empty line or the substitutions: the block ended without scores.
    if (first.empty() || StartsWith(first, "Sost")) return Part::kBroken;
    ReadPlayerLine(first, tabs, rest);
  }
  return Part::kFileEnded;
}

// The home column comes first when the line begins with exactly one tab
// (as the results reader decides); otherwise the first field is already
// the away column's. The goalkeepers share one line, told by the home code.
void CalendarReader::ReadPlayerLine(std::string_view first, int tabs, std::string_view rest) {
  bool goalkeepers = IsGoalkeeperCode(first);
  std::string_view away_code = first;
  if (tabs == 2) {
    if (goalkeepers) {
      RecordPlayer(kHome, true, first, rest);
    } else {
      ReadColumn(kHome, false, first, rest);
    }
    away_code = NextField(rest);
  }
  if (has_away_) ReadColumn(kAway, goalkeepers, away_code, rest);
}

void CalendarReader::ReadColumn(Side side, bool goalkeeper, std::string_view code,
                                std::string_view& rest) {
  if (code.empty()) return;  // the line ends before this column
  if (IsSkippedCode(code)) {
    for (int i = 0; i < 4; ++i) NextField(rest);
    return;
  }
  RecordPlayer(side, goalkeeper, code, rest);
}

void CalendarReader::RecordPlayer(Side side, bool goalkeeper, std::string_view code,
                                  std::string_view& rest) {
  std::string name(NextField(rest));
  std::string vote = CommaToPoint(NextField(rest));
  NextField(rest);  // bonus
  std::string fantavoto = CommaToPoint(NextField(rest));
  if (name.empty()) return;  // a column cut short names nobody
  const std::string& team = TeamOf(side);
  std::string role = goalkeeper ? "P" : std::string(code.substr(0, 1));

  int n = ++store_.player_line_count;
  if (n <= kPlayerRows) {
    TextTable& day = store_.matchdayPlayers;
    day.at(n, 1) = role;
    day.at(n, 2) = name;
    day.at(n, 3) = team;
    day.at(n, 4) = fantavoto;
    season_totals_.Add(env_, n);
  } else {
    WarnOnce(env_, store_,
             "Il file " + file_ + " ha piu' di " + std::to_string(kPlayerRows) +
                 " righe di giocatori: dalla riga di " + MessageExcerpt(name) +
                 " in poi non entrano nei Top 11 e Flop 11 ne' nei totali di stagione",
             "giocatori della giornata " + file_);
  }

  if (!goalkeeper) {
    TextTable& table = TableOf(side);
    int r = ++side_rows_[side];
    if (r < table.rows()) {
      table.at(r, 1) = std::string(code);
      table.at(r, 2) = name;
      table.at(r, 3) = vote;
      table.at(r, 4) = fantavoto;
      table.at(r, 5) = fantavoto;
    }
  }
  ConsiderCandidate(name, team, vote, LeadingNumber(fantavoto), role, side);
}

// Keeps every player who shares the highest fantavoto met so far.
void CalendarReader::ConsiderCandidate(const std::string& name, const std::string& team,
                                       const std::string& vote, double fantavoto,
                                       const std::string& role, Side side) {
  if (fantavoto < highest_) return;
  if (fantavoto > highest_) {
    store_.momCandidates.Clear();
    candidates_ = 0;
  }
  highest_ = fantavoto;
  int r = ++candidates_;
  if (r > kMomCandidates) {
    WarnOnce(env_, store_,
             "Nella partita " + MatchName() + " piu' di " + std::to_string(kMomCandidates) +
                 " giocatori hanno il fantavoto piu' alto: il migliore in campo e' scelto "
                 "tra i primi " + std::to_string(kMomCandidates),
             "candidati " + MatchName());
    return;
  }
  TextTable& c = store_.momCandidates;
  c.at(r, 1) = name;
  c.at(r, 2) = team;
  c.at(r, 3) = vote;
  c.at(r, 4) = NumberText(fantavoto);
  c.at(r, 5) = role;
  c.at(r, 6) = side == kHome ? "Casa" : "Fuori";
}

void CalendarReader::ReadScoreLine(std::string_view rest) {
  store_.teamParziale[home_] = FloorThousandths(LeadingNumber(CommaToPoint(NextField(rest))));
  if (has_away_) {
    NextField(rest);
    double away = LeadingNumber(CommaToPoint(NextField(rest)));
    if (away_ != kUnsetTeam) store_.teamParziale[away_] = FloorThousandths(away);
  }
  AccumulateLuck(store_, home_, away_);
}

// Lines up to the goals line; the substitutions before it break the block.
CalendarReader::Part CalendarReader::ReadGoals() {
  std::string_view line;
  while (NextLine(line)) {
    std::string_view rest = line;
    std::string_view first = NextField(rest);
    if (StartsWith(first, "Sost")) return Part::kBroken;
    if (first != "Gol") continue;
    goals_[kHome] = LeadingNumber(NextField(rest));
    if (has_away_) {
      NextField(rest);
      goals_[kAway] = LeadingNumber(NextField(rest));
    }
    return Part::kFound;
  }
  return Part::kFileEnded;
}

// Extra-time and shoot-out goals up to the substitutions: they are shown in
// the result but get no scorer. False when the file ends first.
bool CalendarReader::ReadExtraTime() {
  std::string_view line;
  while (NextLine(line)) {
    std::string_view rest = line;
    std::string_view first = NextField(rest);
    if (StartsWith(first, "Sost")) return true;
    if (first != " (Gol T.S.) " && first != "Gol Rig.") continue;
    scorer_goals_[kHome] -= LeadingNumber(NextField(rest));
    if (has_away_) {
      NextField(rest);
      scorer_goals_[kAway] -= LeadingNumber(NextField(rest));
    }
  }
  return false;
}

void CalendarReader::MarkWinners() {
  const char* winner = goals_[kAway] < goals_[kHome]   ? "Casa"
                       : goals_[kAway] > goals_[kHome] ? "Fuori"
                                                       : nullptr;
  if (winner == nullptr) return;
  TextTable& c = store_.momCandidates;
  for (int r = 1; r <= kMomCandidates; ++r) {
    if (c.at(r, 6) == winner) c.at(r, 6) = std::string("1");
  }
}

MatchReport CalendarReader::Report(const std::string& man_of_the_match) {
  MatchReport m;
  m.home_team = store_.home_team_name;
  m.away_team = store_.away_team_name;
  m.home_goals = goals_[kHome];
  m.away_goals = goals_[kAway];
  RankRows(store_.matchPlayersHome, kScorerRows, 4, 5);
  RankRows(store_.matchPlayersAway, kScorerRows, 4, 5);
  m.home_scorers = AssignSide(kHome);
  m.away_scorers = AssignSide(kAway);
  m.credits = CreditsText();
  m.man_of_the_match = TrimSpaces(FirstAsIsRestLower(man_of_the_match, store_.encoding));
  return m;
}

std::string CalendarReader::AssignSide(Side side) {
  double goals = scorer_goals_[side];
  if (goals > kMaxScorerGoals) {
    WarnOnce(env_, store_,
             "La partita " + MatchName() + " ha piu' di " + std::to_string(kMaxScorerGoals) +
                 " gol di " + MessageExcerpt(TeamOf(side)) + ": marcatori solo per i primi " +
                 std::to_string(kMaxScorerGoals),
             "gol " + TeamOf(side) + " " + MatchName());
    goals = kMaxScorerGoals;
  }
  store_.scorer_list.clear();
  store_.scoring_side = side == kHome ? 0 : 1;
  AssignScorers(env_, store_, TableOf(side), goals);
  return store_.scorer_list;
}

std::string CalendarReader::CreditsText() const {
  if (!store_.credits_available) return "";
  const TextTable& sheet = store_.matchSheet;
  std::string text;
  for (int n = 1; n < sheet.rows(); ++n) {
    if (sheet.at(n, 1) == store_.home_team_name && sheet.at(n, 5) == store_.away_team_name) {
      text = sheet.at(n, 4) + " Cred: " + sheet.at(n, 3);
      break;
    }
  }
  return "    Spet:" + text;
}

}  // namespace

MatchdayReport ReadCalendarMatchday(const TextLines& lines,
                                    const std::string& file, int g, Env& env,
                                    SeasonStore& store, SeasonTotals* totals) {
  if (totals != nullptr) return CalendarReader(lines, file, env, store, *totals).Read(g);
  SeasonTotals own(store);
  return CalendarReader(lines, file, env, store, own).Read(g);
}

}  // namespace corvalis
