#include "util/page.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <memory>
#include <utility>

#include "util/escaping.h"
#include "util/run_stop.h"
#include "util/short_number.h"
#include "util/text.h"

namespace corvalis {

Page::Page(std::function<void(std::string_view)> spill)
    : spill_(std::move(spill)), spill_at_(spill_ ? kSpillBytes : kNoSpill) {
  Grow(kSpillBytes + kSpillBytes / 4);
}

Page& Page::operator=(Page&& other) noexcept {
  buffer_ = std::move(other.buffer_);
  size_ = std::exchange(other.size_, 0);
  capacity_ = std::exchange(other.capacity_, 0);
  spill_ = std::move(other.spill_);
  other.spill_ = nullptr;
  spill_at_ = std::exchange(other.spill_at_, kNoSpill);
  return *this;
}

void Page::Grow(size_t more) {
  size_t capacity = std::max({size_ + more, 2 * capacity_, size_t{256}});
  std::unique_ptr<char[]> buffer(new char[capacity]);
  std::char_traits<char>::copy(buffer.get(), buffer_.get(), size_);
  buffer_ = std::move(buffer);
  capacity_ = capacity;
}

void Page::Spill() {
  spill_(text());
  size_ = 0;
}

char* Page::WriteEscaped(char* out, std::string_view text) {
  std::string escaped;
  AppendHtml(escaped, text);
  return Write(out, escaped);
}

char* Page::Write(char* out, const Number& piece) {
  // Written in place after the space, which a negative text moves over.
  size_t size = ShortNumber::Write(piece.value, out + 1);
  if (size == 0) return Write(out, NumberText(piece.value));
  if (out[1] != '-') {
    out[0] = ' ';
    return out + 1 + size;
  }
  std::memmove(out, out + 1, size);
  return out + size;
}

char* Page::Write(char* out, const Whole& piece) {
  return std::to_chars(out, out + MostBytes(piece), piece.value).ptr;
}

char* Page::Write(char* out, const JsText& piece) {
  if (IsPlainJs(piece.text)) {
    *out++ = '"';
    out = Write(out, piece.text);
    *out++ = '"';
    return out;
  }
  std::string text;
  AppendJsString(text, piece.text, piece.encoding);
  return Write(out, text);
}

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
