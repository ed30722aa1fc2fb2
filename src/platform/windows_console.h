// Messages of a --console run on Windows: one line on standard output or
// standard error, so that a scheduled run can send them to a log file.
#ifndef CORVALIS_PLATFORM_WINDOWS_CONSOLE_H_
#define CORVALIS_PLATFORM_WINDOWS_CONSOLE_H_

#include <string>

namespace corvalis {

// UTF-8 text as the wide-character calls take it.
std::wstring Utf16FromUtf8(const std::string& text);

// Writes the UTF-8 `text` and a line end to standard error (`to_error`) or
// standard output: a console shows it through the wide-character call, a
// redirection receives the UTF-8 bytes. Every line inside `text` ends with
// CR LF, as Windows text files do. Without standard handles of their own
// (a windowed program started from a command prompt) the lines go to the
// prompt's console.
void WriteConsoleLine(const std::string& text, bool to_error);

}  // namespace corvalis

#endif  // CORVALIS_PLATFORM_WINDOWS_CONSOLE_H_
