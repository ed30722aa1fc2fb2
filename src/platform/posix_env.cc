// The POSIX implementation of Env: "\" in run paths is read as "/",
// messages go to the console, companion programs are spawned directly.
#include <dirent.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <iostream>
#include <string_view>
#include <utility>

#include "platform/env.h"
#include "platform/file_names.h"

extern char** environ;

namespace corvalis {
namespace {

std::string ToPosix(const std::string& path) {
  std::string out = path;
  for (char& c : out) {
    if (c == '\\') c = '/';
  }
  return out;
}

std::string ErrnoText() { return std::strerror(errno); }

bool IsPlainFile(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::vector<std::string> PlainFilesIn(const std::string& folder) {
  std::vector<std::string> names;
  std::string dir = folder.empty() ? "." : folder;
  DIR* d = ::opendir(dir.c_str());
  if (d == nullptr) return names;
  while (struct dirent* entry = ::readdir(d)) {
    std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    // The listing says what most entries are; links and file systems that
    // do not say are asked.
    bool plain = entry->d_type == DT_REG ||
                 ((entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) &&
                  IsPlainFile(dir + "/" + name));
    if (plain) names.push_back(name);
  }
  ::closedir(d);
  return names;
}

// A run path names its file as Windows would find it: when the exact name
// is missing, a name that differs only in the case of ASCII letters is used.
std::string Resolve(const std::string& path) {
  std::string posix = ToPosix(path);
  struct stat st;
  if (::stat(posix.c_str(), &st) == 0) return posix;
  FolderAndName parts = SplitFolder(posix);
  if (parts.name.find_first_of("*?") != std::string::npos) return posix;
  std::string found = FirstMatch(parts.name, PlainFilesIn(parts.folder));
  if (found.empty()) return posix;
  return parts.folder.empty() ? found : parts.folder + "/" + found;
}

// A descriptor closed when it goes.
class Fd {
 public:
  Fd() = default;
  explicit Fd(int fd) : fd_(fd) {}
  Fd(Fd&& other) noexcept : fd_(other.Release()) {}
  Fd& operator=(Fd&& other) noexcept {
    if (this != &other) {
      Close();
      fd_ = other.Release();
    }
    return *this;
  }
  ~Fd() { Close(); }
  int get() const { return fd_; }
  int Release() {
    int fd = fd_;
    fd_ = -1;
    return fd;
  }
  void Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }

 private:
  int fd_ = -1;
};

// Random bits for temporary names, from the system's generator.
uint64_t RandomNumber() {
  uint64_t value = 0;
  if (::getentropy(&value, sizeof(value)) == 0) return value;
  Fd urandom(::open("/dev/urandom", O_RDONLY | O_CLOEXEC));
  if (urandom.get() >= 0 && ::read(urandom.get(), &value, sizeof(value)) ==
                                static_cast<ssize_t>(sizeof(value))) {
    return value;
  }
  // No generator at all: the name is guessable, but the exclusive creation
  // still never writes into anything that already exists.
  static uint64_t counter = 0;
  timespec now{};
  ::clock_gettime(CLOCK_REALTIME, &now);
  return (static_cast<uint64_t>(now.tv_nsec) << 20) ^ static_cast<uint64_t>(now.tv_sec) ^
         (static_cast<uint64_t>(::getpid()) << 40) ^ ++counter;
}

std::string NotAPlainFile(mode_t mode) {
  if (S_ISDIR(mode)) return "e' una cartella, non un file";
  if (S_ISFIFO(mode)) return "e' una FIFO, non un file";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "e' un dispositivo, non un file";
  return "non e' un file ordinario";
}

// Opens a file named by a run path for reading. Only a plain file is read:
// a FIFO or a device could keep the run waiting or never end. The open
// itself does not wait (O_NONBLOCK), whatever the name turns out to be.
Status OpenPlainFile(const std::string& path, Fd* fd, struct stat* st) {
  const int flags = O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
  Fd opened(::open(ToPosix(path).c_str(), flags));
  if (opened.get() < 0 && errno == ENOENT) opened = Fd(::open(Resolve(path).c_str(), flags));
  if (opened.get() < 0) return Status::Error(ErrnoText());
  if (::fstat(opened.get(), st) != 0) return Status::Error(ErrnoText());
  if (!S_ISREG(st->st_mode)) return Status::Error(NotAPlainFile(st->st_mode));
  *fd = std::move(opened);
  return Status::Ok();
}

// Reads a whole file named by a run path.
Status ReadWhole(const std::string& path, std::string* bytes) {
  Fd fd;
  struct stat st;
  Status status = OpenPlainFile(path, &fd, &st);
  if (!status.ok()) return status;
  bytes->clear();
  bytes->reserve(static_cast<size_t>(st.st_size));  // one allocation, no regrowth
  char buffer[65536];
  for (;;) {
    ssize_t n = ::read(fd.get(), buffer, sizeof(buffer));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return Status::Error(ErrnoText());
    if (n == 0) return Status::Ok();
    bytes->append(buffer, static_cast<size_t>(n));
  }
}

// Writes through a buffer into a descriptor; the first error stops it.
class BufferedWriter {
 public:
  explicit BufferedWriter(int fd) : fd_(fd) { buffer_.reserve(kSize); }
  void Write(std::string_view bytes) {
    if (!error_.empty()) return;
    if (buffer_.size() + bytes.size() > kSize) Flush();
    if (bytes.size() >= kSize) {
      WriteOut(bytes);
    } else {
      buffer_.append(bytes);
    }
  }
  Status Finish() {
    Flush();
    return error_.empty() ? Status::Ok() : Status::Error(error_);
  }

