#include "season_generator.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <random>
#include <set>
#include <stdexcept>
#include <vector>

namespace corvalis::tools {
namespace {

const char* const kSurnames[] = {
    "ROSSI", "RUSSO", "FERRARI", "ESPOSITO", "BIANCHI", "ROMANO", "COLOMBO", "RICCI",
    "MARINO", "GRECO", "BRUNO", "GALLO", "CONTI", "DE LUCA", "MANCINI", "COSTA",
    "GIORDANO", "RIZZO", "LOMBARDI", "MORETTI", "BARBIERI", "FONTANA", "SANTORO", "MARIANI",
    "RINALDI", "CARUSO", "FERRARA", "GALLI", "MARTINI", "LEONE", "LONGO", "GENTILE",
    "MARTINELLI", "VITALE", "LOMBARDO", "SERRA", "COPPOLA", "DE SANTIS", "D'ANGELO",
    "MARCHETTI", "PARISI", "VILLA", "CONTE", "FERRO", "FABBRI", "BIANCO", "MARINI",
    "GRASSO", "VALENTINI", "MESSINA", "SALA", "DE ANGELIS", "GATTI", "PELLEGRINI", "PALUMBO",
    "SANNA", "FARINA", "RIVA", "MONTI", "CATTANEO", "MORELLI", "AMATO", "SILVESTRI",
    "MAZZA", "TESTA", "GRASSI", "PELLEGRINO", "CARBONE", "GIULIANI", "BENEDETTI", "BARONE",
    "KOWALSKI", "NILSSON", "LARSEN", "JANKOVIC", "BERISHA", "N'DIAYE", "KONE", "MENDES",
    "LOPEZ", "ALVAREZ", "RODRIGUEZ", "PEREIRA", "DOS SANTOS", "SCHMIDT", "DE JONG"};
const char* const kFirstNames[] = {
    "Marco", "Luca", "Andrea", "Matteo", "Lorenzo", "Davide", "Simone", "Federico",
    "Riccardo", "Alessandro", "Francesco", "Gabriele", "Tommaso", "Mattia", "Giuseppe",
    "Antonio", "Giovanni", "Roberto", "Stefano", "Paolo", "Mario", "Sergio", "Pietro",
    "Diego", "Ivan", "Samuele", "Emanuele", "Daniele", "Nicolo", "Salvatore", "Vincenzo",
    "Gian Luca", "Pier Paolo", "Jean Claude", "Juan Pablo", "Mohamed", "Pedro", "Ciro"};
const char* const kTeamFirst[] = {
    "Real", "Atletico", "Sporting", "Dinamo", "Olimpia", "Stella", "Inter", "Union",
    "Racing", "Celtic", "Bayer", "Borussia", "Lokomotiv", "Spartak", "Academica", "Virtus",
    "Pro", "Juve", "Fortitudo", "Vis"};
const char* const kTeamSecond[] = {
    "Tigre", "Birra", "Cotechino", "Panettone", "Risotto", "Ragu", "Polenta", "Lasagna",
    "Tortellino", "Cannolo", "Arancino", "Spritz", "Grappa", "Carbonara", "Pesto",
    "Gorgonzola", "Mortadella", "Bresaola", "Pandoro", "Tiramisu"};

struct Module {
  int d, c, a;
  const char* line;
};
const Module kModules[] = {{3, 4, 3, "3 4 3 0"}, {3, 5, 2, "3 5 2 0"},
                           {4, 3, 3, "4 3 3 0"}, {4, 4, 2, "4 4 2 0"},
                           {4, 5, 1, "4 5 1 0.5"}, {5, 3, 2, "5 3 2 0"},
                           {5, 4, 1, "5 4 1 0"}};

struct Player {
  std::string name;
  char role;    // P, D, C, A
  double form;  // usual plain vote
};

struct Team {
  std::string name;
  std::vector<Player> squad;
};

// One column of a player line, as written.
struct Column {
  std::string code, name, vote, bonus, fantavoto;
  std::string Text() const {
    return code + "\t" + name + "\t" + vote + "\t" + bonus + "\t" + fantavoto;
  }
};

struct Side {
  std::vector<Column> starting;  // starters, then the substitutes who came in
  std::vector<Column> bench;
  double score = 0;
  int goals = 0;
  bool played = true;
};

// A line with one label and one value per side, like the score and goals lines.
std::string TwoSided(const std::string& label, const std::string& home,
                     const std::string& away) {
  std::string line;
  for (const std::string* value : {&home, &away}) {
    line.append("\t").append(label).append("\t\t\t\t\t").append(*value);
  }
  return line;
}

std::string Decimal(double value) {
  // Halves and quarters only: the exports write them with a decimal comma.
  char buffer[32];
  std::snprintf(buffer, sizeof(buffer), "%.2f", value);
  std::string text = buffer;
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  std::replace(text.begin(), text.end(), '.', ',');
  if (text == "-0") text = "0";
  return text;
}

class Generator {
 public:
  explicit Generator(const LeagueShape& shape) : shape_(shape), rng_(shape.seed) {
    if (shape.teams < 2 || shape.teams > 40 || shape.matchdays < 1 || shape.matchdays > 42) {
      throw std::invalid_argument("squadre 2..40, giornate 1..42");
    }
  }

