#include "rating/rating_reading.h"

#include <array>
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
        plays_(state.plays) {
    plays_.resize(league.num_teams() + 1);
    for (MatchdayPlay& play : plays_) play.Clear();
  }

  std::span<const MatchdayPlay> Read();

 private:
  enum Side { kHome = 0, kAway = 1 };

  // The rows a side's columns go to, found once per match.
  struct SideRows {
    int t = kUnset;
    TeamRating* team = nullptr;
    TeamMatchday* day = nullptr;
    MatchdayPlay* play = nullptr;
    const std::string* bench_team = nullptr;  // the team's name; null for the extra row
    bool extra = false;     // the extra row
    bool no_votes = false;  // no valid vote when the score line came
  };

  int Claim(int t);
  void SetSide(Side side, int t);
  void ReadMatch(const ExportMatch& match);
  void ReadScore(const ScoreLine& score);
  void ReadColumn(Side side, const PlayerColumn& column);
  Role ExtraRowRole(Role role);
  RosterPlayer* AddToRoster(Side side, const PlayerColumn& column, bool* added);
  void WarnRosterFull(Side side, const PlayerColumn& column);
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
  std::vector<MatchdayPlay>& plays_;  // the state's, the extra row's last

  PlayerColumns scratch_;  // a line beyond the export's table of split lines

  // The match being read.
  const ExportMatch* match_ = nullptr;
  SideRows sides_[2];
  int slot_ = 0;
  int role_weight_ = 1;
  bool bench_ = false;

  // The roles of the extra row's lines, slot by slot, over all its blocks.
  std::array<Role, kLineupSlots> extra_roles_;
  int extra_roles_size_ = 0;
};

// A team named in a header: its own row the first time in this export, the
// extra row when the export names it again.
int RatingReader::Claim(int t) {
  if (seen_[t]) return extra_row_;
  seen_[t] = true;
  return t;
}

std::span<const MatchdayPlay> RatingReader::Read() {
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
  return std::span<const MatchdayPlay>(plays_).first(plays_.size() - 1);
}

void RatingReader::ReadMatch(const ExportMatch& match) {
  match_ = &match;
  SetSide(kHome, Claim(league_.FirstTeamNamed(match.home_name)));
  // Every team of that name in turn: with names shared the last one wins.
  int away = kUnset;
  for (int t = 0; t < league_.num_teams(); ++t) {
    if (league_.teams[t] == match.away_name) away = Claim(t);
  }
  SetSide(kAway, away);
  slot_ = 0;
  role_weight_ = 1;
  bench_ = false;
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
    if (columns.has_home) ReadColumn(kHome, columns.home);
    if (away == kUnset) {
      // The away team is not in conf.txt: said once, and its column is not
      // read, since no row belongs to it.
      if (!away_problem_shown) {
        away_problem_shown = true;
        Warn("Problema con " + MessageExcerpt(match.away_name));
      }
    } else if (!match.away_name.empty()) {
      ReadColumn(kAway, columns.away);
    }
  }
}

void RatingReader::SetSide(Side side, int t) {
  SideRows& rows = sides_[side];
  rows.t = t;
  rows.no_votes = false;
  if (t == kUnset) return;
  rows.team = &Team(t);
  rows.day = &rows.team->days[g_];
  rows.play = &plays_[t];
  rows.extra = t == extra_row_;
  rows.bench_team = rows.extra ? nullptr : &league_.teams[t];
}

