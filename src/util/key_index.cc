#include "util/key_index.h"

#include <cstring>

namespace corvalis {
namespace {

constexpr uint64_t kBasis = 14695981039346656037ull;
constexpr uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;

// Eight bytes at a time, each step a multiply and a shift that brings the
// high bits down to the low ones the table looks at. Hashes only live in
// memory, so the byte order of the machine does not matter.
uint64_t Mix(uint64_t hash, std::string_view text) {
  const char* p = text.data();
  size_t n = text.size();
  for (; n >= 8; p += 8, n -= 8) {
    uint64_t word;
    std::memcpy(&word, p, 8);
    hash = (hash ^ word) * kMultiplier;
    hash ^= hash >> 29;
  }
  uint64_t tail = 0;
  if (n > 0 && text.size() >= 8) {
    // The last eight bytes of the text at once, those already mixed shifted
    // out.
    std::memcpy(&tail, p + n - 8, 8);
    tail >>= 8 * (8 - n);
  } else {
    for (size_t i = 0; i < n; ++i) tail |= uint64_t{static_cast<unsigned char>(p[i])} << (8 * i);
  }
  tail |= uint64_t{n} << 56;  // the length too: "ab" is not "ab\0"
  hash = (hash ^ tail) * kMultiplier;
  return hash ^ (hash >> 32);
}

}  // namespace

uint64_t KeyIndex::Hash(std::string_view key) { return Mix(kBasis, key); }

uint64_t KeyIndex::Hash(std::string_view key, std::string_view second) {
  // The length keeps "ab" + "c" apart from "a" + "bc".
  return Mix(Mix(kBasis, key) ^ key.size(), second);
}

void KeyIndex::Add(uint64_t hash, int row) {
  if ((used_ + 1) * 2 > slots_.size()) Grow();
  size_t mask = slots_.size() - 1;
  size_t i = hash & mask;
  while (slots_[i].row >= 0) i = (i + 1) & mask;
  slots_[i] = {hash, row};
  ++used_;
}

void KeyIndex::Grow() {
  std::vector<Slot> old;
  old.swap(slots_);
  slots_.resize(old.empty() ? 16 : old.size() * 2);
  used_ = 0;
  for (const Slot& slot : old) {
    if (slot.row >= 0) Add(slot.hash, slot.row);
  }
}

}  // namespace corvalis