  int Write(const std::string& folder) {
    MakeTeams();
    WriteConf(folder);
    int written = 0;
    int last = 0;
    std::vector<std::pair<int, int>> last_pairs;
    for (int g = 1; g <= shape_.matchdays; ++g) {
      std::vector<std::pair<int, int>> pairs = Pairs(g);
      if (Chance(shape_.missing_matchday_chance) && g != 1) continue;
      WriteMatchday(folder, g, pairs);
      ++written;
      last = g;
      last_pairs = pairs;
    }
    if (shape_.cred && last != 0) WriteCred(folder, last_pairs);
    if (shape_.panchine) WritePanchine(folder);
    return written;
  }

 private:
  int Pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
  bool Chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng_) < p; }
  template <typename T, size_t N>
  const T& PickOf(const T (&items)[N]) {
    return items[Pick(0, static_cast<int>(N) - 1)];
  }

  std::string NewPlayerName() {
    for (;;) {
      std::string name = PickOf(kSurnames);
      int form = Pick(0, 19);
      if (form < 9) {
        name += std::string(" ") + PickOf(kFirstNames);
      } else if (form < 18) {
        name += std::string(" ") + PickOf(kFirstNames)[0] + ".";
      }
      // A few names are shared by players of different teams, as happens.
      if (used_names_.insert(name).second || Chance(0.02)) return name;
    }
  }

  void MakeTeams() {
    std::set<std::string> team_names;
    while (static_cast<int>(teams_.size()) < shape_.teams) {
      std::string name = std::string(PickOf(kTeamFirst)) + " " + PickOf(kTeamSecond);
      if (!team_names.insert(name).second) continue;
      Team team;
      team.name = name;
      int n = std::max(16, shape_.players_per_team);
      int keepers = std::max(2, n * 3 / 25);
      int forwards = std::max(3, n * 6 / 25);
      int defenders = (n - keepers - forwards + 1) / 2;
      int midfielders = n - keepers - forwards - defenders;
      auto add = [&](char role, int count) {
        for (int i = 0; i < count; ++i) {
          double form = std::normal_distribution<double>(6.0, 0.35)(rng_);
          team.squad.push_back({NewPlayerName(), role, form});
        }
      };
      add('P', keepers);
      add('D', defenders);
      add('C', midfielders);
      add('A', forwards);
      teams_.push_back(team);
    }
  }

  void WriteConf(const std::string& folder) {
    std::vector<std::string> lines;
    for (const Team& team : teams_) lines.push_back(team.name);
    lines.push_back("*");
    for (const Module& m : kModules) lines.push_back(m.line);
    if (shape_.section3) {
      lines.push_back("*");
      if (shape_.sq) lines.push_back("SQ");
      lines.push_back(std::to_string(Pick(4, 6) * 10));
      std::vector<std::string> rules = {"VA", "MG", "PG", "DF", "CE", "AT"};
      std::shuffle(rules.begin(), rules.end(), rng_);
      rules.resize(static_cast<size_t>(Pick(2, 6)));
      for (const std::string& rule : rules) lines.push_back(rule);
      lines.push_back("*");
      const char* exponents[] = {"1", "1", "2", "1.5"};
      lines.push_back(shape_.gap_exponent.empty() ? PickOf(exponents) : shape_.gap_exponent);
    }
    WriteLines(folder + "/conf.txt", lines);
  }

