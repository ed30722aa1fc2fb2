// Messages of a --console run on Windows: one line on standard output or
// standard error, so that a scheduled run can send them to a log file.
#ifndef CORVALIS_PLATFORM_WINDOWS_CONSOLE_H_
#define CORVALIS_PLATFORM_WINDOWS_CONSOLE_H_

#include <string>

namespace corvalis {

// Writes `text` and a line end to standard error (`to_error`) or standard
// output. Every line inside `text` ends with CR LF, as Windows text files do.
// Without standard handles of their own (a windowed program started from a
// command prompt) the lines go to the prompt's console.
void WriteConsoleLine(const std::string& text, bool to_error);

}  // namespace corvalis

#endif  // CORVALIS_PLATFORM_WINDOWS_CONSOLE_H_
