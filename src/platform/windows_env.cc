// The Windows implementation of Env: Win32 calls throughout, message boxes
// unless the run was asked to use the console. Paths are passed to the ANSI
// ("A") calls as they are, in the code page of the league's files; messages
// are shown through the wide-character calls.
#include <windows.h>
// After windows.h: RtlGenRandom, the system's random generator (advapi32).
#include <ntsecapi.h>

#include <cstdint>
#include <string_view>
#include <utility>

#include "platform/env.h"
#include "platform/file_names.h"
#include "platform/windows_console.h"
#include "util/encoding.h"

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

// A handle closed when it goes.
class Handle {
 public:
  Handle() = default;
  explicit Handle(HANDLE h) : h_(h) {}
  Handle(Handle&& other) noexcept : h_(other.h_) { other.h_ = INVALID_HANDLE_VALUE; }
  Handle& operator=(Handle&& other) noexcept {
    if (this != &other) {
      Close();
      h_ = other.h_;
      other.h_ = INVALID_HANDLE_VALUE;
    }
    return *this;
  }
  ~Handle() { Close(); }
  HANDLE get() const { return h_; }
  bool valid() const { return h_ != INVALID_HANDLE_VALUE && h_ != nullptr; }
  void Close() {
    if (valid()) CloseHandle(h_);
    h_ = INVALID_HANDLE_VALUE;
  }

 private:
  HANDLE h_ = INVALID_HANDLE_VALUE;
};

// Random bits for temporary names, from the system's generator.
uint64_t RandomNumber() {
  uint64_t value = 0;
  if (RtlGenRandom(&value, sizeof(value))) return value;
  // No generator: the name is guessable, but CREATE_NEW still never writes
  // into anything that already exists.
  static uint64_t counter = 0;
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<uint64_t>(now.QuadPart) ^
         (static_cast<uint64_t>(GetCurrentProcessId()) << 40) ^ ++counter;
}

// Opens a file for reading; only a plain file is read: a pipe or a device
// could keep the run waiting or never end.
Status OpenPlainFile(const std::string& path, Handle* file) {
  Handle h(CreateFileA(path.c_str(), GENERIC_READ,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!h.valid()) return Status::Error(LastErrorText());
  BY_HANDLE_FILE_INFORMATION info;
  if (GetFileType(h.get()) != FILE_TYPE_DISK ||
      !GetFileInformationByHandle(h.get(), &info)) {
    return Status::Error("non e' un file ordinario");
  }
  if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
    return Status::Error("e' una cartella, non un file");
  }
  *file = std::move(h);
  return Status::Ok();
}

// Reads an open file to its end, handing each piece to `sink`.
template <typename Sink>
Status ReadAll(HANDLE h, Sink sink) {
  char buffer[65536];
  for (;;) {
    DWORD got = 0;
    if (!ReadFile(h, buffer, sizeof(buffer), &got, nullptr)) {
      return Status::Error(LastErrorText());
    }
    if (got == 0) return Status::Ok();
    Status taken = sink(std::string_view(buffer, got));
    if (!taken.ok()) return taken;
  }
}

Status ReadWhole(const std::string& path, std::string* bytes) {
  Handle h;
  Status status = OpenPlainFile(path, &h);
  if (!status.ok()) return status;
  bytes->clear();
  LARGE_INTEGER size;
  if (GetFileSizeEx(h.get(), &size)) bytes->reserve(static_cast<size_t>(size.QuadPart));
  return ReadAll(h.get(), [&](std::string_view piece) {
    bytes->append(piece);
    return Status::Ok();
  });
}

// Creates a new temporary file beside `target` under a name nobody can
// foresee (CREATE_NEW: never an existing file or a planted link). It is
// shared for deletion only, which lets it be renamed while open, and keeps
// a cleaning run (which asks for it unshared) from taking it away.
Status CreateTemporaryBeside(const std::string& target, Handle* file, std::string* temp) {
  std::string folder = SplitFolder(target).folder;
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string path = TemporaryFileName(RandomNumber());
    if (!folder.empty()) path = folder + "\\" + path;
    Handle h(CreateFileA(path.c_str(), GENERIC_WRITE | DELETE, FILE_SHARE_DELETE, nullptr,
                         CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!h.valid()) {
      DWORD code = GetLastError();
      if (code == ERROR_FILE_EXISTS || code == ERROR_ALREADY_EXISTS) continue;
      return Status::Error(LastErrorText());
    }
    *file = std::move(h);
    *temp = path;
    return Status::Ok();
  }
  return Status::Error("impossibile creare un file temporaneo");
}

