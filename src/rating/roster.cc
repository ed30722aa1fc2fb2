#include "rating/roster.h"

namespace corvalis {

RosterPlayer* Roster::FindOrAdd(std::string_view name, uint64_t name_hash,
                                std::string_view code, bool* added) {
  if (RosterPlayer* player = Find(name, name_hash)) return player;
  int free_slot = -1;
  if (unnamed_ > 0) {
    for (size_t p = 0; p < slots_.size() && free_slot < 0; ++p) {
      if (slots_[p].name.empty()) free_slot = static_cast<int>(p);
    }
  }
  if (free_slot < 0) {
    if (static_cast<int>(slots_.size()) == kRosterPlayers) return nullptr;
    free_slot = static_cast<int>(slots_.size());
    if (slots_.empty()) slots_.reserve(32);  // a season's usual squad, at once
    slots_.emplace_back();
    ++unnamed_;
  }
  RosterPlayer& player = slots_[free_slot];
  if (name.empty()) return &player;  // found as it stands
  player.name = std::string(name);
  player.role = std::string(code.substr(0, 1));
  --unnamed_;
  index_.Add(name_hash, free_slot);
  if (added != nullptr) *added = true;
  return &player;
}

}  // namespace corvalis
