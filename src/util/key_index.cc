#include "util/key_index.h"

namespace corvalis {
namespace {

constexpr uint64_t kBasis = 14695981039346656037ull;  // FNV-1a
constexpr uint64_t kPrime = 1099511628211ull;

uint64_t Mix(uint64_t hash, std::string_view text) {
  for (unsigned char c : text) hash = (hash ^ c) * kPrime;
  return hash;
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
