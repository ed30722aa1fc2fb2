#include "rating/rating_reading.h"

#include <string>

#include "input/role_code.h"
#include "util/run_stop.h"
#include "util/text.h"

namespace corvalis {
namespace {

const char kNoBenchMessage[] =
    "Probabile errore di esportazione risultati, senza panchina e tribuna";

constexpr int kUnset = -1;

bool EndsWith(std::string_view text, char c) { return !text.empty() && text.back() == c; }

class RatingReader {
 public:
  RatingReader(Env& env, const League& league, const MatchdayExport& day,
               RatingReadingState& state)
      : env_(env),
        league_(league),
        day_(day),
        g_(day.matchday),
        state_(state),
        extra_row_(league.num_teams()),
        seen_(league.num_teams(), false),
        plays_(league.num_teams() + 1) {}

  std::vector<MatchdayPlay> Read();

 private:
  enum Side { kHome = 0, kAway = 1 };

  int Claim(int t);
  void ReadMatch(const ExportMatch& match);
  void ReadScore(const ScoreLine& score);
  void ReadColumn(Side side, int t, const PlayerColumn& column);
  void UpdateRoster(Side side, int t, const PlayerColumn& column, bool no_vote);
  RosterPlayer* FindOrAdd(Side side, int t, const PlayerColumn& column, bool* added);
  void WarnRosterFull(Side side, int t, const PlayerColumn& column);
  void WarnBenchVotesFull(const PlayerColumn& column);
  TeamRating& Team(int t) { return state_.rating.teams[t]; }
  std::string_view NameOf(Side side) const {
    return side == kHome ? match_->home_name : match_->away_name;
  }
  void Warn(const std::string& text) { env_.ShowMessage(text, MessageKind::kWarning); }

  Env& env_;
  const League& league_;
  const MatchdayExport& day_;
  const int g_;
  RatingReadingState& state_;
  const int extra_row_;
  std::vector<bool> seen_;
  std::vector<MatchdayPlay> plays_;

  PlayerColumns scratch_;  // a line beyond the export's table of split lines

