#include "platform/env.h"

#include "platform/file_names.h"

namespace corvalis {

std::optional<std::string> Env::FindFirst(const std::string& pattern) {
  FolderAndName parts = SplitFolder(pattern);
  std::string found = FirstMatch(parts.name, ListFiles(parts.folder));
  if (found.empty()) return std::nullopt;
  return found;
}

Status Env::WriteBytes(const std::string& path, std::string_view bytes) {
  Status status;
  std::unique_ptr<FileWriter> file = StartFile(path, &status);
  if (file == nullptr) return status;
  status = file->Write(bytes);
  return status.ok() ? file->Commit() : status;
}

Status Env::WriteLines(const std::string& path, const std::vector<std::string>& lines) {
  return WriteBytes(path, JoinLines(lines));
}

}  // namespace corvalis
