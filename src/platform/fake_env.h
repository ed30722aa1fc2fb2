// An in-memory Env for tests: files live in a map, and every message, start
// and copy is recorded so that a test can check what the run did.
#ifndef CORVALIS_PLATFORM_FAKE_ENV_H_
#define CORVALIS_PLATFORM_FAKE_ENV_H_

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/env.h"

namespace corvalis {

class FakeEnv : public Env {
 public:
  struct Message {
    std::string text;
    MessageKind kind;
  };

  explicit FakeEnv(std::string program_folder = "C:\\lega")
      : program_folder_(std::move(program_folder)) {}

  // Test set-up. Paths use either separator; they are compared after "\"
  // becomes "/" and doubled separators collapse.
  void AddFile(const std::string& path, const std::string& contents);
  void AddLines(const std::string& path, const std::vector<std::string>& lines);
  void RemoveFile(const std::string& path);
  // Every write or copy into this folder fails, as for a missing folder.
  void MakeFolderUnwritable(const std::string& folder);
  // Starting this program fails, as for a file without the run bit.
  void MakeUnstartable(const std::string& path);
  // Another run holds the lock of this folder.
  void MakeFolderBusy(const std::string& folder);

  // What the run left behind.
  bool HasFile(const std::string& path) const;
  std::string Contents(const std::string& path) const;  // "" when missing
  std::vector<std::string> Lines(const std::string& path) const;
  std::vector<std::string> FileNames() const;  // normalised paths
  const std::vector<Message>& messages() const { return messages_; }
  const std::vector<std::string>& starts() const { return starts_; }
  const std::vector<std::pair<std::string, std::string>>& copies() const {
    return copies_;
  }
  std::vector<std::string> MessageTexts() const;
  // Folders locked, and folders cleaned of temporary files, in call order.
  const std::vector<std::string>& locked_folders() const { return locked_folders_; }
  const std::vector<std::string>& cleaned_folders() const { return cleaned_folders_; }
  const std::set<std::string>& folders() const { return folders_; }  // created

  // Env.
  std::string ProgramFolder() override { return program_folder_; }
  std::vector<std::string> ListFiles(const std::string& folder) override;
  Status ReadLines(const std::string& path, TextLines* lines) override;
  std::unique_ptr<FileWriter> StartFile(const std::string& path, Status* status) override;
  Status StartProgram(const std::string& path) override;
  Status CreateFolder(const std::string& path) override;
  Status CopyFileOver(const std::string& from, const std::string& to) override;
  FolderLock LockFolder(const std::string& folder) override;
  void RemoveStaleTemporaryFiles(const std::string& folder) override;
  std::string NativePath(const std::string& path) override { return path; }
  void ShowMessage(const std::string& text, MessageKind kind) override;

  static std::string Normalize(const std::string& path);
  // A folder as ListFiles compares it: normalised, without a trailing "/";
  // "" for the current folder.
  static std::string FolderKey(const std::string& folder);

 private:
  bool Writable(const std::string& normalized) const;

  std::string program_folder_;
  std::map<std::string, std::string> files_;
  std::set<std::string> unwritable_folders_;
  std::set<std::string> folders_;
  std::set<std::string> unstartable_;
  std::set<std::string> busy_folders_;
  std::vector<std::string> locked_folders_;
  std::vector<std::string> cleaned_folders_;
  std::vector<Message> messages_;
  std::vector<std::string> starts_;
  std::vector<std::pair<std::string, std::string>> copies_;
};

}  // namespace corvalis

#endif  // CORVALIS_PLATFORM_FAKE_ENV_H_