 private:
  static constexpr size_t kSize = 65536;
  void Flush() {
    WriteOut(buffer_);
    buffer_.clear();
  }
  void WriteOut(std::string_view bytes) {
    while (!bytes.empty() && error_.empty()) {
      ssize_t n = ::write(fd_, bytes.data(), bytes.size());
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) {
        error_ = ErrnoText();  // EFBIG under a size limit: SIGXFSZ is ignored
      } else {
        bytes.remove_prefix(static_cast<size_t>(n));
      }
    }
  }

  int fd_;
  std::string buffer_;
  std::string error_;
};

// Creates a new temporary file beside `target`, under a name nobody can
// foresee, exclusively and without following a link, and locks it: a run
// that cleans the folder meanwhile leaves a locked file alone.
Status CreateTemporaryBeside(const std::string& target, Fd* fd, std::string* temp) {
  FolderAndName parts = SplitFolder(target);
  std::string folder = parts.folder;
  if (folder.empty() && !target.empty() && target[0] == '/') folder = "/";
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string path = TemporaryFileName(RandomNumber());
    if (!folder.empty()) path = folder + "/" + path;
    Fd created(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644));
    if (created.get() < 0) {
      if (errno == EEXIST) continue;
      return Status::Error(ErrnoText());
    }
    // A cleaning run that found the file before the lock was taken removes
    // it: another name then.
    if (::flock(created.get(), LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) continue;
    struct stat st;
    if (::fstat(created.get(), &st) == 0 && st.st_nlink == 0) continue;
    *fd = std::move(created);
    *temp = path;
    return Status::Ok();
  }
  return Status::Error("impossibile creare un file temporaneo");
}

// Replaces `target` with what `fill` writes into a BufferedWriter: a new
// temporary file, on disk (fsync) before it is renamed over the target, so
// that the target is always either the old file or the whole new one. On
// failure the temporary file goes and the target stays as it was.
template <typename Fill>
Status ReplaceFile(const std::string& target, Fill fill) {
  Fd fd;
  std::string temp;
  Status status = CreateTemporaryBeside(target, &fd, &temp);
  if (!status.ok()) return status;
  BufferedWriter out(fd.get());
  status = fill(out);
  Status written = out.Finish();
  if (status.ok()) status = written;
  if (status.ok() && ::fsync(fd.get()) != 0) status = Status::Error(ErrnoText());
  // Renamed while still open and locked: no cleaning run can take it away.
  if (status.ok() && ::rename(temp.c_str(), target.c_str()) != 0) {
    status = Status::Error(ErrnoText());
  }
  if (!status.ok()) ::unlink(temp.c_str());
  return status;
}

