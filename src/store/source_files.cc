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

namespace {

Lines LinesOrStop(Env& env, const std::string& path, const Status& status, Lines lines) {
  if (!status.ok()) {
    throw RunStop("Impossibile leggere il file " + env.NativePath(path) + ": " +
                      status.error,
                  kExitPlatform);
  }
  return lines;
}

}  // namespace

Lines ReadFileOrStop(Env& env, SeasonStore& store, const std::string& path) {
  Lines lines;
  Status status = ReadLeagueText(env, store, path, &lines);
  return LinesOrStop(env, path, status, std::move(lines));
}

Lines ReadPageOrStop(Env& env, const std::string& path) {
  Lines lines;
  Status status = env.ReadLines(path, &lines);
  return LinesOrStop(env, path, status, std::move(lines));
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
