// A page or script as the run writes it: its lines in one buffer, each ended
// by CR LF, put together from pieces without a text per line.
#ifndef CORVALIS_UTIL_PAGE_H_
#define CORVALIS_UTIL_PAGE_H_

#include <functional>
#include <string>
#include <string_view>

#include "platform/env.h"
#include "util/encoding.h"

namespace corvalis {

// Pieces of a line that are written in a form of their own.
struct Html {  // a league text, escaped for the content of an element
  std::string_view text;
};
struct Number {  // the number-to-text form, with its leading space
  double value;
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

  // Appends the pieces and ends the line.
  template <typename... Pieces>
  Page& Line(const Pieces&... pieces) {
    (Put(pieces), ...);
    text_.append("\r\n", 2);
    if (spill_ && text_.size() >= kSpillBytes) Spill();
    return *this;
  }

  void Put(std::string_view piece) { text_.append(piece); }
  // Appends lines made elsewhere (ended by CR LF).
  void PutLines(std::string_view lines) {
    text_.append(lines);
    if (spill_ && text_.size() >= kSpillBytes) Spill();
  }
  void Put(char c) { text_ += c; }
  void Put(const Html& piece);
  void Put(const Number& piece);
  void Put(const JsText& piece);

  std::string_view text() const { return text_; }
  size_t size() const { return text_.size(); }
  void Clear() { text_.clear(); }
  // Hands over what the page holds.
  void Spill();

 private:
  static constexpr size_t kSpillBytes = 32768;
  std::string text_;
  std::function<void(std::string_view)> spill_;
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
