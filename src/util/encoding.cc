#include "util/encoding.h"

#include <cstdint>
#include <cstring>

namespace corvalis {
namespace {

// Windows-1252 bytes 0x80..0x9F; the five unassigned bytes keep their C1
// code point. Every other byte is its own code point.
constexpr char32_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t Cp1252ToCode(unsigned char byte) {
  return byte >= 0x80 && byte <= 0x9F ? kCp1252High[byte - 0x80] : byte;
}

// The Windows-1252 byte of `code`, or -1 when the encoding has none.
int CodeToCp1252(char32_t code) {
  if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<int>(code);
  for (int i = 0; i < 32; ++i) {
    if (kCp1252High[i] == code) return 0x80 + i;
  }
  return -1;
}

// Length of the well-formed UTF-8 sequence at the front of `text`, or 0.
size_t Utf8SequenceLength(std::string_view text) {
  auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  unsigned char lead = byte(0);
  size_t length;
  unsigned char low = 0x80, high = 0xBF;  // range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;   // overlong
    if (lead == 0xED) high = 0x9F;  // surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;   // overlong
    if (lead == 0xF4) high = 0x8F;  // above U+10FFFF
  } else {
    return 0;
  }
  if (text.size() < length) return 0;
  if (byte(1) < low || byte(1) > high) return 0;
  for (size_t i = 2; i < length; ++i) {
    if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
  }
  return length;
}

void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

bool InRange(char32_t code, char32_t first, char32_t last) {
  return code >= first && code <= last;
}

// Latin Extended-A pairs its letters upper/lower, mostly even/odd; two runs
// are odd/even, and a few letters have no partner in the block.
bool LatinExtendedAUpper(char32_t code) {
  if (InRange(code, 0x139, 0x148) || InRange(code, 0x179, 0x17E)) return code % 2 == 1;
  if (InRange(code, 0x100, 0x12F) || InRange(code, 0x132, 0x137) ||
      InRange(code, 0x14A, 0x177)) {
    return code % 2 == 0;
  }
  return false;
}

bool LatinExtendedALower(char32_t code) {
  if (code == 0x131 || code == 0x138 || code == 0x149 || code == 0x17F) return true;
  if (InRange(code, 0x100, 0x17F) && code != 0x130 && code != 0x178) {
    return !LatinExtendedAUpper(code);
  }
  return false;
}

char32_t ToLowerCode(char32_t code) {
  if (InRange(code, 'A', 'Z')) return code + 32;
  if (InRange(code, 0xC0, 0xDE) && code != 0xD7) return code + 32;
  if (code == 0x178) return 0xFF;
  if (LatinExtendedAUpper(code)) return code + 1;
  if (InRange(code, 0x391, 0x3A9) && code != 0x3A2) return code + 32;
  if (InRange(code, 0x410, 0x42F)) return code + 32;
  if (InRange(code, 0x400, 0x40F)) return code + 80;
  return code;
}

char32_t ToUpperCode(char32_t code) {
  if (InRange(code, 'a', 'z')) return code - 32;
  if (InRange(code, 0xE0, 0xFE) && code != 0xF7) return code - 32;
  if (code == 0xFF) return 0x178;
  if (InRange(code, 0x100, 0x17F) && code != 0x131 && code != 0x138 && code != 0x149 &&
      code != 0x17F && LatinExtendedALower(code)) {
    return code - 1;
  }
  if (InRange(code, 0x3B1, 0x3C9) && code != 0x3C2) return code - 32;
  if (InRange(code, 0x430, 0x44F)) return code - 32;
  if (InRange(code, 0x450, 0x45F)) return code - 80;
  return code;
}

bool IsLowerLetter(char32_t code) {
  if (InRange(code, 'a', 'z')) return true;
  if (code == 0xAA || code == 0xB5 || code == 0xBA || code == 0xDF || code == 0x192) {
    return true;
  }
  if (InRange(code, 0xE0, 0xFF) && code != 0xF7) return true;
  if (LatinExtendedALower(code)) return true;
  if (InRange(code, 0x3AC, 0x3CE)) return true;
  return InRange(code, 0x430, 0x45F);
}

// Rewrites every character of `text` with `map` where the encoding can
// write the result; ill-formed bytes and unmapped characters stay as read.
template <typename Map>
std::string MapCase(std::string_view text, TextEncoding encoding, Map map) {
  std::string out;
  out.reserve(text.size());
  while (!text.empty()) {
    unsigned char first = static_cast<unsigned char>(text[0]);
    if (first < 0x80) {
      out += static_cast<char>(map(first));
      text.remove_prefix(1);
      continue;
    }
    DecodedChar c = DecodeChar(text, encoding);
    char32_t mapped = map(c.code);
    bool well_formed = encoding == TextEncoding::kWindows1252 || c.length > 1;
    if (mapped == c.code || !well_formed) {
      out.append(text.substr(0, c.length));
    } else if (encoding == TextEncoding::kUtf8) {
      AppendUtf8(out, mapped);
    } else {
      int byte = CodeToCp1252(mapped);
      if (byte < 0) {
        out.append(text.substr(0, c.length));
      } else {
        out += static_cast<char>(byte);
      }
    }
    text.remove_prefix(c.length);
  }
  return out;
}

}  // namespace

