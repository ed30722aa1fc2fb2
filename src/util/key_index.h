// Finding a row of a table by its key (a player's name, or his name and
// team) without scanning the table. The index keeps hashes and row numbers
// only; the caller keeps the rows and says whether a row has the key.
#ifndef CORVALIS_UTIL_KEY_INDEX_H_
#define CORVALIS_UTIL_KEY_INDEX_H_

#include <cstdint>
#include <string_view>
#include <vector>

namespace corvalis {

class KeyIndex {
 public:
  static uint64_t Hash(std::string_view key);
  static uint64_t Hash(std::string_view key, std::string_view second);

  // The row added under `hash` for which `same(row)` holds; -1 for none.
  template <typename Same>
  int Find(uint64_t hash, Same same) const {
    if (slots_.empty()) return -1;
    size_t mask = slots_.size() - 1;
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
      const Slot& slot = slots_[i];
      if (slot.row < 0) return -1;
      if (slot.hash == hash && same(slot.row)) return slot.row;
    }
  }

  // Records `row` under `hash`; the caller adds each key once.
  void Add(uint64_t hash, int row);

 private:
  struct Slot {
    uint64_t hash = 0;
    int row = -1;
  };
  void Grow();

  std::vector<Slot> slots_;
  size_t used_ = 0;
};

}  // namespace corvalis

#endif  // CORVALIS_UTIL_KEY_INDEX_H_
