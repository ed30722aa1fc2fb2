// The one interface for every operating-system call the run makes.
//
// Paths are passed as the run builds them: plain concatenation with "\" as
// the separator, as on Windows. An implementation maps them to its own
// platform (the POSIX one reads every "\" as "/").
#ifndef CORVALIS_PLATFORM_ENV_H_
#define CORVALIS_PLATFORM_ENV_H_

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text_lines.h"

namespace corvalis {

// Outcome of a file operation: empty error means success.
struct Status {
  std::string error;
  bool ok() const { return error.empty(); }
  static Status Ok() { return {}; }
  static Status Error(std::string text) { return {std::move(text)}; }
};

// Outcome of taking the lock of a league's folder.
enum class FolderLock {
  kHeld,         // this run holds it until it ends
  kBusy,         // another run holds it
  kUnavailable,  // the folder cannot be locked (missing, or no locks there)
};

enum class MessageKind {
  kCompletion,  // the message that closes a normal run
  kWarning,     // the run goes on after it
  kError,       // the run ends after it
};

// A file being written: it appears whole at Commit, or not at all.
class FileWriter {
 public:
  // Without a successful Commit the file stays as it was and no temporary
  // file is left.
  virtual ~FileWriter() = default;
  // Adds `bytes`; after an error the file cannot be committed.
  virtual Status Write(std::string_view bytes) = 0;
  // Puts the file in place of the old one.
  virtual Status Commit() = 0;
};

class Env {
 public:
  virtual ~Env() = default;

  // Folder of the running program (or the folder given with --home),
  // without a trailing separator.
  virtual std::string ProgramFolder() = 0;

  // The names of the plain files in `folder` (the current folder when
  // empty), in no particular order; none when it cannot be listed.
  virtual std::vector<std::string> ListFiles(const std::string& folder) = 0;

  // The first plain file in the folder part of `pattern` (everything before
  // the last "\" or "/") whose name matches the last part: "*" matches any
  // run of characters, "?" exactly one, ASCII letters match without regard
  // to case. Among several matches the one whose ASCII-lower-cased name sorts
  // first byte by byte wins (ties: plain byte order). Also the existence test
  // of a named file. Implementations may override it to avoid listing every
  // name, with the same result.
  virtual std::optional<std::string> FindFirst(const std::string& pattern);

  // Reads a text file as lines (see TextLines::FromBytes: lines longer than
  // kMaxLineBytes are cut). Only a plain file is read: a folder, a FIFO or a
  // device is an error at once, never a wait.
  virtual Status ReadLines(const std::string& path, TextLines* lines) = 0;

  // Starts replacing `path`. The file appears whole or not at all: the bytes
  // go to a new temporary file beside it (TemporaryFileName), which is
  // renamed over it once on disk; a failed write leaves any older version in
  // place and no temporary file. A link at `path` is replaced, never
  // followed. Null, with `status` set, when the file cannot be started.
  virtual std::unique_ptr<FileWriter> StartFile(const std::string& path, Status* status) = 0;

  // Replaces `path` with `bytes`, as StartFile does.
  Status WriteBytes(const std::string& path, std::string_view bytes);

  // WriteBytes of `lines`, each followed by CR LF.
  Status WriteLines(const std::string& path, const std::vector<std::string>& lines);

  // Starts `path` minimised, without waiting for it and without a shell.
  // An error means the program could not be started at all.
  virtual Status StartProgram(const std::string& path) = 0;

  // Creates the folder `path` and every missing folder above it. Succeeds
  // when the folder is there already; fails when a plain file stands in
  // the way or a folder cannot be made.
  virtual Status CreateFolder(const std::string& path) = 0;

  // Copies the plain file `from` over `to`, the way StartFile replaces a
  // file.
  virtual Status CopyFileOver(const std::string& from, const std::string& to) = 0;

  // Takes the lock of `folder` (the current folder when empty) for the rest
  // of the run; it goes with the process, also when the process is killed.
  virtual FolderLock LockFolder(const std::string& folder) = 0;

  // Removes from `folder` (the current folder when empty) the temporary
  // files an interrupted run left: plain files named by TemporaryFileName
  // that no running program is writing. Nothing else, and never through a
  // link.
  virtual void RemoveStaleTemporaryFiles(const std::string& folder) = 0;

  // `path` as this platform writes it, for messages that name a file.
  virtual std::string NativePath(const std::string& path) = 0;

  // Shows one message to the administrator. Never waits for a reader on
  // platforms without message boxes.
  virtual void ShowMessage(const std::string& text, MessageKind kind) = 0;
};

struct EnvOptions {
  std::string home;      // --home DIR; empty = the executable's folder
  bool console = false;  // messages on the console instead of message boxes
};

// The platform's real implementation (POSIX or Windows, chosen at build time).
std::unique_ptr<Env> NewPlatformEnv(const EnvOptions& options);

}  // namespace corvalis

#endif  // CORVALIS_PLATFORM_ENV_H_
