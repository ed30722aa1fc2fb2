#include "store/source_files.h"

#include "input/league_text.h"

#include "util/run_stop.h"

namespace corvalis {

std::string SourcePath(const SeasonStore& store, const std::string& name) {
  return store.source_dir + "\\" + name;
}

std::optional<std::string> FindInSource(Env& env, const SeasonStore& store,
                                        const std::string& pattern) {
  return env.FindFirst(SourcePath(store, pattern));
}

Status ReadLeagueText(Env& env, SeasonStore& store, const std::string& path,
                      TextLines* lines) {
  return corvalis::ReadLeagueText(env, path, lines, &store.encoding);
}

namespace {

void StopUnlessRead(Env& env, const std::string& path, const Status& status) {
  if (!status.ok()) {
    throw RunStop("Impossibile leggere il file " + env.NativePath(path) + ": " +
                      status.error,
                  kExitPlatform);
  }
}

}  // namespace

TextLines ReadFileOrStop(Env& env, SeasonStore& store, const std::string& path) {
  TextLines lines;
  StopUnlessRead(env, path, ReadLeagueText(env, store, path, &lines));
  return lines;
}

Lines ReadPageOrStop(Env& env, const std::string& path) {
  TextLines lines;
  StopUnlessRead(env, path, env.ReadLines(path, &lines));
  return Lines(lines.begin(), lines.end());
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
