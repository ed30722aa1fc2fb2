#include "store/source_files.h"

#include "store/run_stop.h"

namespace corvalis {

std::string SourcePath(const SeasonStore& store, const std::string& name) {
  return store.source_dir + "\\" + name;
}

std::optional<std::string> FindInSource(Env& env, const SeasonStore& store,
                                        const std::string& pattern) {
  return env.FindFirst(SourcePath(store, pattern));
}

Status ReadLeagueText(Env& env, SeasonStore& store, const std::string& path, Lines* lines) {
  Status status = env.ReadLines(path, lines);
  if (status.ok()) {
    for (const std::string& line : *lines) store.encoding = NoteInputText(store.encoding, line);
  }
  return status;
}

Lines ReadFileOrStop(Env& env, SeasonStore& store, const std::string& path) {
  Lines lines;
  Status status = ReadLeagueText(env, store, path, &lines);
  if (!status.ok()) {
    throw RunStop("Impossibile leggere il file " + env.NativePath(path) + ": " +
                      status.error,
                  kExitPlatform);
  }
  return lines;
}

void WriteFileOrStop(Env& env, const std::string& path, const Lines& lines) {
  Status status = env.WriteLines(path, lines);
  if (!status.ok()) {
    throw RunStop("Impossibile scrivere il file " + env.NativePath(path) + ": " +
                      status.error,
                  kExitPlatform);
  }
}

void WriteSourceFile(Env& env, const SeasonStore& store, const std::string& name,
                     const Lines& lines) {
  WriteFileOrStop(env, SourcePath(store, name), lines);
}

}  // namespace corvalis
