// The Windows implementation of Env: Win32 calls throughout, message boxes
// unless the run was asked to use the console. Paths are passed to the ANSI
// ("A") calls as they are, in the code page of the league's files; messages
// are shown through the wide-character calls.
#include <windows.h>

#include "platform/env.h"
#include "platform/file_names.h"
#include "platform/windows_console.h"
#include "store/encoding.h"

namespace corvalis {
namespace {

std::string LastErrorText() {
  DWORD code = GetLastError();
  char* buffer = nullptr;
  DWORD n = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
          FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<LPSTR>(&buffer), 0, nullptr);
  std::string text = n ? std::string(buffer, n) : "errore " + std::to_string(code);
  if (buffer) LocalFree(buffer);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' ||
                           text.back() == ' ' || text.back() == '.')) {
    text.pop_back();
  }
  return text;
}

// "/" becomes "\" and the doubled separators that plain concatenation
// leaves (a folder from conf.txt ends with "\") collapse; a leading "\\"
// stays, as it names a network share.
std::string ToWindows(const std::string& path) {
  std::string out;
  out.reserve(path.size());
  for (char c : path) {
    if (c == '/') c = '\\';
    if (c == '\\' && out.size() > 1 && out.back() == '\\') continue;
    out += c;
  }
  return out;
}

Status ReadWhole(const std::string& path, std::string* bytes) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_READ,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                         nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return Status::Error(LastErrorText());
  bytes->clear();
  char buffer[65536];
  Status status;
  for (;;) {
    DWORD got = 0;
    if (!ReadFile(h, buffer, sizeof(buffer), &got, nullptr)) {
      status = Status::Error(LastErrorText());
      break;
    }
    if (got == 0) break;
    bytes->append(buffer, got);
  }
  CloseHandle(h);
  return status;
}

Status WriteWhole(const std::string& target, const std::string& bytes) {
  // Written beside the target and moved over it, so a failure keeps the
  // older version and a reader never sees half a file.
  std::string temp = target + ".tmp-corvalis";
  HANDLE h = CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return Status::Error(LastErrorText());
  std::string error;
  size_t done = 0;
  while (done < bytes.size() && error.empty()) {
    DWORD written = 0;
    if (!WriteFile(h, bytes.data() + done, static_cast<DWORD>(bytes.size() - done),
                   &written, nullptr)) {
      error = LastErrorText();
    } else if (written == 0) {
      error = "scrittura interrotta";
    }
    done += written;
  }
  if (!CloseHandle(h) && error.empty()) error = LastErrorText();
  if (error.empty() &&
      !MoveFileExA(temp.c_str(), target.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    error = LastErrorText();
  }
  if (!error.empty()) {
    DeleteFileA(temp.c_str());
    return Status::Error(error);
  }
  return Status::Ok();
}

std::vector<std::string> PlainFilesIn(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA data;
  HANDLE h = FindFirstFileA(((folder.empty() ? "." : folder) + "\\*").c_str(), &data);
  if (h == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
      names.push_back(data.cFileName);
    }
  } while (FindNextFileA(h, &data));
  FindClose(h);
  return names;
}

class WindowsEnv : public Env {
 public:
  explicit WindowsEnv(const EnvOptions& options)
      : home_(options.home), console_(options.console) {}

  std::string ProgramFolder() override {
    std::string folder = home_;
    if (folder.empty()) {
      char buffer[32768];
      DWORD n = GetModuleFileNameA(nullptr, buffer, sizeof(buffer));
      folder = (n > 0 && n < sizeof(buffer)) ? SplitFolder(std::string(buffer, n)).folder
                                             : ".";
    }
    folder = ToWindows(folder);
    while (folder.size() > 1 && folder.back() == '\\') folder.pop_back();
    return folder;
  }

  // The folder is listed whole and matched by the caller: FindFirstFile's
  // own matching would also try the short 8.3 names and returns names in
  // the file system's order, not in the documented one.
  std::vector<std::string> ListFiles(const std::string& folder) override {
    return PlainFilesIn(ToWindows(folder));
  }

  Status ReadLines(const std::string& path,
                   std::vector<std::string>* lines) override {
    std::string bytes;
    Status status = ReadWhole(ToWindows(path), &bytes);
    if (status.ok()) *lines = SplitLines(bytes);
    return status;
  }

  Status WriteLines(const std::string& path,
                    const std::vector<std::string>& lines) override {
    return WriteWhole(ToWindows(path), JoinLines(lines));
  }

  Status StartProgram(const std::string& path) override {
    STARTUPINFOA startup;
    ZeroMemory(&startup, sizeof(startup));
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWMINIMIZED;  // minimised, with the focus
    PROCESS_INFORMATION process;
    ZeroMemory(&process, sizeof(process));
    // No application name: a bare name is searched for as Windows does,
    // beside this program first. A console tool gets a console of its own
    // rather than writing into this run's messages.
    std::string command = "\"";
    command += ToWindows(path);
    command += "\"";
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE,
                        CREATE_NEW_CONSOLE, nullptr, nullptr, &startup, &process)) {
      return Status::Error(LastErrorText());
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return Status::Ok();
  }

  Status CreateFolder(const std::string& path) override {
    std::string folder = ToWindows(path);
    while (folder.size() > 3 && folder.back() == '\\') folder.pop_back();
    // Each folder from the top down, past the drive ("C:\") or the share
    // ("\\server\share"), which cannot be created.
    size_t start = 0;
    if (folder.rfind("\\\\", 0) == 0) {
      size_t server = folder.find('\\', 2);
      start = server == std::string::npos ? folder.size() : folder.find('\\', server + 1);
      if (start == std::string::npos) start = folder.size();
    } else if (folder.size() >= 2 && folder[1] == ':') {
      start = 2;
    }
    for (size_t end = folder.find('\\', start + 1);; end = folder.find('\\', end + 1)) {
      std::string part = folder.substr(0, end);
      if (part.size() > start && part.back() != '\\' &&
          !CreateDirectoryA(part.c_str(), nullptr) &&
          GetLastError() != ERROR_ALREADY_EXISTS) {
        return Status::Error(LastErrorText());
      }
      if (end == std::string::npos) break;
    }
    DWORD attributes = GetFileAttributesA(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return Status::Error(LastErrorText());
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
      return Status::Error("esiste un file con questo nome");
    }
    return Status::Ok();
  }

  Status CopyFileOver(const std::string& from, const std::string& to) override {
    if (!CopyFileA(ToWindows(from).c_str(), ToWindows(to).c_str(), FALSE)) {
      return Status::Error(LastErrorText());
    }
    return Status::Ok();
  }

  std::string NativePath(const std::string& path) override { return ToWindows(path); }

  // Messages are shown in UTF-8, whatever the encoding of the league's
  // names in them (a Windows-1252 text is converted).
  void ShowMessage(const std::string& text, MessageKind kind) override {
    std::string utf8 = ToUtf8(text);
    if (console_) {
      WriteConsoleLine(utf8, kind != MessageKind::kCompletion);
      return;
    }
    UINT icon = kind == MessageKind::kError     ? MB_ICONERROR
                : kind == MessageKind::kWarning ? MB_ICONWARNING
                                                : MB_ICONINFORMATION;
    MessageBoxW(nullptr, Utf16FromUtf8(utf8).c_str(), L"Corvalis",
                MB_OK | icon | MB_SETFOREGROUND);
  }

 private:
  std::string home_;
  bool console_;
};

}  // namespace

std::unique_ptr<Env> NewPlatformEnv(const EnvOptions& options) {
  return std::make_unique<WindowsEnv>(options);
}

}  // namespace corvalis
