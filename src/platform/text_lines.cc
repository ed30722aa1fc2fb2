#include "platform/text_lines.h"

#include <cstring>
#include <utility>

namespace corvalis {
// The ends are found with memchr, which looks at many bytes at a time: a
// line ends at the first LF, or earlier at a CR (a CR right before the LF
// belongs to it).
bool LineCursor::NextSpan(std::string_view& line, size_t& length) {
  size_t size = bytes_.size();
  if (start_ >= size) return false;
  const char* from = bytes_.data() + start_;
  size_t left = size - start_;
  const char* lf = static_cast<const char*>(std::memchr(from, '\n', left));
  size_t span = lf != nullptr ? static_cast<size_t>(lf - from) : left;
  const char* cr = static_cast<const char*>(std::memchr(from, '\r', span));
  if (cr != nullptr) {
    length = static_cast<size_t>(cr - from);
    // CR LF is one line end; a lone CR is one too.
    start_ += length + (length + 1 == span && lf != nullptr ? 2 : 1);
  } else {
    length = span;
    start_ = lf != nullptr ? start_ + span + 1 : size;
  }
  line = std::string_view(from, length);
  return true;
}

TextLines::TextLines(std::initializer_list<std::string_view> lines)
    : TextLines(std::vector<std::string>(lines.begin(), lines.end())) {}

TextLines::TextLines(const std::vector<std::string>& lines) {
  std::string bytes;
  size_t total = 0;
  for (const std::string& line : lines) total += line.size() + 1;
  bytes.reserve(total);
  for (const std::string& line : lines) {
    bytes += line;
    bytes += '\n';
  }
  bytes_ = std::make_shared<const std::string>(std::move(bytes));
  lines_.reserve(lines.size());
  const char* next = bytes_->data();
  for (const std::string& line : lines) {
    lines_.emplace_back(next, line.size());
    next += line.size() + 1;
  }
}

TextLines TextLines::FromBytes(std::string bytes, size_t max_line) {
  TextLines text;
  // The line feeds counted first, so that the views usually take exactly
  // the room they need (a file of lone CRs grows them as it goes).
  size_t count = 1;
  for (const char* p = bytes.data(), *end = p + bytes.size();
       (p = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(end - p)))) != nullptr;
       ++p) {
    ++count;
  }
  text.bytes_ = std::make_shared<const std::string>(std::move(bytes));
  std::string_view all = *text.bytes_;
  text.lines_.reserve(count);
  LineCursor cursor(all);
  std::string_view line;
  size_t length;
  while (cursor.NextSpan(line, length)) {
    if (length > max_line) {
      line = line.substr(0, max_line);
      text.cut_lines_.push_back(text.lines_.size() + 1);
    }
    text.lines_.push_back(line);
  }
  return text;
}

}  // namespace corvalis