  // Round robin by the circle method; with an odd number of teams one team
  // rests each matchday.
  std::vector<std::pair<int, int>> Pairs(int g) {
    int n = shape_.teams + (shape_.teams % 2);
    int round = (g - 1) % (n - 1);
    std::vector<int> ring(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) ring[i] = i;
    std::rotate(ring.begin() + 1, ring.begin() + 1 + round, ring.end());
    std::vector<std::pair<int, int>> pairs;
    for (int i = 0; i < n / 2; ++i) {
      int a = ring[i], b = ring[n - 1 - i];
      if (a >= shape_.teams || b >= shape_.teams) continue;
      if (((g - 1) / (n - 1) + i) % 2) std::swap(a, b);
      pairs.emplace_back(a, b);
    }
    return pairs;
  }

  Column Perform(const Player& p, const std::string& code, int conceded, bool no_vote) {
    Column col;
    col.code = code;
    col.name = p.name;
    if (no_vote) {
      col.vote = col.fantavoto = "sv/ng";
      col.bonus = "0";
      return col;
    }
    double vote = std::round(std::normal_distribution<double>(p.form, 0.6)(rng_) * 2) / 2;
    vote = std::clamp(vote, 3.5, 9.0);
    double bonus = 0;
    double goal_chance = p.role == 'A' ? 0.35 : p.role == 'C' ? 0.12 : p.role == 'D' ? 0.05 : 0;
    while (Chance(goal_chance)) bonus += 3;
    if (Chance(0.1)) bonus += 1;
    if (Chance(0.03)) bonus += 0.5;
    if (Chance(0.15)) bonus -= 0.5;
    if (Chance(0.02)) bonus -= 1;
    if (p.role == 'P') {
      bonus -= conceded;
      if (Chance(0.03)) bonus += 3;
    }
    col.vote = Decimal(vote);
    col.bonus = Decimal(bonus);
    col.fantavoto = Decimal(vote + bonus);
    col.name = p.name;
    return col;
  }

  Side Play(const Team& team, int conceded) {
    Side side;
    const Module& module = PickOf(kModules);
    std::vector<const Player*> by_role[4];
    const char roles[] = {'P', 'D', 'C', 'A'};
    for (const Player& p : team.squad) {
      by_role[std::find(roles, roles + 4, p.role) - roles].push_back(&p);
    }
    for (auto& list : by_role) std::shuffle(list.begin(), list.end(), rng_);
    int wanted[] = {1, module.d, module.c, module.a};
    bool absent = Chance(0.01);  // the lineup was never sent
    side.played = !absent;

    std::vector<Column> subs;
    double total = 0;
    int substitutions = 0;
    std::vector<std::pair<const Player*, bool>> bench;  // player, has a vote
    for (int r = 0; r < 4; ++r) {
      std::vector<const Player*>& list = by_role[r];
      size_t next_bench = static_cast<size_t>(wanted[r]);
      for (size_t i = 0; i < list.size(); ++i) {
        bool no_vote = absent || Chance(list[i]->role == 'P' ? 0.04 : 0.1);
        if (static_cast<int>(i) < wanted[r]) {
          bool replaced = false;
          if (no_vote && !absent && substitutions < 3) {
            // The first bench player of the role with a vote comes in.
            while (next_bench < list.size() && !replaced) {
              const Player* sub = list[next_bench++];
              if (Chance(0.8)) {
                Column in = Perform(*sub, std::string(1, roles[r]) + "R", conceded, false);
                total += std::stod(Comma(in.fantavoto));
                subs.push_back(in);
                replaced = true;
                ++substitutions;
              } else {
                bench.emplace_back(sub, false);
              }
            }
          }
          std::string code(1, roles[r]);
          if (replaced && Chance(0.7)) code += "U";
          Column col = Perform(*list[i], code, conceded, no_vote);
          if (!no_vote) total += std::stod(Comma(col.fantavoto));
          side.starting.push_back(col);
        } else if (i >= next_bench) {
          bench.emplace_back(list[i], !no_vote);
        }
      }
    }
    for (Column& sub : subs) side.starting.push_back(sub);
    std::shuffle(bench.begin(), bench.end(), rng_);
    for (const auto& [player, voted] : bench) {
      std::string code(1, player->role);
      if (!voted && Chance(0.5)) code += "s";
      side.bench.push_back(Perform(*player, code, conceded, !voted));
    }
    if (!absent) {
      side.score = std::round((total + Pick(0, 4) * 0.5) * 2) / 2;
      side.goals = side.score < 66 ? 0 : 1 + static_cast<int>((side.score - 66) / 6);
    }
    return side;
  }

  static std::string Comma(std::string text) {
    std::replace(text.begin(), text.end(), ',', '.');
    return text;
  }

