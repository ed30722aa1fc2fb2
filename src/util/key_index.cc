#include "util/key_index.h"

namespace corvalis {

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
