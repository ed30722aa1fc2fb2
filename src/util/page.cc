#include "util/page.h"

#include "util/escaping.h"
#include "util/run_stop.h"
#include "util/text.h"

namespace corvalis {

void Page::Put(const Html& piece) { AppendHtml(text_, piece.text); }

void Page::Put(const Number& piece) { text_ += NumberText(piece.value); }

void Page::Put(const JsText& piece) { AppendJsString(text_, piece.text, piece.encoding); }

void WriteFileOrStop(Env& env, const std::string& path, std::string_view bytes) {
  Status status = env.WriteBytes(path, bytes);
  if (!status.ok()) {
    throw RunStop("Impossibile scrivere il file " + env.NativePath(path) + ": " + status.error,
                  kExitPlatform);
  }
}

}  // namespace corvalis
