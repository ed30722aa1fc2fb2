#include "platform/buffered_writer.h"

#include <utility>

namespace corvalis {

BufferedWriter::BufferedWriter(Sink sink) : sink_(std::move(sink)) { buffer_.reserve(kPiece); }

void BufferedWriter::Write(std::string_view bytes) {
  if (!error_.empty()) return;
  if (buffer_.size() + bytes.size() > kPiece) Flush();
  if (bytes.size() >= kPiece) {
    WriteOut(bytes);
  } else {
    buffer_.append(bytes);
  }
}

Status BufferedWriter::Finish() {
  Flush();
  return error_.empty() ? Status::Ok() : Status::Error(error_);
}

void BufferedWriter::Flush() {
  WriteOut(buffer_);
  buffer_.clear();
}

void BufferedWriter::WriteOut(std::string_view bytes) {
  if (error_.empty() && !bytes.empty()) error_ = sink_(bytes);
}

}  // namespace corvalis
