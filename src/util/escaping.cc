#include "util/escaping.h"

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace corvalis {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Length of the character reference at the front of `text` ("&amp;",
// "&#39;", "&#x27;"), or 0 when the "&" there begins none.
size_t CharacterReferenceLength(std::string_view text) {
  size_t i = 1;
  if (i < text.size() && text[i] == '#') {
    ++i;
    bool hex = i < text.size() && (text[i] == 'x' || text[i] == 'X');
    if (hex) ++i;
    size_t digits = i;
    while (i < text.size() &&
           (hex ? std::isxdigit(static_cast<unsigned char>(text[i])) != 0 : IsDigit(text[i]))) {
      ++i;
    }
    if (i == digits) return 0;
  } else {
    if (i >= text.size() || !IsAsciiLetter(text[i])) return 0;
    while (i < text.size() && (IsAsciiLetter(text[i]) || IsDigit(text[i]))) ++i;
  }
  return i < text.size() && text[i] == ';' ? i + 1 : 0;
}

void AppendUnicodeEscape(std::string& out, char32_t unit) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "\\u%04X", static_cast<unsigned>(unit));
  out += buffer;
}

bool IsNumberLiteral(std::string_view text) {
  size_t i = 0;
  if (i < text.size() && text[i] == '-') ++i;
  size_t whole = i;
  while (i < text.size() && IsDigit(text[i])) ++i;
  bool has_whole = i > whole;
  if (i - whole > 1 && text[whole] == '0') return false;  // "07" is no decimal literal
  size_t fraction = i;
  if (i < text.size() && text[i] == '.') {
    ++i;
    fraction = i;
    while (i < text.size() && IsDigit(text[i])) ++i;
  }
  bool has_fraction = i > fraction;
  return i == text.size() && (has_whole || has_fraction);
}

}  // namespace

std::string HtmlText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  AppendHtml(out, text);
  return out;
}

void AppendHtml(std::string& out, std::string_view text) {
  // Runs of plain characters go in one append each.
  size_t plain = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c != '<' && c != '>' && c != '&') continue;
    if (c == '&' && CharacterReferenceLength(text.substr(i)) != 0) continue;
    out.append(text.data() + plain, i - plain);
    out += c == '<' ? "&lt;" : c == '>' ? "&gt;" : "&amp;";
    plain = i + 1;
  }
  out.append(text.data() + plain, text.size() - plain);
}

namespace {

constexpr uint64_t kOnes = 0x0101010101010101;
constexpr uint64_t kHighs = 0x8080808080808080;

// True when one of the 8 bytes of `word` is `byte`: the byte goes to 0, and
// only a 0 byte borrows into its own high bit.
bool HasByte(uint64_t word, unsigned char byte) {
  uint64_t x = word ^ (kOnes * byte);
  return ((x - kOnes) & ~x & kHighs) != 0;
}

// True when the 8 bytes at `p` hold a "<", ">" or "&". Setting bit 1 turns
// "<" into ">" and leaves no other byte a ">".
bool HasMarkup(const char* p) {
  uint64_t word;
  std::memcpy(&word, p, sizeof word);
  return HasByte(word | (kOnes * 0x02), '>') || HasByte(word, '&');
}

}  // namespace

bool IsPlainHtml(std::string_view text) {
  const char* p = text.data();
  size_t n = text.size();
  if (n < 8) {
    for (size_t i = 0; i < n; ++i) {
      char c = p[i];
      if (c == '<' || c == '>' || c == '&') return false;
    }
    return true;
  }
  // Eight bytes at a time; the last eight may overlap ones already seen.
  for (size_t i = 0; i + 8 < n; i += 8) {
    if (HasMarkup(p + i)) return false;
  }
  return !HasMarkup(p + n - 8);
}

std::string JsString(std::string_view text, TextEncoding encoding) {
  std::string out;
  AppendJsString(out, text, encoding);
  return out;
}

void AppendJsString(std::string& out, std::string_view text, TextEncoding encoding) {
  out += '"';
  while (!text.empty()) {
    DecodedChar c = DecodeChar(text, encoding);
    text.remove_prefix(c.length);
    switch (c.code) {
      case '"': out += "\\\""; continue;
      case '\\': out += "\\\\"; continue;
      case '\n': out += "\\n"; continue;
      case '\r': out += "\\r"; continue;
      case '\t': out += "\\t"; continue;
      case '<': AppendUnicodeEscape(out, c.code); continue;
      default: break;
    }
    if (c.code >= 0x20 && c.code < 0x7F) {
      out += static_cast<char>(c.code);
    } else if (c.code < 0x10000) {
      AppendUnicodeEscape(out, c.code);
    } else {
      char32_t v = c.code - 0x10000;
      AppendUnicodeEscape(out, 0xD800 + (v >> 10));
      AppendUnicodeEscape(out, 0xDC00 + (v & 0x3FF));
    }
  }
  out += '"';
}

bool IsPlainJs(std::string_view text) {
  for (unsigned char c : text) {
    if (c < 0x20 || c >= 0x7F || c == '"' || c == '\\' || c == '<') return false;
  }
  return true;
}

std::string JsValue(std::string_view text, TextEncoding encoding) {
  std::string out;
  AppendJsValue(out, text, encoding);
  return out;
}

void AppendJsValue(std::string& out, std::string_view text, TextEncoding encoding) {
  if (IsNumberLiteral(text)) {
    out += text;
  } else {
    AppendJsString(out, text, encoding);
  }
}

}  // namespace corvalis
