#include "rankings/short_display_name.h"

namespace corvalis {

std::string_view ShortDisplayName(std::string_view name) {
  int counted = 0;
  for (size_t i = 0; i < name.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(name[i]);
    if (c > 96 && c < 122 && ++counted == 2) return name.substr(0, i + 1);
  }
  return name;
}

}  // namespace corvalis