const char* CharsetName(TextEncoding encoding) {
  return encoding == TextEncoding::kUtf8 ? "UTF-8" : "windows-1252";
}

bool IsWellFormedUtf8(std::string_view text) {
  size_t i = 0;
  while (i < text.size()) {
    // Plain ASCII, by far the most of a league's text, 32 bytes at a time,
    // then eight.
    constexpr uint64_t kHighBits = 0x8080808080808080ULL;
    uint64_t words[4];
    while (i + sizeof words <= text.size()) {
      std::memcpy(words, text.data() + i, sizeof words);
      if (((words[0] | words[1] | words[2] | words[3]) & kHighBits) != 0) break;
      i += sizeof words;
    }
    while (i + sizeof words[0] <= text.size()) {
      std::memcpy(words, text.data() + i, sizeof words[0]);
      if ((words[0] & kHighBits) != 0) break;
      i += sizeof words[0];
    }
    if (i == text.size()) break;
    if (static_cast<unsigned char>(text[i]) < 0x80) {
      ++i;
      continue;
    }
    size_t length = Utf8SequenceLength(text.substr(i));
    if (length == 0) return false;
    i += length;
  }
  return true;
}

TextEncoding NoteInputText(TextEncoding encoding, std::string_view text) {
  if (encoding == TextEncoding::kUtf8 && !IsWellFormedUtf8(text)) {
    return TextEncoding::kWindows1252;
  }
  return encoding;
}

TextEncoding Narrowed(TextEncoding encoding, TextEncoding more) {
  return encoding == TextEncoding::kUtf8 ? more : encoding;
}

DecodedChar DecodeChar(std::string_view text, TextEncoding encoding) {
  if (text.empty()) return {};
  unsigned char first = static_cast<unsigned char>(text[0]);
  if (first < 0x80) return {first, 1};
  if (encoding == TextEncoding::kUtf8) {
    size_t length = Utf8SequenceLength(text);
    if (length > 0) {
      char32_t code = length == 2 ? first & 0x1F : length == 3 ? first & 0x0F : first & 0x07;
      for (size_t i = 1; i < length; ++i) {
        code = (code << 6) | (static_cast<unsigned char>(text[i]) & 0x3F);
      }
      return {code, length};
    }
  }
  return {Cp1252ToCode(first), 1};
}

std::string ToUtf8(std::string_view text) {
  if (IsWellFormedUtf8(text)) return std::string(text);
  std::string out;
  out.reserve(text.size() + text.size() / 2);
  for (char c : text) AppendUtf8(out, Cp1252ToCode(static_cast<unsigned char>(c)));
  return out;
}

std::string LowerText(std::string_view text, TextEncoding encoding) {
  return MapCase(text, encoding, ToLowerCode);
}

std::string UpperText(std::string_view text, TextEncoding encoding) {
  return MapCase(text, encoding, ToUpperCode);
}

std::string FirstAsIsRestLower(std::string_view text, TextEncoding encoding) {
  size_t first = DecodeChar(text, encoding).length;
  // Names are mostly ASCII: lowered in place up to the first byte that is
  // not, the rest character by character. An ASCII byte is a character of
  // its own in either encoding, so the rest begins on a character.
  std::string out(text);
  size_t i = first;
  for (; i < out.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(out[i]);
    if (c >= 0x80) break;
    if (c >= 'A' && c <= 'Z') out[i] = static_cast<char>(c + 32);
  }
  if (i == out.size()) return out;
  out.resize(i);
  return out + LowerText(text.substr(i), encoding);
}

bool EndsInLowerCase(std::string_view text, TextEncoding encoding) {
  if (text.empty()) return false;
  // An ASCII byte is a character of its own in either encoding, and so is
  // every Windows-1252 byte: the last one is then read alone. Otherwise the
  // characters are read from just after the last ASCII byte.
  unsigned char back = static_cast<unsigned char>(text.back());
  if (back < 0x80) return back > 96;
  if (encoding == TextEncoding::kWindows1252) return IsLowerLetter(Cp1252ToCode(back));
  size_t ascii_end = text.size() - 1;
  while (ascii_end > 0 && static_cast<unsigned char>(text[ascii_end - 1]) >= 0x80) --ascii_end;
  return EndsInLowerCaseRead(text.substr(ascii_end), encoding);
}

bool EndsInLowerCaseRead(std::string_view text, TextEncoding encoding) {
  DecodedChar last;
  bool ascii = false;
  while (!text.empty()) {
    last = DecodeChar(text, encoding);
    ascii = static_cast<unsigned char>(text[0]) < 0x80;
    text.remove_prefix(last.length);
  }
  if (last.length == 0) return false;
  if (ascii) return last.code > 96;
  return IsLowerLetter(last.code);
}

}  // namespace corvalis
