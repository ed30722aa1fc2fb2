#include "platform/fake_env.h"

#include "platform/file_names.h"

namespace corvalis {

std::string FakeEnv::Normalize(const std::string& path) {
  std::string out;
  for (char c : path) {
    if (c == '\\') c = '/';
    if (c == '/' && !out.empty() && out.back() == '/') continue;
    out += c;
  }
  while (out.rfind("./", 0) == 0) out.erase(0, 2);
  return out;
}

std::string FakeEnv::FolderKey(const std::string& folder) {
  std::string key = Normalize(folder);
  while (key.size() > 1 && key.back() == '/') key.pop_back();
  return key == "." ? "" : key;
}

void FakeEnv::AddFile(const std::string& path, const std::string& contents) {
  files_[Normalize(path)] = contents;
}

void FakeEnv::AddLines(const std::string& path,
                       const std::vector<std::string>& lines) {
  AddFile(path, JoinLines(lines));
}

void FakeEnv::RemoveFile(const std::string& path) { files_.erase(Normalize(path)); }

void FakeEnv::MakeFolderUnwritable(const std::string& folder) {
  unwritable_folders_.insert(Normalize(folder));
}

void FakeEnv::MakeUnstartable(const std::string& path) {
  unstartable_.insert(Normalize(path));
}

void FakeEnv::MakeFolderBusy(const std::string& folder) {
  busy_folders_.insert(FolderKey(folder));
}

bool FakeEnv::HasFile(const std::string& path) const {
  return files_.count(Normalize(path)) > 0;
}

std::string FakeEnv::Contents(const std::string& path) const {
  auto it = files_.find(Normalize(path));
  return it == files_.end() ? std::string() : it->second;
}

std::vector<std::string> FakeEnv::Lines(const std::string& path) const {
  return SplitLines(Contents(path));
}

std::vector<std::string> FakeEnv::FileNames() const {
  std::vector<std::string> names;
  for (const auto& entry : files_) names.push_back(entry.first);
  return names;
}

std::vector<std::string> FakeEnv::MessageTexts() const {
  std::vector<std::string> texts;
  for (const Message& m : messages_) texts.push_back(m.text);
  return texts;
}

std::vector<std::string> FakeEnv::ListFiles(const std::string& folder) {
  std::string wanted = FolderKey(folder);
  std::vector<std::string> names;
  for (const auto& entry : files_) {
    FolderAndName here = SplitFolder(entry.first);
    if (here.folder == wanted) names.push_back(here.name);
  }
  return names;
}

Status FakeEnv::ReadLines(const std::string& path, TextLines* lines) {
  auto it = files_.find(Normalize(path));
  if (it == files_.end()) return Status::Error("file non trovato");
  *lines = TextLines::FromBytes(it->second);
  return Status::Ok();
}

bool FakeEnv::Writable(const std::string& normalized) const {
  return unwritable_folders_.count(SplitFolder(normalized).folder) == 0;
}

namespace {

// Collects the bytes and puts them in the file map at Commit.
class FakeFile : public FileWriter {
 public:
  FakeFile(std::map<std::string, std::string>* files, std::string key)
      : files_(files), key_(std::move(key)) {}
  Status Write(std::string_view bytes) override {
    bytes_.append(bytes);
    return Status::Ok();
  }
  Status Commit() override {
    (*files_)[key_] = std::move(bytes_);
    return Status::Ok();
  }

 private:
  std::map<std::string, std::string>* files_;
  std::string key_;
  std::string bytes_;
};

}  // namespace

std::unique_ptr<FileWriter> FakeEnv::StartFile(const std::string& path, Status* status) {
  std::string key = Normalize(path);
  if (!Writable(key)) {
    *status = Status::Error("cartella non scrivibile");
    return nullptr;
  }
  *status = Status::Ok();
  return std::make_unique<FakeFile>(&files_, key);
}

Status FakeEnv::StartProgram(const std::string& path) {
  std::string key = Normalize(path);
  if (unstartable_.count(key)) return Status::Error("formato non eseguibile");
  starts_.push_back(key);
  return Status::Ok();
}

// Folders are implied by the files in them; a created one is recorded. It
// cannot be made inside an unwritable folder or where a file stands.
Status FakeEnv::CreateFolder(const std::string& path) {
  std::string key = Normalize(path);
  while (key.size() > 1 && key.back() == '/') key.pop_back();
  if (files_.count(key)) return Status::Error("esiste un file con questo nome");
  if (!Writable(key) || unwritable_folders_.count(key)) {
    return Status::Error("cartella non scrivibile");
  }
  folders_.insert(key);
  return Status::Ok();
}

Status FakeEnv::CopyFileOver(const std::string& from, const std::string& to) {
  std::string source = Normalize(from);
  std::string target = Normalize(to);
  auto it = files_.find(source);
  if (it == files_.end()) return Status::Error("file non trovato");
  if (!Writable(target)) return Status::Error("cartella non scrivibile");
  files_[target] = it->second;
  copies_.emplace_back(source, target);
  return Status::Ok();
}

FolderLock FakeEnv::LockFolder(const std::string& folder) {
  std::string key = FolderKey(folder);
  if (busy_folders_.count(key)) return FolderLock::kBusy;
  locked_folders_.push_back(key);
  return FolderLock::kHeld;
}

void FakeEnv::RemoveStaleTemporaryFiles(const std::string& folder) {
  std::string key = FolderKey(folder);
  cleaned_folders_.push_back(key);
  for (const std::string& name : ListFiles(folder)) {
    if (IsTemporaryFileName(name)) files_.erase(key.empty() ? name : key + "/" + name);
  }
}

void FakeEnv::ShowMessage(const std::string& text, MessageKind kind) {
  messages_.push_back({text, kind});
}

}  // namespace corvalis