// Writes all of `bytes` to `h`, or says why it could not.
Status WriteAllTo(HANDLE h, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD written = 0;
    DWORD chunk = bytes.size() > (1u << 30) ? (1u << 30) : static_cast<DWORD>(bytes.size());
    if (!::WriteFile(h, bytes.data(), chunk, &written, nullptr)) {
      return Status::Error(LastErrorText());
    }
    if (written == 0) return Status::Error("scrittura interrotta");
    bytes.remove_prefix(written);
  }
  return Status::Ok();
}

// The bytes go to a new temporary file, flushed to disk and moved over the
// target, so that the target is always the old file or the whole new one.
// On failure the temporary file goes and the target stays as it was.
class ReplacingFile : public FileWriter {
 public:
  ReplacingFile(Handle h, std::string temp, std::string target)
      : h_(std::move(h)), temp_(std::move(temp)), target_(std::move(target)) {}
  ~ReplacingFile() override {
    if (committed_) return;
    h_.Close();
    DeleteFileA(temp_.c_str());
  }

  Status Write(std::string_view bytes) override {
    if (!error_.ok()) return error_;
    return error_ = WriteAllTo(h_.get(), bytes);
  }

  Status Commit() override {
    if (!error_.ok()) return error_;
    if (!FlushFileBuffers(h_.get())) return error_ = Status::Error(LastErrorText());
    const DWORD move = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
    if (!MoveFileExA(temp_.c_str(), target_.c_str(), move)) {
      // A file system that will not rename an open file: once more, closed.
      h_.Close();
      if (!MoveFileExA(temp_.c_str(), target_.c_str(), move)) {
        return error_ = Status::Error(LastErrorText());
      }
    }
    h_.Close();
    committed_ = true;
    return Status::Ok();
  }

 private:
  Handle h_;
  std::string temp_;
  std::string target_;
  Status error_;
  bool committed_ = false;
};

std::unique_ptr<FileWriter> StartReplacing(const std::string& target, Status* status) {
  Handle h;
  std::string temp;
  *status = CreateTemporaryBeside(target, &h, &temp);
  if (!status->ok()) return nullptr;
  return std::make_unique<ReplacingFile>(std::move(h), std::move(temp), target);
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

  Status ReadLines(const std::string& path, TextLines* lines) override {
    std::string bytes;
    Status status = ReadWhole(ToWindows(path), &bytes);
    if (status.ok()) *lines = TextLines::FromBytes(std::move(bytes));
    return status;
  }

  std::unique_ptr<FileWriter> StartFile(const std::string& path, Status* status) override {
    return StartReplacing(ToWindows(path), status);
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
    Handle source;
    Status status = OpenPlainFile(ToWindows(from), &source);
    if (!status.ok()) return status;
    std::unique_ptr<FileWriter> copy = StartReplacing(ToWindows(to), &status);
    if (copy == nullptr) return status;
    status = ReadAll(source.get(), [&](std::string_view piece) { return copy->Write(piece); });
    return status.ok() ? copy->Commit() : status;
  }

  // LockFileEx needs a file: a hidden, empty lock file in the folder, left
  // there for the next run (removing it would let two runs lock two
  // different files). Windows releases the lock when the process ends, also
  // when it is killed; the companion tools do not inherit the handle.
  FolderLock LockFolder(const std::string& folder) override {
    std::string path = ToWindows(folder.empty() ? kLockFileName : folder + "\\" + kLockFileName);
    Handle h(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                         FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                         FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!h.valid()) return FolderLock::kUnavailable;
    OVERLAPPED whole_file = {};
    if (!LockFileEx(h.get(), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0,
                    &whole_file)) {
      return GetLastError() == ERROR_LOCK_VIOLATION ? FolderLock::kBusy
                                                    : FolderLock::kUnavailable;
    }
    locks_.push_back(std::move(h));
    return FolderLock::kHeld;
  }

  // A temporary file still open in a running program cannot be opened
  // unshared; one whose writer has gone is, and goes when closed.
  void RemoveStaleTemporaryFiles(const std::string& folder) override {
    std::string dir = ToWindows(folder.empty() ? "." : folder);
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((dir + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return;
    std::vector<std::string> names;
    do {
      const DWORD skip = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT;
      if (!(data.dwFileAttributes & skip) && IsTemporaryFileName(data.cFileName)) {
        names.push_back(data.cFileName);
      }
    } while (FindNextFileA(find, &data));
    FindClose(find);
    for (const std::string& name : names) {
      Handle deleted_when_closed(
          CreateFileA((dir + "\\" + name).c_str(), DELETE, 0, nullptr, OPEN_EXISTING,
                      FILE_FLAG_DELETE_ON_CLOSE | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    }
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
  static constexpr char kLockFileName[] = ".htcorvalis.lock";

  std::string home_;
  bool console_;
  std::vector<Handle> locks_;
};

}  // namespace

std::unique_ptr<Env> NewPlatformEnv(const EnvOptions& options) {
  return std::make_unique<WindowsEnv>(options);
}

}  // namespace corvalis
