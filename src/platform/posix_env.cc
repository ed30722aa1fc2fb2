// The POSIX implementation of Env: "\" in run paths is read as "/",
// messages go to the console in UTF-8, companion programs are spawned
// directly.
#include <fcntl.h>
#include <spawn.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <string_view>
#include <utility>

#include "platform/env.h"
#include "platform/file_names.h"
#include "platform/posix_files.h"
#include "util/encoding.h"

extern char** environ;

namespace corvalis {
namespace {

using posix::Fd;
using posix::ToPosix;

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
    return posix::PlainFilesIn(ToPosix(folder));
  }

  std::optional<std::string> FindFirst(const std::string& pattern) override {
    FolderAndName parts = SplitFolder(pattern);
    std::string found = posix::FirstPlainFileMatching(ToPosix(parts.folder), parts.name);
    if (found.empty()) return std::nullopt;
    return found;
  }

  Status ReadLines(const std::string& path, TextLines* lines) override {
    std::unique_ptr<char[]> bytes;
    size_t size = 0;
    Status status = posix::ReadWhole(path, &bytes, &size);
    if (status.ok()) *lines = TextLines::FromBuffer(std::move(bytes), size);
    return status;
  }

  std::unique_ptr<FileWriter> StartFile(const std::string& path, Status* status) override {
    return posix::StartReplacing(ToPosix(path), status);
  }

  Status StartProgram(const std::string& path) override {
    std::string program = posix::Resolve(path);
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

  Status CreateFolder(const std::string& path) override {
    std::string posix = ToPosix(path);
    while (posix.size() > 1 && posix.back() == '/') posix.pop_back();
    // Each folder from the top down: an existing one is passed over.
    for (size_t end = posix.find('/', 1);; end = posix.find('/', end + 1)) {
      std::string part = posix.substr(0, end);
      if (!part.empty() && part.back() != '/' && ::mkdir(part.c_str(), 0777) != 0 &&
          errno != EEXIST) {
        return Status::Error(posix::ErrnoText());
      }
      if (end == std::string::npos) break;
    }
    struct stat st;
    if (::stat(posix.c_str(), &st) != 0) return Status::Error(posix::ErrnoText());
    if (!S_ISDIR(st.st_mode)) return Status::Error(std::strerror(ENOTDIR));
    return Status::Ok();
  }

  Status CopyFileOver(const std::string& from, const std::string& to) override {
    Fd source;
    struct stat st;
    Status status = posix::OpenPlainFile(from, &source, &st);
    if (!status.ok()) return status;
    std::unique_ptr<FileWriter> copy = posix::StartReplacing(ToPosix(to), &status);
    if (copy == nullptr) return status;
    char buffer[16384];
    for (;;) {
      ssize_t n = ::read(source.get(), buffer, sizeof(buffer));
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) return Status::Error(posix::ErrnoText());
      if (n == 0) return copy->Commit();
      status = copy->Write(std::string_view(buffer, static_cast<size_t>(n)));
      if (!status.ok()) return status;
    }
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
    posix::RemoveStaleTemporaryFiles(ToPosix(folder));
  }

  std::string NativePath(const std::string& path) override { return ToPosix(path); }

  // The console reads UTF-8; a league's Windows-1252 names are converted.
  // Written at once, unbuffered, as the line it is.
  void ShowMessage(const std::string& text, MessageKind kind) override {
    std::string line = ToUtf8(text) + "\n";
    int fd = kind == MessageKind::kCompletion ? STDOUT_FILENO : STDERR_FILENO;
    std::string_view rest = line;
    while (!rest.empty()) {
      ssize_t n = ::write(fd, rest.data(), rest.size());
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return;  // nobody to tell: the exit status still says how the run ended
      rest.remove_prefix(static_cast<size_t>(n));
    }
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
