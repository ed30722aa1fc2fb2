// The register of votes received on the bench (playerRegistry): one row per
// player, found by name, or by name and team when the league says "SQ".
#ifndef CORVALIS_STORE_BENCH_VOTE_REGISTER_H_
#define CORVALIS_STORE_BENCH_VOTE_REGISTER_H_

#include <string>

#include "store/row_index.h"
#include "store/season_store.h"

namespace corvalis {

// Records votes in the register through an index of its rows, so that a
// season of many matchdays does not scan a thousand rows per vote. The
// index is built from the table when the object is made; the table must
// not change behind its back while it lives.
class BenchVoteRegister {
 public:
  explicit BenchVoteRegister(SeasonStore& store);

  // Adds `vote` (text with a point) to the player's row, or gives him the
  // first free row. Returns false when the register is full.
  bool Record(const std::string& name, const std::string& role_code,
              const std::string& vote, const std::string& team);

 private:
  static std::string Key(int sq_flag, const std::string& name, const std::string& team);
  bool RecordByScan(const std::string& name, const std::string& role_code,
                    const std::string& vote, const std::string& team);

  SeasonStore& store_;
  TextTable& rows_;
  RowIndex index_;
};

// One vote, without an index kept between calls.
bool RecordBenchVote(SeasonStore& store, const std::string& name,
                     const std::string& role_code, const std::string& vote,
                     const std::string& team);

}  // namespace corvalis

#endif  // CORVALIS_STORE_BENCH_VOTE_REGISTER_H_
