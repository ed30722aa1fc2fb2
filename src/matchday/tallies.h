// What the calendar stage counts over the season: fantasy goals and man of
// the match awards per player, every player's fantavoto, and the fantasfiga
// deviations per team.
#ifndef CORVALIS_MATCHDAY_TALLIES_H_
#define CORVALIS_MATCHDAY_TALLIES_H_

#include <string>
#include <string_view>
#include <vector>

#include "util/key_index.h"
#include "util/text.h"

namespace corvalis {

constexpr int kTallyPlayers = 1000;

struct TallyRow {
  std::string name;
  std::string team;
  int count = 0;
  int next_same_name = -1;  // the next row of the same name (other teams, with SQ)
};

// Players counted in the order they were first met; a player is found by
// name, or by name and team when `by_team`.
class Tally {
 public:
  // `latest_team`: a player found by name alone takes the team given.
  Tally(bool by_team, bool latest_team) : by_team_(by_team), latest_team_(latest_team) {}

  // Adds one to the player's count; a new player gets a row with 1. False
  // when the tally is full and the player has no row.
  bool Count(std::string_view name, std::string_view team) {
    return Count(name, KeyIndex::Hash(name), team);
  }
  // The same with `name_hash`, KeyIndex::Hash(name), at hand from the split.
  bool Count(std::string_view name, uint64_t name_hash, std::string_view team);

  // The first row of `name` whatever its team, -1 for none; the next ones
  // follow through next_same_name.
  int FirstNamed(std::string_view name) const;

  const std::vector<TallyRow>& rows() const { return rows_; }

 private:
  int FirstNamed(uint64_t hash, std::string_view name) const;

  bool by_team_;
  bool latest_team_;
  std::vector<TallyRow> rows_;
  std::vector<int> last_same_name_;  // per first row of a name: the last row of it
  KeyIndex index_;  // by name: the first row
};

// Every player of the season, by name alone: his first role letter and team,
// the sum of his fantavoti and the lines counted.
struct SeasonPlayer {
  std::string role;
  std::string name;
  std::string team;
  // Once a text: the first fantavoto as read, then the sum read back after
  // every line (ReadBack15).
  double fantavoto_sum = 0;
  int lines = 0;
};

class SeasonPlayers {
 public:
  // Adds one line of a player; a new player gets a row. Returns his row, -1
  // when the table is full and the player has none. `name_hash` is
  // KeyIndex::Hash(name). Inline up to the sum: most lines are of a player
  // who has a row.
  int Add(std::string_view role, std::string_view name, uint64_t name_hash,
          std::string_view team, double fantavoto) {
    int found = index_.Find(name_hash,
                            [&](int row) { return KeyIndex::Same(players_[row].name, name); });
    if (found < 0) return AddPlayer(role, name, name_hash, team, fantavoto);
    AddLine(players_[found], fantavoto);
    return found;
  }

  const std::vector<SeasonPlayer>& players() const { return players_; }

 private:
  // Inline: a line of a player met before is all most calls do.
  static void AddLine(SeasonPlayer& player, double fantavoto) {
    player.fantavoto_sum = ReadBack15(player.fantavoto_sum + fantavoto);
    player.lines += 1;
  }
  int AddPlayer(std::string_view role, std::string_view name, uint64_t name_hash,
                std::string_view team, double fantavoto);

  std::vector<SeasonPlayer> players_;
  KeyIndex index_;
};

// The fantasfiga deviations booked to one team.
struct Luck {
  double sum = 0;
  int count = 0;
};

}  // namespace corvalis

#endif  // CORVALIS_MATCHDAY_TALLIES_H_
