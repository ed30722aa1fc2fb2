// The POSIX implementation of Env: "\" in run paths is read as "/",
// messages go to the console in UTF-8, companion programs are spawned
// directly.
#include <dirent.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>

#include "platform/env.h"
#include "platform/file_names.h"
#include "store/encoding.h"

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

// Reads a whole file named by a run path.
Status ReadWhole(const std::string& path, std::string* bytes) {
  std::string posix = ToPosix(path);
  int fd = ::open(posix.c_str(), O_RDONLY);
  if (fd < 0 && errno == ENOENT) fd = ::open(Resolve(path).c_str(), O_RDONLY);
  if (fd < 0) return Status::Error(ErrnoText());
  bytes->clear();
  char buffer[65536];
  for (;;) {
    ssize_t n = ::read(fd, buffer, sizeof(buffer));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      std::string error = ErrnoText();
      ::close(fd);
      return Status::Error(error);
    }
    if (n == 0) break;
    bytes->append(buffer, static_cast<size_t>(n));
  }
  ::close(fd);
  return Status::Ok();
}

Status WriteWhole(const std::string& target, const std::string& bytes) {
  // Written beside the target and renamed over it, so a reader never sees
  // a half-written file and a failure keeps the older version.
  std::string temp = target + ".tmp-corvalis";
  FILE* f = std::fopen(temp.c_str(), "wb");
  if (f == nullptr) return Status::Error(ErrnoText());
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  std::string error = ok ? "" : ErrnoText();
  if (std::fclose(f) != 0 && ok) {
    ok = false;
    error = ErrnoText();
  }
  if (ok && std::rename(temp.c_str(), target.c_str()) != 0) {
    ok = false;
    error = ErrnoText();
  }
  if (!ok) {
    std::remove(temp.c_str());
    return Status::Error(error);
  }
  return Status::Ok();
}

class PosixEnv : public Env {
 public:
  explicit PosixEnv(const EnvOptions& options) : home_(options.home) {}

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

  Status ReadLines(const std::string& path,
                   std::vector<std::string>* lines) override {
    std::string bytes;
    Status status = ReadWhole(path, &bytes);
    if (status.ok()) *lines = SplitLines(bytes);
    return status;
  }

  Status WriteLines(const std::string& path,
                    const std::vector<std::string>& lines) override {
    return WriteWhole(ToPosix(path), JoinLines(lines));
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
    char* argv[] = {program.data(), nullptr};
    pid_t pid;
    int rc = ::posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ);
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
        return Status::Error(ErrnoText());
      }
      if (end == std::string::npos) break;
    }
    struct stat st;
    if (::stat(posix.c_str(), &st) != 0) return Status::Error(ErrnoText());
    if (!S_ISDIR(st.st_mode)) return Status::Error(std::strerror(ENOTDIR));
    return Status::Ok();
  }

  Status CopyFileOver(const std::string& from, const std::string& to) override {
    std::string bytes;
    Status status = ReadWhole(from, &bytes);
    if (!status.ok()) return status;
    return WriteWhole(ToPosix(to), bytes);
  }

  std::string NativePath(const std::string& path) override { return ToPosix(path); }

  // The console reads UTF-8; a league's Windows-1252 names are converted.
  void ShowMessage(const std::string& text, MessageKind kind) override {
    std::ostream& out = kind == MessageKind::kCompletion ? std::cout : std::cerr;
    out << ToUtf8(text) << std::endl;
  }

 private:
  std::string home_;
};

}  // namespace

std::unique_ptr<Env> NewPlatformEnv(const EnvOptions& options) {
  return std::make_unique<PosixEnv>(options);
}

}  // namespace corvalis
