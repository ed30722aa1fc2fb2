#include "rating/roster.h"

namespace corvalis {

RosterPlayer* Roster::FindOrAdd(std::string_view name, std::string_view code, bool* added) {
  uint64_t hash = KeyIndex::Hash(name);
  if (!name.empty()) {
    int found = index_.Find(hash, [&](int slot) { return slots_[slot].name == name; });
    if (found >= 0) return &slots_[found];
  }
  int free_slot = -1;
  if (unnamed_ > 0) {
    for (size_t p = 0; p < slots_.size() && free_slot < 0; ++p) {
      if (slots_[p].name.empty()) free_slot = static_cast<int>(p);
    }
  }
  if (free_slot < 0) {
    if (static_cast<int>(slots_.size()) == kRosterPlayers) return nullptr;
    free_slot = static_cast<int>(slots_.size());
    slots_.emplace_back();
    ++unnamed_;
  }
  RosterPlayer& player = slots_[free_slot];
  if (name.empty()) return &player;  // found as it stands
  player.name = std::string(name);
  player.role = std::string(code.substr(0, 1));
  --unnamed_;
  index_.Add(hash, free_slot);
  if (added != nullptr) *added = true;
  return &player;
}

}  // namespace corvalis
