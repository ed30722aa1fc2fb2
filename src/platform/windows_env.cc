// The Windows implementation of Env: Win32 calls throughout, message boxes
// unless the run was asked to use the console.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

#include "platform/env.h"
#include "platform/file_names.h"

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

std::string ToWindows(const std::string& path) {
  std::string out = path;
  for (char& c : out) {
    if (c == '/') c = '\\';
  }
  return out;
}

Status WriteWhole(const std::string& target, const std::string& bytes) {
  // Written beside the target and moved over it, so a failure keeps the
  // older version and a reader never sees half a file.
  std::string temp = target + ".tmp-corvalis";
  HANDLE h = CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return Status::Error(LastErrorText());
  DWORD written = 0;
  BOOL ok = bytes.empty() ||
            WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                      nullptr);
  std::string error = ok ? "" : LastErrorText();
  CloseHandle(h);
  if (ok && !MoveFileExA(temp.c_str(), target.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    ok = FALSE;
    error = LastErrorText();
  }
  if (!ok) {
    DeleteFileA(temp.c_str());
    return Status::Error(error);
  }
  return Status::Ok();
}

class WindowsEnv : public Env {
 public:
  explicit WindowsEnv(const EnvOptions& options)
      : home_(options.home), console_(options.console) {}

  std::string ProgramFolder() override {
    std::string folder = home_;
    if (folder.empty()) {
      char buffer[MAX_PATH * 4];
      DWORD n = GetModuleFileNameA(nullptr, buffer, sizeof(buffer));
      folder = (n > 0 && n < sizeof(buffer)) ? SplitFolder(std::string(buffer, n)).folder
                                             : ".";
    }
    folder = ToWindows(folder);
    while (folder.size() > 1 && folder.back() == '\\') folder.pop_back();
    return folder;
  }

  std::optional<std::string> FindFirst(const std::string& pattern) override {
    // The folder is listed whole and matched here, so that the choice among
    // several matches follows the documented order, not the file system's.
    FolderAndName parts = SplitFolder(ToWindows(pattern));
    std::string folder = parts.folder.empty() ? "." : parts.folder;
    WIN32_FIND_DATAA data;
    HANDLE h = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (h == INVALID_HANDLE_VALUE) return std::nullopt;
    std::vector<std::string> names;
    do {
      if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        names.push_back(data.cFileName);
      }
    } while (FindNextFileA(h, &data));
    FindClose(h);
    std::string found = FirstMatch(parts.name, names);
    if (found.empty()) return std::nullopt;
    return found;
  }

  Status ReadLines(const std::string& path,
                   std::vector<std::string>* lines) override {
    std::ifstream in(ToWindows(path), std::ios::binary);
    if (!in) return Status::Error(LastErrorText());
    std::ostringstream bytes;
    bytes << in.rdbuf();
    *lines = SplitLines(bytes.str());
    return Status::Ok();
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
    std::string command = "\"" + ToWindows(path) + "\"";
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, nullptr, &startup, &process)) {
      return Status::Error(LastErrorText());
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return Status::Ok();
  }

  Status CopyFileOver(const std::string& from, const std::string& to) override {
    if (!CopyFileA(ToWindows(from).c_str(), ToWindows(to).c_str(), FALSE)) {
      return Status::Error(LastErrorText());
    }
    return Status::Ok();
  }

  std::string NativePath(const std::string& path) override { return ToWindows(path); }

  void ShowMessage(const std::string& text, MessageKind kind) override {
    if (console_) {
      std::ostream& out = kind == MessageKind::kCompletion ? std::cout : std::cerr;
      out << text << std::endl;
      return;
    }
    UINT icon = kind == MessageKind::kError     ? MB_ICONERROR
                : kind == MessageKind::kWarning ? MB_ICONWARNING
                                                : MB_ICONINFORMATION;
    MessageBoxA(nullptr, text.c_str(), "Corvalis", MB_OK | icon | MB_SETFOREGROUND);
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
