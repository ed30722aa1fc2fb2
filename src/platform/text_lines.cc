#include "platform/text_lines.h"

#include <bit>
#include <cstring>
#include <utility>

#include "util/byte_words.h"

namespace corvalis {
namespace {

// Where the first CR or LF at or after `i` is (`size` for none), sixteen
// bytes at a time: most lines are a few such steps.
size_t FindLineEnd(const char* data, size_t i, size_t size) {
  for (; i + 16 <= size; i += 16) {
    uint32_t ends = SixteenBytesEqual(data + i, '\n', '\r');
    if (ends != 0) return i + static_cast<size_t>(std::countr_zero(ends));
  }
  while (i < size && data[i] != '\n' && data[i] != '\r') ++i;
  return i;
}

// Calls visit(start, length) for every line of `bytes`: a line ends at the
// first LF or CR, and a CR right before an LF ends it together with it.
template <typename Visit>
void ForEachLine(std::string_view bytes, Visit visit) {
  const char* data = bytes.data();
  size_t size = bytes.size();
  size_t start = 0;
  while (start < size) {
    size_t end = FindLineEnd(data, start, size);
    visit(start, end - start);
    if (end == size) return;
    start = end + (data[end] == '\r' && end + 1 < size && data[end + 1] == '\n' ? 2 : 1);
  }
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

namespace {

std::unique_ptr<char[]> CopyOf(std::string_view bytes) {
  auto data = std::make_unique_for_overwrite<char[]>(bytes.size());
  std::char_traits<char>::copy(data.get(), bytes.data(), bytes.size());
  return data;
}

}  // namespace

// Views of consecutive pieces of `bytes`, `lengths[k]` bytes each.
void TextLines::Adopt(std::string_view bytes, const std::vector<size_t>& lengths) {
  bytes_ = CopyOf(bytes);
  size_ = bytes.size();
  lines_.reserve(lengths.size());
  const char* next = bytes_.get();
  for (size_t length : lengths) {
    lines_.emplace_back(next, length);
    next += length;
  }
}

TextLines TextLines::FromBytes(std::string_view bytes, size_t max_line) {
  return FromBuffer(CopyOf(bytes), bytes.size(), max_line);
}

TextLines TextLines::FromBuffer(std::unique_ptr<char[]> data, size_t size, size_t max_line) {
  TextLines text;
  text.bytes_ = std::move(data);
  text.size_ = size;
  std::string_view all = text.all_bytes();
  // The line feeds counted first, so that the views usually take exactly
  // the room they need (a file of lone CRs grows them as it goes): room
  // guessed from the size spreads the heap over more pages.
  size_t count = 1;
  for (const char* p = all.data(), *end = p + all.size();
       (p = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(end - p)))) != nullptr;
       ++p) {
    ++count;
  }
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
