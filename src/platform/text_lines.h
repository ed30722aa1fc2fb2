// The lines of a text file as the run reads them: the file's bytes kept
// once, and a view of each line into them. A line costs its bytes and one
// view, so reading a file needs little more memory than the file's size.
#ifndef CORVALIS_PLATFORM_TEXT_LINES_H_
#define CORVALIS_PLATFORM_TEXT_LINES_H_

#include <cstddef>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace corvalis {

// The longest line the run reads; the rest of a longer line is dropped.
constexpr size_t kMaxLineBytes = 65536;

class TextLines {
 public:
  using value_type = std::string_view;
  using const_iterator = std::vector<std::string_view>::const_iterator;
  using iterator = const_iterator;

  TextLines() = default;
  // Lines given one by one (tests, generated text): kept as they are.
  TextLines(std::initializer_list<std::string_view> lines);
  TextLines(const std::vector<std::string>& lines);  // NOLINT: implicit on purpose

  // Splits a file's contents: a line ends at CR LF, LF or a lone CR, the
  // terminator is dropped, a last line without terminator still counts, an
  // empty file has no lines. A line longer than `max_line` bytes keeps its
  // first `max_line` bytes and is listed in cut_lines().
  static TextLines FromBytes(std::string_view bytes, size_t max_line = kMaxLineBytes);
  // The same over the first `size` bytes of `data`, which the lines then
  // own: a file is read straight into its room, never cleared first.
  static TextLines FromBuffer(std::unique_ptr<char[]> data, size_t size,
                              size_t max_line = kMaxLineBytes);

  size_t size() const { return lines_.size(); }
  bool empty() const { return lines_.empty(); }
  std::string_view operator[](size_t i) const { return lines_[i]; }
  const_iterator begin() const { return lines_.begin(); }
  const_iterator end() const { return lines_.end(); }

  // The bytes the lines are views of (none before any were given).
  const std::shared_ptr<const char[]>& bytes() const { return bytes_; }
  std::string_view all_bytes() const { return {bytes_.get(), size_}; }

  // Numbers (from 1) of the lines that FromBytes cut.
  const std::vector<size_t>& cut_lines() const { return cut_lines_; }

  friend bool operator==(const TextLines& a, const TextLines& b) {
    return a.lines_ == b.lines_;
  }

 private:
  void Adopt(std::string_view bytes, const std::vector<size_t>& lengths);

  // Shared, never changed: copies of a TextLines are cheap and their views
  // stay valid whichever copy goes first.
  std::shared_ptr<const char[]> bytes_;
  size_t size_ = 0;
  std::vector<std::string_view> lines_;
  std::vector<size_t> cut_lines_;
};

}  // namespace corvalis

#endif  // CORVALIS_PLATFORM_TEXT_LINES_H_