  void WriteMatchday(const std::string& folder, int g,
                     const std::vector<std::pair<int, int>>& pairs) {
    std::vector<std::string> lines = {"Lega Generata - Risultati", "Giornata " + std::to_string(g)};
    const char* score_word = Chance(0.5) ? "Totale squadra" : "Parziale squadra";
    for (const auto& [h, a] : pairs) {
      Side home = Play(teams_[h], Pick(0, 3));
      Side away = Play(teams_[a], Pick(0, 3));
      std::string header = "\t";
      lines.push_back(header.append(teams_[h].name).append("\t\t\t\t\t").append(teams_[a].name));
      lines.push_back("\tR\tCalciatore\tVoto\tBonus\tFantaVoto\tR\tCalciatore\tVoto\tBonus\tFantaVoto");
      const Column filler{"--", "--", "--", "--", "--"};
      size_t n = std::max(home.starting.size(), away.starting.size());
      for (size_t i = 0; i < n; ++i) {
        const Column& hc = i < home.starting.size() ? home.starting[i] : filler;
        const Column& ac = i < away.starting.size() ? away.starting[i] : filler;
        std::string line = "\t";
        lines.push_back(line.append(hc.Text()).append("\t").append(ac.Text()));
      }
      lines.push_back(TwoSided(score_word, Decimal(home.score), Decimal(away.score)));
      int extra_home = 0, extra_away = 0, rig_home = 0, rig_away = 0;
      bool cup = Chance(shape_.cup_match_chance) && home.goals == away.goals;
      if (cup) {
        extra_home = Pick(0, 1);
        extra_away = Pick(0, 1);
        if (extra_home == extra_away) {
          rig_home = Pick(2, 5);
          rig_away = rig_home + (Chance(0.5) ? 1 : -1);
        }
      }
      lines.push_back(TwoSided("Gol", std::to_string(home.goals + extra_home + rig_home),
                               std::to_string(away.goals + extra_away + rig_away)));
      if (cup) {
        lines.push_back(TwoSided(" (Gol T.S.) ", std::to_string(extra_home),
                                 std::to_string(extra_away)));
        if (rig_home != 0) {
          lines.push_back(TwoSided("Gol Rig.", std::to_string(rig_home),
                                   std::to_string(rig_away)));
        }
      }
      lines.push_back("\tSostituiti, panchina e tribuna\t\t\t\t\tSostituiti, panchina e tribuna");
      size_t b = std::max(home.bench.size(), away.bench.size());
      for (size_t i = 0; i < b; ++i) {
        std::string line = "\t";
        line += i < home.bench.size() ? home.bench[i].Text() : "\t\t\t\t";
        if (i < away.bench.size()) line.append("\t").append(away.bench[i].Text());
        lines.push_back(line);
      }
      lines.push_back("");
    }
    lines.push_back("EOF");
    WriteLines(folder + "/Lega Generata_Risultati" + std::to_string(g) + ".tab", lines);
  }

  void WriteCred(const std::string& folder, const std::vector<std::pair<int, int>>& pairs) {
    std::vector<std::string> lines;
    for (const auto& [h, a] : pairs) {
      lines.push_back(teams_[h].name + " (" + Decimal(Pick(80, 240) / 2.0) + ") " +
                      teams_[a].name + " (" + Decimal(Pick(80, 240) / 2.0) + ") " +
                      std::to_string(Pick(5000, 60000)));
    }
    WriteLines(folder + "/cred.txt", lines);
  }

  void WritePanchine(const std::string& folder) {
    std::vector<std::string> lines;
    const char* switches[] = {"Si", "No"};
    const char* marking[] = {"Si", "No", "Attiva"};
    for (const Team& team : teams_) {
      lines.push_back(team.name + "\t" + PickOf(switches) + "\t" + std::to_string(Pick(0, 7)) +
                      "\t" + PickOf(marking));
    }
    WriteLines(folder + "/Panchine.txt", lines);
  }

  static void WriteLines(const std::string& path, const std::vector<std::string>& lines) {
    std::ofstream out(path, std::ios::binary);
    for (const std::string& line : lines) out << line << "\r\n";
    if (!out) throw std::runtime_error("impossibile scrivere " + path);
  }

  LeagueShape shape_;
  std::mt19937 rng_;
  std::vector<Team> teams_;
  std::set<std::string> used_names_;
};

}  // namespace

int WriteSeason(const LeagueShape& shape, const std::string& folder) {
  return Generator(shape).Write(folder);
}

}  // namespace corvalis::tools
