// Texts of the league's files written into pages and scripts. A team or
// player name is the league's own text and may hold any byte: on a page it
// must not open markup, in a script it must stay one string.
#ifndef CORVALIS_UTIL_ESCAPING_H_
#define CORVALIS_UTIL_ESCAPING_H_

#include <string>
#include <string_view>

#include "util/encoding.h"

namespace corvalis {

// `text` for the content of an HTML element: "<" and ">" become "&lt;" and
// "&gt;", and an "&" becomes "&amp;" unless it begins a character reference
// ("&agrave;", "&#232;", "&#xE8;"), which a league may write on purpose.
// Quotes stay: no league text is written inside an attribute.
std::string HtmlText(std::string_view text);
void AppendHtml(std::string& out, std::string_view text);
// True when HtmlText(text) is `text` itself: no "<", ">" or "&" in it, as
// in nearly every league text.
bool IsPlainHtml(std::string_view text);

// `text` as a double-quoted JavaScript string literal made of ASCII only:
// quotes, backslashes, control characters and "<" are escaped, and every
// non-ASCII character of the run's encoding is written as \uXXXX, so a data
// script reads the same whatever charset the server announces for it.
std::string JsString(std::string_view text, TextEncoding encoding);
void AppendJsString(std::string& out, std::string_view text, TextEncoding encoding);
// True when JsString(text) is `text` itself between quotes: printable ASCII
// without quotes, backslashes or "<".
bool IsPlainJs(std::string_view text);

// A value of a data script: written as it is when it is a number literal
// ("7.5", ".860", "-1"), as a string literal otherwise ("n/a", "sv/ng").
std::string JsValue(std::string_view text, TextEncoding encoding);
void AppendJsValue(std::string& out, std::string_view text, TextEncoding encoding);

}  // namespace corvalis

#endif  // CORVALIS_UTIL_ESCAPING_H_
