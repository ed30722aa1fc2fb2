#include "platform/posix_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <ctime>

#include "platform/file_names.h"

namespace corvalis::posix {
namespace {

bool IsPlainFile(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

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

// Creates a new temporary file beside `target`, under a name nobody can
// foresee, exclusively and without following a link, and locks it: a run
// that cleans the folder meanwhile leaves a locked file alone.
Status CreateTemporaryBeside(const std::string& target, Fd* fd, std::string* temp) {
  std::string folder = SplitFolder(target).folder;
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

}  // namespace

Fd& Fd::operator=(Fd&& other) noexcept {
  if (this != &other) {
    Close();
    fd_ = other.Release();
  }
  return *this;
}

int Fd::Release() {
  int fd = fd_;
  fd_ = -1;
  return fd;
}

void Fd::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

std::string ErrnoText() { return std::strerror(errno); }

std::string ToPosix(const std::string& path) {
  std::string out = path;
  for (char& c : out) {
    if (c == '\\') c = '/';
  }
  return out;
}

namespace {

// The listing says what most entries are; links and file systems that do
// not say are asked.
bool IsPlainEntry(const std::string& dir, const struct dirent& entry) {
  return entry.d_type == DT_REG || ((entry.d_type == DT_LNK || entry.d_type == DT_UNKNOWN) &&
                                    IsPlainFile(dir + "/" + entry.d_name));
}

bool IsDots(std::string_view name) { return name == "." || name == ".."; }

}  // namespace

std::vector<std::string> PlainFilesIn(const std::string& folder) {
  std::vector<std::string> names;
  std::string dir = folder.empty() ? "." : folder;
  DIR* d = ::opendir(dir.c_str());
  if (d == nullptr) return names;
  while (struct dirent* entry = ::readdir(d)) {
    if (!IsDots(entry->d_name) && IsPlainEntry(dir, *entry)) names.push_back(entry->d_name);
  }
  ::closedir(d);
  return names;
}

std::string FirstPlainFileMatching(const std::string& folder, std::string_view pattern) {
  std::string best;  // file names are never empty
  std::string dir = folder.empty() ? "." : folder;
  DIR* d = ::opendir(dir.c_str());
  if (d == nullptr) return best;
  while (struct dirent* entry = ::readdir(d)) {
    std::string_view name = entry->d_name;
    if (IsDots(name) || !WildcardMatch(pattern, name)) continue;
    if (!best.empty() && !ListsBefore(name, best)) continue;
    if (IsPlainEntry(dir, *entry)) best = name;
  }
  ::closedir(d);
  return best;
}

std::string Resolve(const std::string& path) {
  std::string posix = ToPosix(path);
  struct stat st;
  if (::stat(posix.c_str(), &st) == 0) return posix;
  FolderAndName parts = SplitFolder(posix);
  if (parts.name.find_first_of("*?") != std::string::npos) return posix;
  std::string found = FirstPlainFileMatching(parts.folder, parts.name);
  if (found.empty()) return posix;
  return parts.folder.empty() ? found : parts.folder + "/" + found;
}

// A FIFO or a device could keep the run waiting or never end: the open
// does not wait (O_NONBLOCK), and only a plain file is then read.
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

Status ReadWhole(const std::string& path, std::unique_ptr<char[]>* data, size_t* size) {
  Fd fd;
  struct stat st;
  Status status = OpenPlainFile(path, &fd, &st);
  if (!status.ok()) return status;
  // Straight into room of the file's size (and one byte more, to see the
  // end), never cleared first, grown only when the file grew meanwhile.
  size_t capacity = static_cast<size_t>(st.st_size) + 1;
  auto buffer = std::make_unique_for_overwrite<char[]>(capacity);
  size_t filled = 0;
  for (;;) {
    if (filled == capacity) {
      auto larger = std::make_unique_for_overwrite<char[]>(capacity * 2);
      std::char_traits<char>::copy(larger.get(), buffer.get(), filled);
      buffer = std::move(larger);
      capacity *= 2;
    }
    ssize_t n = ::read(fd.get(), buffer.get() + filled, capacity - filled);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return Status::Error(ErrnoText());
    if (n == 0) {
      *data = std::move(buffer);
      *size = filled;
      return Status::Ok();
    }
    filled += static_cast<size_t>(n);
  }
}

namespace {

// The bytes go to a new temporary file, on disk (fsync) before it is
// renamed over the target, so that the target is always either the old file
// or the whole new one. On failure the temporary file goes and the target
// stays.
class ReplacingFile : public FileWriter {
 public:
  ReplacingFile(Fd fd, std::string temp, std::string target)
      : fd_(std::move(fd)), temp_(std::move(temp)), target_(std::move(target)) {}
  ~ReplacingFile() override {
    if (!committed_) ::unlink(temp_.c_str());
  }

  Status Write(std::string_view bytes) override {
    if (!error_.ok()) return error_;
    while (!bytes.empty()) {
      ssize_t n = ::write(fd_.get(), bytes.data(), bytes.size());
      if (n < 0 && errno == EINTR) continue;
      // EFBIG under a size limit: SIGXFSZ is ignored.
      if (n < 0) return error_ = Status::Error(ErrnoText());
      bytes.remove_prefix(static_cast<size_t>(n));
    }
    return Status::Ok();
  }

  Status Commit() override {
    if (!error_.ok()) return error_;
    if (::fsync(fd_.get()) != 0) return error_ = Status::Error(ErrnoText());
    // Renamed while still open and locked: no cleaning run can take it away.
    if (::rename(temp_.c_str(), target_.c_str()) != 0) {
      return error_ = Status::Error(ErrnoText());
    }
    committed_ = true;
    return Status::Ok();
  }

 private:
  Fd fd_;
  std::string temp_;
  std::string target_;
  Status error_;
  bool committed_ = false;
};

}  // namespace

std::unique_ptr<FileWriter> StartReplacing(const std::string& target, Status* status) {
  Fd fd;
  std::string temp;
  *status = CreateTemporaryBeside(target, &fd, &temp);
  if (!status->ok()) return nullptr;
  return std::make_unique<ReplacingFile>(std::move(fd), std::move(temp), target);
}

void RemoveStaleTemporaryFiles(const std::string& folder) {
  Fd fd(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
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

}  // namespace corvalis::posix