// Removes the temporary file `name` of the folder `dir` when it is a plain
// file that nobody holds locked, that is, whose writer has gone.
void RemoveIfAbandoned(int dir, const char* name) {
  struct stat named;
  if (::fstatat(dir, name, &named, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(named.st_mode)) return;
  Fd fd(::openat(dir, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  struct stat opened;
  if (fd.get() < 0 || ::fstat(fd.get(), &opened) != 0 || opened.st_ino != named.st_ino ||
      opened.st_dev != named.st_dev) {
    return;
  }
  if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) return;  // still being written
  // Still the same file under that name (a writer may have renamed it away).
  if (::fstatat(dir, name, &named, AT_SYMLINK_NOFOLLOW) != 0 ||
      named.st_ino != opened.st_ino || named.st_dev != opened.st_dev) {
    return;
  }
  ::unlinkat(dir, name, 0);
}

class PosixEnv : public Env {
 public:
  explicit PosixEnv(const EnvOptions& options) : home_(options.home) {
    // Over a size limit a write fails (EFBIG) and the run says which file,
    // instead of being killed without a word.
    std::signal(SIGXFSZ, SIG_IGN);
  }

  std::string ProgramFolder() override {
    std::string folder = home_;
    if (folder.empty()) {
      char buffer[4096];
      ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof(buffer) - 1);
      if (n > 0) {
        buffer[n] = '\0';
        folder = SplitFolder(buffer).folder;
      } else {
        folder = ".";
      }
    }
    while (folder.size() > 1 && (folder.back() == '/' || folder.back() == '\\')) {
      folder.pop_back();
    }
    return folder;
  }

  std::vector<std::string> ListFiles(const std::string& folder) override {
    return PlainFilesIn(ToPosix(folder));
  }

  Status ReadLines(const std::string& path, TextLines* lines) override {
    std::string bytes;
    Status status = ReadWhole(path, &bytes);
    if (status.ok()) *lines = TextLines::FromBytes(std::move(bytes));
    return status;
  }

  Status WriteLines(const std::string& path,
                    const std::vector<std::string>& lines) override {
    return ReplaceFile(ToPosix(path), [&](BufferedWriter& out) {
      for (const std::string& line : lines) {
        out.Write(line);
        out.Write("\r\n");
      }
      return Status::Ok();
    });
  }

  Status StartProgram(const std::string& path) override {
    std::string program = Resolve(path);
    if (program.find('/') == std::string::npos) program = "./" + program;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    for (int fd = 0; fd <= 2; ++fd) {
      posix_spawn_file_actions_addopen(&actions, fd, "/dev/null",
                                       fd == 0 ? O_RDONLY : O_WRONLY, 0);
    }
    // The tool gets the default reaction to a size limit back.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGXFSZ);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
    char* argv[] = {program.data(), nullptr};
    pid_t pid;
    int rc = ::posix_spawn(&pid, program.c_str(), &actions, &attributes, argv, environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) return Status::Error(std::strerror(rc));
    return Status::Ok();
  }

  Status CopyFileOver(const std::string& from, const std::string& to) override {
    Fd source;
    struct stat st;
    Status status = OpenPlainFile(from, &source, &st);
    if (!status.ok()) return status;
    return ReplaceFile(ToPosix(to), [&](BufferedWriter& out) {
      char buffer[65536];
      for (;;) {
        ssize_t n = ::read(source.get(), buffer, sizeof(buffer));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return Status::Error(ErrnoText());
        if (n == 0) return Status::Ok();
        out.Write(std::string_view(buffer, static_cast<size_t>(n)));
      }
    });
  }

  // The lock is the folder's own (flock on the folder itself): no lock file
  // to create, leave behind or plant a link at. The descriptor is not
  // inherited by the companion tools, so the lock ends with this process.
  FolderLock LockFolder(const std::string& folder) override {
    std::string dir = folder.empty() ? "." : ToPosix(folder);
    Fd fd(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() < 0) return FolderLock::kUnavailable;
    if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) {
      return errno == EWOULDBLOCK ? FolderLock::kBusy : FolderLock::kUnavailable;
    }
    locks_.push_back(std::move(fd));
    return FolderLock::kHeld;
  }

  void RemoveStaleTemporaryFiles(const std::string& folder) override {
    std::string dir = folder.empty() ? "." : ToPosix(folder);
    Fd fd(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() < 0) return;
    DIR* d = ::fdopendir(fd.get());
    if (d == nullptr) return;
    fd.Release();  // the DIR owns it now
    std::vector<std::string> names;
    while (struct dirent* entry = ::readdir(d)) {
      if (IsTemporaryFileName(entry->d_name)) names.push_back(entry->d_name);
    }
    for (const std::string& name : names) RemoveIfAbandoned(::dirfd(d), name.c_str());
    ::closedir(d);
  }

  std::string NativePath(const std::string& path) override { return ToPosix(path); }

  void ShowMessage(const std::string& text, MessageKind kind) override {
    std::ostream& out = kind == MessageKind::kCompletion ? std::cout : std::cerr;
    out << text << std::endl;
  }

 private:
  std::string home_;
  std::vector<Fd> locks_;
};

}  // namespace

std::unique_ptr<Env> NewPlatformEnv(const EnvOptions& options) {
  return std::make_unique<PosixEnv>(options);
}

}  // namespace corvalis