  // The match being read.
  const ExportMatch* match_ = nullptr;
  int team_[2] = {kUnset, kUnset};
  int slot_ = 0;
  int role_weight_ = 1;
  bool bench_ = false;
  bool no_votes_[2] = {false, false};
};

// A team named in a header: its own row the first time in this export, the
// extra row when the export names it again.
int RatingReader::Claim(int t) {
  if (seen_[t]) return extra_row_;
  seen_[t] = true;
  return t;
}

std::vector<MatchdayPlay> RatingReader::Read() {
  for (const ExportMatch& match : day_.matches) ReadMatch(match);
  switch (day_.end) {
    case ExportEnd::kWithoutEofLine:
      Warn("Squadra non riconosciuta " + MessageExcerpt(day_.end_text));
      break;
    case ExportEnd::kUnknownTeam:
      throw RunStop("Probabile errore nel conf.txt su --> " + MessageExcerpt(day_.end_text),
                    kExitInputMessage);
    default:
      break;
  }
  plays_.pop_back();  // the extra row's
  return std::move(plays_);
}

void RatingReader::ReadMatch(const ExportMatch& match) {
  match_ = &match;
  team_[kHome] = Claim(league_.FirstTeamNamed(match.home_name));
  // Every team of that name in turn: with names shared the last one wins.
  team_[kAway] = kUnset;
  for (int t = 0; t < league_.num_teams(); ++t) {
    if (league_.teams[t] == match.away_name) team_[kAway] = Claim(t);
  }
  slot_ = 0;
  role_weight_ = 1;
  bench_ = false;
  no_votes_[kHome] = no_votes_[kAway] = false;
  bool away_problem_shown = false;
  size_t score = 0;
  for (const BlockLine& line : match.lines) {
    if (line.kind() == BlockLine::kScore) {
      ReadScore(match.scores[score++]);
      continue;
    }
    ++slot_;
    if (slot_ == kLineupSlots + 1) {
      std::string text = "La partita " + MessageExcerpt(match.home_name) + " - " +
                         MessageExcerpt(match.away_name) + " ha oltre " +
                         std::to_string(kLineupSlots) +
                         " righe di giocatori: le successive non entrano nella "
                         "formazione (file " + day_.path + ")";
      state_.warned.Warn(env_, text, text);
    }
    const PlayerColumns& columns = day_.Columns(line, scratch_);
    if (columns.has_home) ReadColumn(kHome, team_[kHome], columns.home);
    if (team_[kAway] == kUnset) {
      // The away team is not in conf.txt: said once, and its column is not
      // read, since no row belongs to it.
      if (!away_problem_shown) {
        away_problem_shown = true;
        Warn("Problema con " + MessageExcerpt(match.away_name));
      }
    } else if (!match.away_name.empty()) {
      ReadColumn(kAway, team_[kAway], columns.away);
    }
  }
}

void RatingReader::ReadScore(const ScoreLine& score) {
  role_weight_ = 0;
  auto valid_votes = [&](int t) { return Team(t).days[g_].valid_votes; };
  int home = team_[kHome];
  int away = team_[kAway];
  if (valid_votes(home) == 0) no_votes_[kHome] = true;
  if (away != kUnset && valid_votes(away) == 0) no_votes_[kAway] = true;
  auto store = [&](int t, double value) {
    plays_[t].score = FloorThousandths(value);
    Team(t).score_sum += value;
    Team(t).matches += 1;
  };
  if (valid_votes(home) != 0) store(home, DecimalNumber(score.home));
  if (away != kUnset && !match_->away_name.empty() && valid_votes(away) != 0) {
    store(away, DecimalNumber(score.away));
  }
  if (!score.bench_title_found) throw RunStop(kNoBenchMessage, kExitInputMessage);
  bench_ = true;
}

void RatingReader::ReadColumn(Side side, int t, const PlayerColumn& column) {
  RoleCode code = ReadRoleCode(column.code);
  Role role = code.role;
  MatchdayPlay& play = plays_[t];
  if (slot_ <= kLineupSlots) {
    LineupEntry& entry = play.Slot(slot_);
    // The extra row may hold an earlier block's line in this slot.
    if (code.role != Role::kNone) entry.role = code.role;
    role = entry.role;
  }
  TeamRating& team = Team(t);
  TeamMatchday& day = team.days[g_];
  if (code.fielded != Role::kNone) {
    day.fielded[static_cast<int>(code.fielded) - static_cast<int>(Role::kDefender)] +=
        role_weight_;
  }
  team.fielded_any = true;

  if (LeadsAboveZero(column.bonus)) {
    double value = DecimalNumber(column.bonus);
    team.positive_lines += 1;
    team.positive_sum += value;
    if (code.substitute || bench_) team.substitute_sum += value;
  }

  bool no_vote = column.fantavoto == "sv/ng";
  double number = no_vote ? kNoVote : DecimalNumber(column.fantavoto);
  UpdateRoster(side, t, column, no_vote);
  bool recorded = !no_vote && column.fantavoto != "999";
  if (bench_ && recorded && !(side == kAway && column.fantavoto.empty()) && t != extra_row_) {
    BenchVotes& votes = state_.rating.bench_votes;
    const std::string& team_name = league_.teams[t];
    if (BenchVotePlayer* player = votes.Find(column.name, column.name_hash, team_name)) {
      BenchVotes::AddVote(*player, number);
    } else if (!votes.Record(column.name, column.name_hash, column.code, column.fantavoto,
                             team_name)) {
      WarnBenchVotesFull(column);
    }
  }

  if (slot_ <= kLineupSlots) play.lineup[slot_ - 1].vote = number;
  if (number != kNoVote && !no_votes_[side] && role != Role::kNone) day.valid_votes += 1;
}

void RatingReader::WarnBenchVotesFull(const PlayerColumn& column) {
  state_.warned.Warn(env_,
                     "Registro dei voti dalla panchina pieno (" +
                         std::to_string(kBenchVotePlayers) + " giocatori): " +
                         MessageExcerpt(column.name) +
                         " e i successivi non sono registrati (file " + day_.path + ")",
                     "registro pieno");
}

void RatingReader::UpdateRoster(Side side, int t, const PlayerColumn& column, bool no_vote) {
  std::string_view code = column.code;
  bool placeholder = code.empty() || code == "--" || code == "EOF";
  bool start = false;
  if (no_vote) {
    if (!bench_ || placeholder) return;
  } else if (!bench_ && !placeholder) {
    Team(t).roster_named = true;
    start = true;
  } else if (column.name.empty()) {
    return;
  }
  // One lookup for every case: most columns find their player.
  bool added = false;
  RosterPlayer* player = FindOrAdd(side, t, column, &added);
  if (player == nullptr) return;
  if (start) {
    // A new player's counts start at one, even in a slot that a nameless
    // line left counts in.
    player->starts = added ? 1 : player->starts + 1;
    if (EndsWith(code, 'R')) player->subs_in = added ? 1 : player->subs_in + 1;
  } else if (no_vote && EndsWith(code, 's')) {
    player->bench_listings += 1;
  }
}

RosterPlayer* RatingReader::FindOrAdd(Side side, int t, const PlayerColumn& column,
                                      bool* added) {
  Roster& roster = Team(t).roster;
  if (RosterPlayer* player = roster.Find(column.name, column.name_hash)) return player;
  RosterPlayer* player = roster.FindOrAdd(column.name, column.name_hash, column.code, added);
  if (player == nullptr) WarnRosterFull(side, t, column);
  return player;
}

void RatingReader::WarnRosterFull(Side side, int t, const PlayerColumn& column) {
  state_.warned.Warn(env_,
                     "Rosa di " + MessageExcerpt(NameOf(side)) + " piena (" +
                         std::to_string(kRosterPlayers) + " giocatori): " +
                         MessageExcerpt(column.name) +
                         " e i successivi non entrano nelle presenze (file " + day_.path + ")",
                     "rosa piena " + std::to_string(t));
}

}  // namespace

std::vector<MatchdayPlay> ReadForRating(Env& env, const League& league,
                                        const MatchdayExport& day, RatingReadingState& state) {
  return RatingReader(env, league, day, state).Read();
}

}  // namespace corvalis
