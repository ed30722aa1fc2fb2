// A page or script as the run writes it: its lines in one buffer, each ended
// by CR LF, put together from pieces without a text per line.
#ifndef CORVALIS_UTIL_PAGE_H_
#define CORVALIS_UTIL_PAGE_H_

#include <algorithm>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "platform/env.h"
#include "util/encoding.h"
#include "util/escaping.h"

namespace corvalis {

// Pieces of a line that are written in a form of their own.
struct Html {  // a league text, escaped for the content of an element
  std::string_view text;
};
struct Number {  // the number-to-text form, with its leading space
  double value;
};
struct Whole {  // a whole number as WholeText writes it ("7", "-3")
  long long value;
};
struct Padded {  // a text with at least kBytes readable from its start
  static constexpr size_t kBytes = 32;
  std::string_view text;
};
struct JsText {  // a league text as a script's string literal
  std::string_view text;
  TextEncoding encoding;
};

class Page {
 public:
  Page() = default;
  // A page that goes to `spill` a piece at a time, whenever it holds some
  // kSpillBytes; text() is then only what was not yet handed over.
  explicit Page(std::function<void(std::string_view)> spill);
  Page(Page&& other) noexcept { *this = std::move(other); }
  Page& operator=(Page&& other) noexcept;

  // Appends the pieces and ends the line. Room for the longest form of
  // every piece is made once; the pieces are then copied without a check.
  template <typename... Pieces>
  Page& Line(const Pieces&... pieces) {
    size_t most = (MostBytes(pieces) + ... + 2);
    if (most > capacity_ - size_) Grow(most);
    char* out = buffer_.get() + size_;
    ((out = Write(out, pieces)), ...);
    out[0] = '\r';
    out[1] = '\n';
    size_ = static_cast<size_t>(out + 2 - buffer_.get());
    if (size_ >= spill_at_) Spill();
    return *this;
  }

  // Inline, so that the copy of a literal piece has a known length and
  // needs no call.
  void Put(std::string_view piece) {
    if (piece.size() > capacity_ - size_) Grow(piece.size());
    std::char_traits<char>::copy(buffer_.get() + size_, piece.data(), piece.size());
    size_ += piece.size();
  }
  // Appends lines made elsewhere (ended by CR LF).
  void PutLines(std::string_view lines) {
    Put(lines);
    if (size_ >= spill_at_) Spill();
  }
  // Lines added between the two go to `spill` together, as if put with
  // PutLines, so that a page hands over its bytes at the same points
  // whether a block of lines is made in it or made apart and copied.
  void HoldSpills() { spill_at_ = kNoSpill; }
  void ReleaseSpills() {
    if (spill_) {
      spill_at_ = kSpillBytes;
      if (size_ >= spill_at_) Spill();
    }
  }
  void Put(char c) { Put(std::string_view(&c, 1)); }
  template <typename Piece>
  void Put(const Piece& piece) {
    size_t most = MostBytes(piece);
    if (most > capacity_ - size_) Grow(most);
    size_ = static_cast<size_t>(Write(buffer_.get() + size_, piece) - buffer_.get());
  }

  std::string_view text() const { return {buffer_.get(), size_}; }
  size_t size() const { return size_; }
  void Clear() { size_ = 0; }
  // Hands over what the page holds.
  void Spill();

 private:
  static constexpr size_t kSpillBytes = 32768;
  // The most bytes each piece can take: an escaped character takes up to
  // 5 ("&amp;") on a page and 6 ("\\u20AC") in a script, and the
  // number-to-text form of a double up to some 340 ("." and 323 zeros
  // before a tiny value's digits).
  static size_t MostBytes(std::string_view piece) { return piece.size(); }
  static size_t MostBytes(char) { return 1; }
  static size_t MostBytes(const Html& piece) { return 5 * piece.text.size(); }
  static size_t MostBytes(const Number&) { return kMostNumberBytes; }
  static size_t MostBytes(const Whole&) { return 20; }
  static size_t MostBytes(const Padded& piece) { return std::max(piece.text.size(), Padded::kBytes); }
  static size_t MostBytes(const JsText& piece) { return 6 * piece.text.size() + 2; }
  static constexpr size_t kMostNumberBytes = 400;

  // Each piece written at `out`, in room already made; they return the end
  // of what they wrote.
  static char* Write(char* out, std::string_view piece) {
    std::char_traits<char>::copy(out, piece.data(), piece.size());
    return out + piece.size();
  }
  // A short text goes as a block of known length, without a call; what
  // lies past its end is written over by the next piece.
  static char* Write(char* out, const Padded& piece) {
    if (piece.text.size() > Padded::kBytes) return Write(out, piece.text);
    std::char_traits<char>::copy(out, piece.text.data(), Padded::kBytes);
    return out + piece.text.size();
  }
  static char* Write(char* out, char c) {
    *out = c;
    return out + 1;
  }
  static char* Write(char* out, const Html& piece) {
    return IsPlainHtml(piece.text) ? Write(out, piece.text) : WriteEscaped(out, piece.text);
  }
  static char* Write(char* out, const Number& piece);
  static char* Write(char* out, const Whole& piece);
  static char* Write(char* out, const JsText& piece);
  // HtmlText(text), for a text that needs escaping.
  static char* WriteEscaped(char* out, std::string_view text);
  // Makes room for `more` bytes beyond the text.
  void Grow(size_t more);

  // The text is kept in a buffer of its own rather than a std::string,
  // whose appends always go through a call.
  std::unique_ptr<char[]> buffer_;
  size_t size_ = 0;
  size_t capacity_ = 0;
  std::function<void(std::string_view)> spill_;
  static constexpr size_t kNoSpill = ~size_t{0};
  size_t spill_at_ = kNoSpill;  // kSpillBytes for a page that spills
};

// Writes `bytes` to `path`; a failure ends the run with a message naming the
// file.
void WriteFileOrStop(Env& env, const std::string& path, std::string_view bytes);

// Writes the page that `build` appends to straight into `path`, a piece at
// a time, so that no page is held whole; the file appears once `build` is
// done. A failure ends the run with a message naming the file.
void WritePage(Env& env, const std::string& path, const std::function<void(Page&)>& build);

}  // namespace corvalis

#endif  // CORVALIS_UTIL_PAGE_H_