void RatingReader::ReadScore(const ScoreLine& score) {
  role_weight_ = 0;
  auto valid_votes = [&](int t) { return Team(t).days[g_].valid_votes; };
  int home = sides_[kHome].t;
  int away = sides_[kAway].t;
  if (valid_votes(home) == 0) sides_[kHome].no_votes = true;
  if (away != kUnset && valid_votes(away) == 0) sides_[kAway].no_votes = true;
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

// The role of the extra row's line in this slot: a line without one takes
// the role an earlier block's line left there, if any.
Role RatingReader::ExtraRowRole(Role role) {
  while (extra_roles_size_ < slot_) extra_roles_[extra_roles_size_++] = Role::kNone;
  Role& slot_role = extra_roles_[slot_ - 1];
  if (role != Role::kNone) slot_role = role;
  return slot_role;
}

// Whether a bonus field is above zero as LeadsAboveZero reads it, the
// columns of placeholder lines ("--", "") told without a call.
bool BonusAboveZero(std::string_view bonus) {
  if (bonus.empty() || (bonus.size() == 2 && bonus[0] == '-' && bonus[1] == '-')) return false;
  return LeadsAboveZero(bonus);
}

// DecimalNumber of a fantavoto, the placeholders' ("--", "") told without a
// call: both read as no number, 0.
double FantavotoNumber(std::string_view vote) {
  if (vote.empty() || (vote.size() == 2 && vote[0] == '-' && vote[1] == '-')) return 0;
  return DecimalNumber(vote);
}

void RatingReader::ReadColumn(Side side, const PlayerColumn& column) {
  SideRows& rows = sides_[side];
  RoleCode code = ReadRoleCode(column.code);
  Role role = code.role;
  bool in_lineup = slot_ <= kLineupSlots;
  if (in_lineup && rows.extra) role = ExtraRowRole(role);
  TeamRating& team = *rows.team;
  TeamMatchday& day = *rows.day;
  if (code.fielded != Role::kNone) {
    day.fielded[static_cast<int>(code.fielded) - static_cast<int>(Role::kDefender)] +=
        role_weight_;
  }
  team.fielded_any = true;

  if (BonusAboveZero(column.bonus)) {
    double value = DecimalNumber(column.bonus);
    team.positive_lines += 1;
    team.positive_sum += value;
    if (code.substitute || bench_) team.substitute_sum += value;
  }

  std::string_view vote = column.fantavoto;
  bool no_vote = vote == "sv/ng";
  double number = no_vote ? kNoVote : FantavotoNumber(vote);
  if (number != kNoVote && role != Role::kNone) {
    if (!rows.no_votes) day.valid_votes += 1;
    // The extra row's lineup is not rated.
    if (in_lineup && !rows.extra) rows.play->lineup.Add(role, number);
  }

  // What the column does to the roster: a starter with a vote counts a
  // start, a bench column without one a listing; other named columns only
  // keep the player there.
  std::string_view text = column.code;
  bool placeholder =
      code.role == Role::kNone && (text.empty() || text == "--" || text == "EOF");
  enum RosterUse { kNothing, kKeep, kStart, kListing } use;
  if (no_vote) {
    // Even a nameless bench column: it finds the first free slot.
    use = bench_ && !placeholder ? kListing : kNothing;
  } else if (!bench_ && !placeholder) {
    use = kStart;
    team.roster_named = true;
  } else {
    use = column.name.empty() ? kNothing : kKeep;
  }
  if (use != kNothing) {
    // One lookup, inline: most columns find their player.
    bool added = false;
    RosterPlayer* player = team.roster.Find(column.name, column.name_hash);
    if (player == nullptr) player = AddToRoster(side, column, &added);
    if (player != nullptr) {
      if (use == kStart) {
        // A new player's counts start at one, even in a slot that a nameless
        // line left counts in.
        player->starts = added ? 1 : player->starts + 1;
        if (EndsWith(text, 'R')) player->subs_in = added ? 1 : player->subs_in + 1;
      } else if (use == kListing && EndsWith(text, 's')) {
        player->bench_listings += 1;
      }
    }
  }

  if (bench_ && !no_vote && vote != "999" && !(side == kAway && vote.empty()) &&
      rows.bench_team != nullptr) {
    BenchVotes& votes = state_.rating.bench_votes;
    if (BenchVotePlayer* player = votes.Find(column.name, column.name_hash, *rows.bench_team)) {
      BenchVotes::AddVote(*player, number);
    } else if (!votes.Record(column.name, column.name_hash, column.code, vote,
                             *rows.bench_team)) {
      WarnBenchVotesFull(column);
    }
  }
}

void RatingReader::WarnBenchVotesFull(const PlayerColumn& column) {
  state_.warned.Warn(env_,
                     "Registro dei voti dalla panchina pieno (" +
                         std::to_string(kBenchVotePlayers) + " giocatori): " +
                         MessageExcerpt(column.name) +
                         " e i successivi non sono registrati (file " + day_.path + ")",
                     "registro pieno");
}

// The player's slot in the side's roster when Find has none: a new one, or
// the first free one for a nameless column; null, and said once, when the
// roster is full.
RosterPlayer* RatingReader::AddToRoster(Side side, const PlayerColumn& column, bool* added) {
  Roster& roster = sides_[side].team->roster;
  RosterPlayer* player = roster.FindOrAdd(column.name, column.name_hash, column.code, added);
  if (player == nullptr) WarnRosterFull(side, column);
  return player;
}

void RatingReader::WarnRosterFull(Side side, const PlayerColumn& column) {
  int t = sides_[side].t;
  state_.warned.Warn(env_,
                     "Rosa di " + MessageExcerpt(NameOf(side)) + " piena (" +
                         std::to_string(kRosterPlayers) + " giocatori): " +
                         MessageExcerpt(column.name) +
                         " e i successivi non entrano nelle presenze (file " + day_.path + ")",
                     "rosa piena " + std::to_string(t));
}

}  // namespace

std::span<const MatchdayPlay> ReadForRating(Env& env, const League& league,
                                            const MatchdayExport& day,
                                            RatingReadingState& state) {
  return RatingReader(env, league, day, state).Read();
}

}  // namespace corvalis
