#include "platform/text_lines.h"

#include <bit>
#include <cstring>
#include <utility>

#include "util/byte_words.h"

namespace corvalis {
namespace {

// Calls visit(start, length) for every line of `bytes`: a line ends at the
// first LF or CR, and a CR right before an LF ends it together with it.
// The line ends are found sixty-four bytes at a time, as a mask whose bits
// are walked in order: most masks hold one or two lines.
template <typename Visit>
void ForEachLine(std::string_view bytes, Visit visit) {
  const char* data = bytes.data();
  size_t size = bytes.size();
  // A last line without a line end is ended at `size` as if by one: a bit
  // past the last byte, so that every line is visited at one place.
  bool open_end = size > 0 && data[size - 1] != '\n' && data[size - 1] != '\r';
  size_t stop = size + (open_end ? 1 : 0);
  size_t start = 0;  // of the line being read
  for (size_t base = 0; base < stop; base += 64) {
    uint64_t ends;
    if (base + 64 <= size) {
      ends = SixtyFourBytesEqual(data + base, '\n', '\r');
    } else {
      // The last bytes, padded with bytes that end no line.
      char last[64] = {};
      std::memcpy(last, data + base, size - base);
      ends = SixtyFourBytesEqual(last, '\n', '\r');
      if (open_end) ends |= uint64_t{1} << (size - base);
    }
    while (ends != 0) {
      size_t end = base + static_cast<size_t>(std::countr_zero(ends));
      ends &= ends - 1;
      if (end < start) continue;  // the LF of a CR LF, already passed
      visit(start, end - start);
      start = end + 1;
      if (start < size && data[end] == '\r' && data[start] == '\n') ++start;
    }
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
  size_t count = 1 + CountBytes(all.data(), all.size(), '\n');
  // Written in place: the room is made at once, and cut to the lines found.
  std::vector<std::string_view>& lines = text.lines_;
  lines.resize(count);
  std::string_view* next = lines.data();
  std::string_view* room_end = next + count;
  const char* bytes = all.data();
  ForEachLine(all, [&](size_t start, size_t length) {
    if (next == room_end) [[unlikely]] {
      size_t taken = lines.size();
      lines.resize(2 * taken);
      next = lines.data() + taken;
      room_end = lines.data() + lines.size();
    }
    if (length > max_line) [[unlikely]] {
      length = max_line;
      text.cut_lines_.push_back(static_cast<size_t>(next - lines.data()) + 1);
    }
    *next++ = std::string_view(bytes + start, length);
  });
  lines.resize(static_cast<size_t>(next - lines.data()));
  return text;
}

}  // namespace corvalis
