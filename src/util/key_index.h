// Finding a row of a table by its key (a player's name, or his name and
// team) without scanning the table. The index keeps hashes and row numbers
// only; the caller keeps the rows and says whether a row has the key.
#ifndef CORVALIS_UTIL_KEY_INDEX_H_
#define CORVALIS_UTIL_KEY_INDEX_H_

#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

namespace corvalis {

class KeyIndex {
 public:
  // Inline: a player line's names are hashed as the line is split, and a
  // call would cost about as much as the hash.
  static uint64_t Hash(std::string_view key) { return Mix(kBasis, key); }
  static uint64_t Hash(std::string_view key, std::string_view second) {
    return Extend(Hash(key), key.size(), second);
  }
  // Hash(key, second) from Hash(key): a table found by name and team hashes
  // only the team when the name's hash is at hand.
  static uint64_t Extend(uint64_t key_hash, size_t key_size, std::string_view second) {
    // The length keeps "ab" + "c" apart from "a" + "bc".
    return Mix(key_hash ^ key_size, second);
  }
  // Hash(""), for a column without a name.
  static constexpr uint64_t EmptyHash() { return Finish(Step(kBasis, 0), 0); }

  // Whether two keys are equal. After a hash match they nearly always are:
  // a key of eight to sixteen bytes, as most names, is compared inline as
  // two words that may overlap, any other by memcmp.
  static bool Same(std::string_view a, std::string_view b) {
    size_t n = a.size();
    if (n != b.size()) return false;
    const char* p = a.data();
    const char* q = b.data();
    if (n - 8 <= 8) {
      return Load<uint64_t>(p) == Load<uint64_t>(q) &&
             Load<uint64_t>(p + n - 8) == Load<uint64_t>(q + n - 8);
    }
    return n == 0 || std::memcmp(p, q, n) == 0;
  }

  // The row added under `hash` for which `same(row)` holds; -1 for none.
  template <typename SameKey>
  int Find(uint64_t hash, SameKey same) const {
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

  static constexpr uint64_t kBasis = 14695981039346656037ull;
  static constexpr uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;

  template <typename Word>
  static Word Load(const char* p) {
    Word word;
    std::memcpy(&word, p, sizeof word);
    return word;
  }

  // One word into the hash.
  static constexpr uint64_t Step(uint64_t hash, uint64_t word) {
    hash = (hash ^ word) * kMultiplier;
    return hash ^ (hash >> 29);
  }

  // The last word, and the bits the table looks at brought down once more.
  static constexpr uint64_t Finish(uint64_t hash, uint64_t tail) {
    hash = (hash ^ tail) * kMultiplier;
    return hash ^ (hash >> 32);
  }

  // Eight bytes at a time, each step a multiply and a shift that brings the
  // high bits down to the low ones the table looks at; the last bytes (all
  // of most names) as at most two words, with no byte loop. Hashes only live
  // in memory, so the byte order of the machine does not matter.
  static uint64_t Mix(uint64_t hash, std::string_view text) {
    const char* p = text.data();
    size_t n = text.size();
    for (; n > 16; p += 8, n -= 8) hash = Step(hash, Load<uint64_t>(p));
    // The last n bytes (n <= 16), each of them in `first` or `last`.
    uint64_t first = 0;
    uint64_t last = 0;
    if (n >= 8) {
      first = Load<uint64_t>(p);
      last = Load<uint64_t>(p + n - 8);
    } else if (n >= 4) {
      first = Load<uint32_t>(p);
      last = Load<uint32_t>(p + n - 4);
    } else if (n > 0) {
      first = uint64_t{static_cast<unsigned char>(p[0])} |
              uint64_t{static_cast<unsigned char>(p[n / 2])} << 8 |
              uint64_t{static_cast<unsigned char>(p[n - 1])} << 16;
    }
    // The length too: "ab" is not "ab\0".
    return Finish(Step(hash, first), last ^ (uint64_t{n} << 56));
  }

  std::vector<Slot> slots_;
  size_t used_ = 0;
};

}  // namespace corvalis

#endif  // CORVALIS_UTIL_KEY_INDEX_H_
