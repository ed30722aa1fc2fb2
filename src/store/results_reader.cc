#include "store/results_reader.h"

#include <string_view>

#include "platform/file_names.h"
#include "store/bench_vote_register.h"
#include "util/run_stop.h"
#include "store/source_files.h"
#include "util/text.h"
#include "store/warnings.h"

namespace corvalis {
namespace {

const char kBenchTitle[] = "Sostituiti, panchina e tribuna";
const char kNoBenchMessage[] =
    "Probabile errore di esportazione risultati, senza panchina e tribuna";

bool EndsWith(std::string_view text, char c) { return !text.empty() && text.back() == c; }

bool IsSubstituteCode(std::string_view code) {
  return code == "PR" || code == "DR" || code == "CR" || code == "AR";
}

// Lineup role and the role-count column a code adds to (0 = none).
struct RoleEffect {
  int role = kNoRole;
  int count_column = 0;
};

RoleEffect EffectOf(std::string_view code) {
  if (code == "P" || code == "PR" || code == "p") return {kGoalkeeper, 0};
  if (code == "D" || code == "DR" || code == "d") return {kDefender, kRcDefenders};
  if (code == "C" || code == "CR" || code == "c") return {kMidfielder, kRcMidfielders};
  if (code == "A" || code == "AR" || code == "a") return {kForward, kRcForwards};
  if (code == "DU") return {kNoRole, kRcDefenders};
  if (code == "CU") return {kNoRole, kRcMidfielders};
  if (code == "AU") return {kNoRole, kRcForwards};
  return {};
}

class ResultsReader {
 public:
  ResultsReader(const TextLines& lines, const std::string& file,
                Env& env, SeasonStore& store, BenchVoteRegister& bench_votes)
      : lines_(lines),
        file_(file),
        env_(env),
        store_(store),
        g_(store.giornata),
        register_(bench_votes) {}

  void Read();

 private:
  enum Side { kHome, kAway };

  bool NextLine(std::string_view& line) {
    if (next_ == lines_.size()) return false;
    line = lines_[next_++];
    return true;
  }

  int ClaimTeam(int t);
  bool ReadBlock();
  void ReadScoreLine(std::string_view rest);
  void FindBenchTitle();
  void ReadPlayerColumn(Side side, int t, std::string_view code,
                        std::string_view& rest);
  void UpdateRoster(Side side, int t, std::string_view code, const std::string& name,
                    bool no_vote);
  RosterEntry* FindOrAddRosterPlayer(Side side, int t, const std::string& name,
                                     std::string_view code, bool* added);
  // The team of a side as the header names it; also for a repeated block,
  // whose rows belong to the overflow row and not to the team.
  const std::string& TeamOf(Side side) const {
    return side == kHome ? home_name_ : away_name_;
  }
  void Warn(const std::string& text) { env_.ShowMessage(text, MessageKind::kWarning); }

  const TextLines& lines_;
  const std::string& file_;
  Env& env_;
  SeasonStore& store_;
  const int g_;
  BenchVoteRegister& register_;
  size_t next_ = 0;

  int home_ = kUnsetTeam;
  int away_ = kUnsetTeam;
  std::string home_name_;
  std::string away_name_;
  std::string last_examined_;  // shown when the file ends without "EOF"

