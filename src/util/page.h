// A page or script as the run writes it: its lines in one buffer, each ended
// by CR LF, put together from pieces without a text per line.
#ifndef CORVALIS_UTIL_PAGE_H_
#define CORVALIS_UTIL_PAGE_H_

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
  // Appends the pieces and ends the line.
  template <typename... Pieces>
  Page& Line(const Pieces&... pieces) {
    (Put(pieces), ...);
    text_.append("\r\n", 2);
    return *this;
  }

  void Put(std::string_view piece) { text_.append(piece); }
  void Put(char c) { text_ += c; }
  void Put(const Html& piece);
  void Put(const Number& piece);
  void Put(const JsText& piece);

  std::string_view text() const { return text_; }
  size_t size() const { return text_.size(); }
  void Clear() { text_.clear(); }

 private:
  std::string text_;
};

// Writes `bytes` to `path`; a failure ends the run with a message naming the
// file.
void WriteFileOrStop(Env& env, const std::string& path, std::string_view bytes);

}  // namespace corvalis

#endif  // CORVALIS_UTIL_PAGE_H_
