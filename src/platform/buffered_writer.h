// Bytes collected into large pieces before they go to a file, so that a
// page of many short lines costs few system calls.
#ifndef CORVALIS_PLATFORM_BUFFERED_WRITER_H_
#define CORVALIS_PLATFORM_BUFFERED_WRITER_H_

#include <functional>
#include <string>
#include <string_view>

#include "platform/env.h"

namespace corvalis {

class BufferedWriter {
 public:
  // Writes all of the bytes it is given, or returns why it could not.
  using Sink = std::function<std::string(std::string_view bytes)>;

  explicit BufferedWriter(Sink sink);
  // After the first error, further bytes are dropped.
  void Write(std::string_view bytes);
  // Writes what is left; the first error, if any.
  Status Finish();

 private:
  static constexpr size_t kPiece = 65536;
  void Flush();
  void WriteOut(std::string_view bytes);

  Sink sink_;
  std::string buffer_;
  std::string error_;
};

}  // namespace corvalis

#endif  // CORVALIS_PLATFORM_BUFFERED_WRITER_H_