  int slot_ = 0;
  int role_weight_ = 1;
  bool bench_ = false;
  bool no_votes_[2] = {false, false};
  bool away_problem_shown_ = false;
};

// A team named in a header: its own row the first time in this file, the
// overflow row when the file names it again.
int ResultsReader::ClaimTeam(int t) {
  if (store_.teamSeen[t] != 0) return kOverflowTeam;
  store_.teamSeen[t] = 1;
  return t;
}

void ResultsReader::Read() {
  std::string last_unmatched;
  std::string_view line;
  while (NextLine(line)) {
    std::string_view rest = line;
    std::string first = TrimSpaces(NextField(rest));
    last_examined_ = first;
    if (first == "EOF") return;

    // An empty first field heads no match, even beside a team that conf.txt
    // leaves without a name.
    int header_team = 0;
    for (int t = 1; t <= store_.num_teams && !first.empty(); ++t) {
      if (store_.teamName[t] == first) {
        header_team = t;
        break;
      }
    }
    if (header_team != 0) {
      home_ = ClaimTeam(header_team);
      home_name_ = first;
      away_name_ = TrimSpaces(NextField(rest));
      away_ = kUnsetTeam;
      for (int t = 1; t <= store_.num_teams; ++t) {
        if (store_.teamName[t] == away_name_) away_ = ClaimTeam(t);
      }
      if (!ReadBlock()) return;  // the file ended inside the block
      last_examined_ = away_name_;
      continue;
    }
    if (first == "R" && !last_unmatched.empty()) {
      throw RunStop("Probabile errore nel conf.txt su --> " + MessageExcerpt(last_unmatched),
                    kExitInputMessage);
    }
    last_unmatched = first;
  }
  Warn("Squadra non riconosciuta " + MessageExcerpt(last_examined_));
}

// Reads one match block after its header. Returns false when the file ends
// inside it.
bool ResultsReader::ReadBlock() {
  std::string_view line;
  if (!NextLine(line)) return false;  // the column titles
  slot_ = 0;
  role_weight_ = 1;
  bench_ = false;
  no_votes_[kHome] = no_votes_[kAway] = false;
  away_problem_shown_ = false;

  while (NextLine(line)) {
    std::string_view rest = line;
    int tabs = 0;
    std::string_view first = NextField(rest, tabs);
    if (first == "Parziale squadra" || first == "Totale squadra") {
      ReadScoreLine(rest);
      continue;
    }
    if (first.empty()) {
      home_ = away_ = kUnsetTeam;
      return true;
    }
    ++slot_;
    if (slot_ == kSlots + 1) {
      std::string text = "La partita " + MessageExcerpt(home_name_) + " - " +
                         MessageExcerpt(away_name_) +
                         " ha oltre " + std::to_string(kSlots) +
                         " righe di giocatori: le successive non entrano nella "
                         "formazione (file " + file_ + ")";
      WarnOnce(env_, store_, text, text);
    }
    std::string_view away_code = first;
    if (tabs == 2) {
      ReadPlayerColumn(kHome, home_, first, rest);
      away_code = NextField(rest);
    }
    if (away_ == kUnsetTeam) {
      // The away team is not in conf.txt: said once, and its column is not
      // read, since no row of the store belongs to it.
      if (!away_problem_shown_) {
        away_problem_shown_ = true;
        Warn("Problema con " + MessageExcerpt(away_name_));
      }
    } else if (!away_name_.empty()) {
      ReadPlayerColumn(kAway, away_, away_code, rest);
    }
  }
  return false;
}

void ResultsReader::ReadScoreLine(std::string_view rest) {
  role_weight_ = 0;
  double home_score = LeadingNumber(CommaToPoint(NextField(rest)));
  auto valid_votes = [&](int t) { return store_.teamMatchday[t][g_][kMdValidVotes]; };
  if (valid_votes(home_) == 0) no_votes_[kHome] = true;
  if (away_ != kUnsetTeam && valid_votes(away_) == 0) no_votes_[kAway] = true;

  auto store_score = [&](int t, double score) {
    store_.teamParziale[t] = FloorThousandths(score);
    store_.teamSeason[t][kSnScoreSum] += score;
    store_.teamSeason[t][kSnMatches] += 1;
  };
  if (valid_votes(home_) != 0) store_score(home_, home_score);
  if (away_ != kUnsetTeam && !away_name_.empty() && valid_votes(away_) != 0) {
    NextField(rest);
    store_score(away_, LeadingNumber(CommaToPoint(NextField(rest))));
  }
  FindBenchTitle();
}

// After the score line: skips the goals line and looks for the bench title,
// field by field, line by line.
void ResultsReader::FindBenchTitle() {
  auto next_or_stop = [&](std::string_view& line) {
    if (!NextLine(line)) throw RunStop(kNoBenchMessage, kExitInputMessage);
  };
  std::string_view line;
  std::string_view rest;
  for (;;) {
    next_or_stop(line);
    rest = line;
    if (NextField(rest) == "Gol") {
      next_or_stop(line);
      rest = line;
      break;
    }
    if (NextField(rest) != kBenchTitle) break;
    // A bench title in the second field: the line after it is examined anew.
  }
  for (;;) {
    if (NextField(rest) == kBenchTitle) {
      bench_ = true;
      return;
    }
    next_or_stop(line);
    rest = line;
  }
}

void ResultsReader::ReadPlayerColumn(Side side, int t, std::string_view code,
                                     std::string_view& rest) {
  RoleEffect effect = EffectOf(code);
  int role = effect.role;
  if (slot_ <= kSlots) {
    if (effect.role != kNoRole) store_.lineupSlot[t][slot_].role = effect.role;
    role = store_.lineupSlot[t][slot_].role;
  }
  if (effect.count_column != 0) {
    store_.teamRoleCount[t][g_][effect.count_column] += role_weight_;
  }
  store_.teamRoleCountName[t] = store_.teamName[t];

  std::string name(NextField(rest));
  NextField(rest);  // the plain vote
  std::string_view bonus = NextField(rest);
  std::string vote(NextField(rest));

  if (LeadingNumber(bonus) > 0) {
    double value = LeadingNumber(CommaToPoint(bonus));
    VoteSumRow& sums = store_.teamVoteSum[t];
    sums[kVsPositiveLines] += 1;
    sums[kVsPositiveSum] += value;
    if (IsSubstituteCode(code) || bench_) sums[kVsSubstituteSum] += value;
  }

  bool no_vote = vote == "sv/ng";
  if (no_vote) vote = "999";
  UpdateRoster(side, t, code, name, no_vote);
  vote = CommaToPoint(vote);

  if (bench_ && vote != "999" && !(side == kAway && vote.empty()) &&
      t != kOverflowTeam) {
    if (!register_.Record(name, std::string(code), vote, store_.teamName[t])) {
      WarnOnce(env_, store_,
               "Registro dei voti dalla panchina pieno (" +
                   std::to_string(kPlayerRows) + " giocatori): " + MessageExcerpt(name) +
                   " e i successivi non sono registrati (file " + file_ + ")",
               "registro pieno");
    }
  }

  double number = LeadingNumber(vote);
  if (slot_ <= kSlots) store_.lineupSlot[t][slot_].vote = number;
  if (number != kNoVote && !no_votes_[side] && role > 0) {
    store_.teamMatchday[t][g_][kMdValidVotes] += 1;
  }
}

void ResultsReader::UpdateRoster(Side side, int t, std::string_view code,
                                 const std::string& name, bool no_vote) {
  bool placeholder = code.empty() || code == "--" || code == "EOF";
  if (no_vote) {
    if (!bench_ || placeholder) return;
    RosterEntry* player = FindOrAddRosterPlayer(side, t, name, code, nullptr);
    if (player != nullptr && EndsWith(code, 's')) {
      player->bench_listings = NumberText(LeadingNumber(player->bench_listings) + 1);
    }
  } else if (!bench_ && !placeholder) {
    store_.rosterTeamName[t] = store_.teamName[t];
    bool added = false;
    RosterEntry* player = FindOrAddRosterPlayer(side, t, name, code, &added);
    if (player == nullptr) return;
    if (added) {
      player->starts = "1";
      if (EndsWith(code, 'R')) player->subs_in = "1";
    } else {
      player->starts = WholeText(static_cast<long long>(LeadingNumber(player->starts)) + 1);
      if (EndsWith(code, 'R')) {
        player->subs_in = NumberText(LeadingNumber(player->subs_in) + 1);
      }
    }
  } else if (!name.empty()) {
    FindOrAddRosterPlayer(side, t, name, code, nullptr);
  }
}

// The roster slot of `name`, found by exact name, or the first free slot,
// which becomes his. Null when the roster is full.
RosterEntry* ResultsReader::FindOrAddRosterPlayer(Side side, int t, const std::string& name,
                                                  std::string_view code, bool* added) {
  Roster& roster = store_.roster[t];
  int free_slot = 0;
  for (int p = 1; p <= kRosterPlayers; ++p) {
    if (roster[p].name == name) return &roster[p];
    if (free_slot == 0 && roster[p].name.empty()) free_slot = p;
  }
  if (free_slot == 0) {
    WarnOnce(env_, store_,
             "Rosa di " + MessageExcerpt(TeamOf(side)) + " piena (" +
                 std::to_string(kRosterPlayers) + " giocatori): " + MessageExcerpt(name) +
                 " e i successivi non entrano nelle presenze (file " + file_ + ")",
             "rosa piena " + std::to_string(t));
    return nullptr;
  }
  RosterEntry& player = roster[free_slot];
  player.name = name;
  player.role = std::string(code.substr(0, 1));
  if (added != nullptr) *added = true;
  return &player;
}

}  // namespace

std::string ResultsPattern(int g) { return "*Risultati" + WholeText(g) + ".tab"; }

void ReadResultsLines(const TextLines& lines, const std::string& file,
                      Env& env, SeasonStore& store, BenchVoteRegister* bench_votes) {
  if (bench_votes != nullptr) {
    ResultsReader(lines, file, env, store, *bench_votes).Read();
    return;
  }
  BenchVoteRegister own(store);
  ResultsReader(lines, file, env, store, own).Read();
}

void LookUpResultsFiles(Env& env, SeasonStore& store) {
  // One listing serves every matchday: nothing is written into the folder
  // while the exports are looked up.
  std::vector<std::string> names = env.ListFiles(store.source_dir);
  for (int g = 1; g <= kMatchdays; ++g) {
    SeasonStore::ResultsFile& file = store.results_files[g];
    file.looked_up = true;
    file.name = FirstMatch(ResultsPattern(g), names);
  }
}

const SeasonStore::ResultsFile* FindResultsFile(Env& env, SeasonStore& store, int g) {
  SeasonStore::ResultsFile& file = store.results_files[g];
  if (!file.looked_up) {
    file.looked_up = true;
    file.name = FindInSource(env, store, ResultsPattern(g)).value_or("");
  }
  if (file.name.empty()) return nullptr;
  if (!file.read) {
    file.lines = ReadFileOrStop(env, store, SourcePath(store, file.name));
    file.read = true;
  }
  return &file;
}

void ForgetResultsFile(SeasonStore& store, int g) {
  SeasonStore::ResultsFile& file = store.results_files[g];
  file.lines = TextLines();
  file.read = false;
}

bool ReadMatchday(Env& env, SeasonStore& store, int g, BenchVoteRegister* bench_votes) {
  const SeasonStore::ResultsFile* file = FindResultsFile(env, store, g);
  if (file == nullptr) {
    for (int t = 1; t <= kMaxTeams; ++t) store.teamMatchday[t][g][kMdGap] = kNoFileGap;
    return false;
  }
  store.file_found = true;
  ReadResultsLines(file->lines, env.NativePath(SourcePath(store, file->name)), env, store,
                   bench_votes);
  return true;
}

}  // namespace corvalis
