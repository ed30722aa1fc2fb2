// Files on a POSIX system, for PosixEnv: run paths, reading plain files
// only, replacing a file through an exclusive temporary file, and removing
// the temporary files an interrupted run left.
#ifndef CORVALIS_PLATFORM_POSIX_FILES_H_
#define CORVALIS_PLATFORM_POSIX_FILES_H_

#include <sys/stat.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/env.h"

namespace corvalis::posix {

// A descriptor closed when it goes.
class Fd {
 public:
  Fd() = default;
  explicit Fd(int fd) : fd_(fd) {}
  Fd(Fd&& other) noexcept : fd_(other.Release()) {}
  Fd& operator=(Fd&& other) noexcept;
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  ~Fd() { Close(); }
  int get() const { return fd_; }
  int Release();
  void Close();

 private:
  int fd_ = -1;
};

// strerror of the current errno.
std::string ErrnoText();

// A run path with every "\" read as "/".
std::string ToPosix(const std::string& path);

// The names of the plain files in `folder` (the current folder when empty).
std::vector<std::string> PlainFilesIn(const std::string& folder);

// Of the plain files in `folder` whose names match `pattern`, the one
// FirstMatch picks; "" for none. Only matching names are ever copied.
std::string FirstPlainFileMatching(const std::string& folder, std::string_view pattern);

// A run path as Windows would find its file: when the exact name is
// missing, a name that differs only in the case of ASCII letters.
std::string Resolve(const std::string& path);

// Opens the file of a run path for reading, without waiting whatever it
// is; anything but a plain file (a folder, a FIFO, a device) is an error.
Status OpenPlainFile(const std::string& path, Fd* fd, struct stat* st);

// The whole contents of the plain file of a run path.
Status ReadWhole(const std::string& path, std::unique_ptr<char[]>* data, size_t* size);

// Starts replacing the file `target` (a POSIX path): see Env::StartFile.
std::unique_ptr<FileWriter> StartReplacing(const std::string& target, Status* status);

// Env::RemoveStaleTemporaryFiles for a POSIX folder ("" = current).
void RemoveStaleTemporaryFiles(const std::string& folder);

}  // namespace corvalis::posix

#endif  // CORVALIS_PLATFORM_POSIX_FILES_H_
