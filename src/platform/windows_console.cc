#include "platform/windows_console.h"

#include <windows.h>

namespace corvalis {
namespace {

std::string WithCrLf(const std::string& text) {
  std::string out;
  out.reserve(text.size() + 2);
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
    out += text[i];
  }
  return out + "\r\n";
}

bool Usable(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }

// The program is windowed, so it has standard handles only when they were
// redirected; started from a command prompt without redirection it borrows
// the prompt's console.
HANDLE ParentConsole() {
  static HANDLE console = [] {
    AttachConsole(ATTACH_PARENT_PROCESS);
    return CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE,
                       FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                       0, nullptr);
  }();
  return console;
}

void WriteAll(HANDLE h, const std::string& bytes) {
  DWORD mode;
  if (GetConsoleMode(h, &mode)) {
    // A console would read bytes in its own code page; UTF-16 it shows as
    // it is.
    std::wstring wide = Utf16FromUtf8(bytes);
    DWORD written = 0;
    WriteConsoleW(h, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    return;
  }
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD written = 0;
    if (!WriteFile(h, bytes.data() + done, static_cast<DWORD>(bytes.size() - done),
                   &written, nullptr) ||
        written == 0) {
      return;  // nobody to tell: the exit status still says how the run ended
    }
    done += written;
  }
}

}  // namespace

std::wstring Utf16FromUtf8(const std::string& text) {
  if (text.empty()) return {};
  int size = static_cast<int>(text.size());
  int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), n);
  return wide;
}

void WriteConsoleLine(const std::string& text, bool to_error) {
  HANDLE h = GetStdHandle(to_error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
  if (!Usable(h)) h = ParentConsole();
  if (Usable(h)) WriteAll(h, WithCrLf(text));
}

}  // namespace corvalis
