#include "util/page.h"

#include <memory>
#include <utility>

#include "util/escaping.h"
#include "util/run_stop.h"
#include "util/text.h"

namespace corvalis {

Page::Page(std::function<void(std::string_view)> spill) : spill_(std::move(spill)) {
  text_.reserve(kSpillBytes + kSpillBytes / 4);
}

void Page::Spill() {
  spill_(text_);
  text_.clear();
}

void Page::Put(const Html& piece) { AppendHtml(text_, piece.text); }

void Page::Put(const Number& piece) { text_ += NumberText(piece.value); }

void Page::Put(const JsText& piece) { AppendJsString(text_, piece.text, piece.encoding); }

namespace {

[[noreturn]] void StopWriting(Env& env, const std::string& path, const Status& status) {
  throw RunStop("Impossibile scrivere il file " + env.NativePath(path) + ": " + status.error,
                kExitPlatform);
}

}  // namespace

void WriteFileOrStop(Env& env, const std::string& path, std::string_view bytes) {
  Status status = env.WriteBytes(path, bytes);
  if (!status.ok()) StopWriting(env, path, status);
}

void WritePage(Env& env, const std::string& path, const std::function<void(Page&)>& build) {
  Status status;
  std::unique_ptr<FileWriter> file = env.StartFile(path, &status);
  if (file == nullptr) StopWriting(env, path, status);
  Page page([&](std::string_view bytes) {
    Status written = file->Write(bytes);
    if (!written.ok()) StopWriting(env, path, written);
  });
  build(page);
  page.Spill();
  status = file->Commit();
  if (!status.ok()) StopWriting(env, path, status);
}

}  // namespace corvalis
