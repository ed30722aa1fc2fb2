#include "platform/text_lines.h"

#include <utility>

namespace corvalis {
namespace {

// Calls visit(start, length) for every line of `bytes`.
template <typename Visit>
void ForEachLine(std::string_view bytes, Visit visit) {
  size_t start = 0;
  size_t i = 0;
  while (i < bytes.size()) {
    char c = bytes[i];
    if (c == '\n' || c == '\r') {
      visit(start, i - start);
      if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
      start = ++i;
    } else {
      ++i;
    }
  }
  if (start < bytes.size()) visit(start, bytes.size() - start);
}

}  // namespace

TextLines::TextLines(std::initializer_list<std::string_view> lines)
    : TextLines(std::vector<std::string>(lines.begin(), lines.end())) {}

TextLines::TextLines(const std::vector<std::string>& lines) {
  std::string bytes;
  std::vector<size_t> lengths;
  lengths.reserve(lines.size());
  size_t total = 0;
  for (const std::string& line : lines) total += line.size();
  bytes.reserve(total);
  for (const std::string& line : lines) {
    bytes += line;
    lengths.push_back(line.size());
  }
  Adopt(std::move(bytes), lengths);
}

// Views of consecutive pieces of `bytes`, `lengths[k]` bytes each.
void TextLines::Adopt(std::string bytes, const std::vector<size_t>& lengths) {
  bytes_ = std::make_shared<const std::string>(std::move(bytes));
  lines_.reserve(lengths.size());
  const char* next = bytes_->data();
  for (size_t length : lengths) {
    lines_.emplace_back(next, length);
    next += length;
  }
}

TextLines TextLines::FromBytes(std::string bytes, size_t max_line) {
  TextLines text;
  // Counted first, so that the views take exactly the room they need.
  size_t count = 0;
  ForEachLine(bytes, [&](size_t, size_t) { ++count; });
  text.bytes_ = std::make_shared<const std::string>(std::move(bytes));
  std::string_view all = *text.bytes_;
  text.lines_.reserve(count);
  ForEachLine(all, [&](size_t start, size_t length) {
    if (length > max_line) {
      length = max_line;
      text.cut_lines_.push_back(text.lines_.size() + 1);
    }
    text.lines_.push_back(all.substr(start, length));
  });
  return text;
}

}  // namespace corvalis
