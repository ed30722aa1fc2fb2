#include "rankings/lower_team_names.h"

#include <cstdint>
#include <cstring>

#include "util/escaping.h"

namespace corvalis {

size_t LowerTeamNames::EndsHash::operator()(std::string_view text) const {
  uint64_t head = 0;
  uint64_t tail = 0;
  size_t n = text.size();
  if (n >= 8) {
    std::memcpy(&head, text.data(), 8);
    std::memcpy(&tail, text.data() + n - 8, 8);
  } else {
    std::memcpy(&head, text.data(), n);
  }
  uint64_t mixed = (head * 0x9E3779B97F4A7C15 + tail) * 0xC2B2AE3D27D4EB4F + n;
  return static_cast<size_t>(mixed ^ (mixed >> 29));
}

std::string_view LowerTeamNames::Of(std::string_view team) {
  auto found = lowered_.find(team);
  if (found == lowered_.end()) {
    found = lowered_.emplace(team, HtmlText(LowerText(team, encoding_))).first;
  }
  return found->second;
}

}  // namespace corvalis
