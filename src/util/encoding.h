// The character encoding of a league's files, and letter case in it.
//
// Leagues write their files either in UTF-8 or in Windows-1252 (the
// league-management software's exports). The run cannot be told which, so
// it looks: a run whose inputs are all well-formed UTF-8 is a UTF-8 run,
// any other byte sequence makes it a Windows-1252 run. Bytes are never
// converted on the way to the pages; the encoding only tells the site how
// to show them and tells the run which bytes are letters.
#ifndef CORVALIS_UTIL_ENCODING_H_
#define CORVALIS_UTIL_ENCODING_H_

#include <string>
#include <string_view>

namespace corvalis {

enum class TextEncoding { kUtf8, kWindows1252 };

// The charset name the site index sends ("UTF-8", "windows-1252").
const char* CharsetName(TextEncoding encoding);

// True when every non-ASCII sequence of `text` is well-formed UTF-8 (no
// overlong forms, no surrogates, nothing above U+10FFFF).
bool IsWellFormedUtf8(std::string_view text);

// Narrows `encoding` by one more input text: once a text is not UTF-8 the
// run stays Windows-1252.
TextEncoding NoteInputText(TextEncoding encoding, std::string_view text);

// The encoding of texts read so far and of one more: Windows-1252 once any
// of them is.
TextEncoding Narrowed(TextEncoding encoding, TextEncoding more);

// One character taken off the front of a text: its code point and its
// length in bytes. Windows-1252 bytes decode one by one; in UTF-8 an
// ill-formed byte decodes alone, as its Windows-1252 character.
struct DecodedChar {
  char32_t code = 0;
  size_t length = 0;
};
DecodedChar DecodeChar(std::string_view text, TextEncoding encoding);

// `text` as UTF-8: unchanged when it is well-formed UTF-8, otherwise read
// as Windows-1252. For messages, which the console shows as UTF-8.
std::string ToUtf8(std::string_view text);

// Letter case in the run's encoding: ASCII letters as always, and the
// accented letters of the encoding (Latin-1, Latin Extended-A, Greek and
// Cyrillic in UTF-8; the Windows-1252 letters otherwise). Every other byte
// stays as it is.
std::string LowerText(std::string_view text, TextEncoding encoding);
std::string UpperText(std::string_view text, TextEncoding encoding);

// The first character as it is and the rest in lower case ("DE ROSSI" ->
// "De rossi", "MONTÈ" -> "Montè"), as names are shown in the calendar.
std::string FirstAsIsRestLower(std::string_view text, TextEncoding encoding);

// Whether the last character of `text` reads as lower case for the surname
// rule: an ASCII byte above 96 does (letters, and "{", "|", "}", "~"), a
// non-ASCII character when it is a lower-case letter of the encoding.
bool EndsInLowerCase(std::string_view text, TextEncoding encoding);
// The same, every character of `text` read from the front: what
// EndsInLowerCase answers by its last bytes. For the tests.
bool EndsInLowerCaseRead(std::string_view text, TextEncoding encoding);

}  // namespace corvalis

#endif  // CORVALIS_UTIL_ENCODING_H_
