// Files of the source folder: where the results are read and every page is
// written.
#ifndef CORVALIS_STORE_SOURCE_FILES_H_
#define CORVALIS_STORE_SOURCE_FILES_H_

#include <optional>
#include <string>
#include <vector>

#include "input/league_text.h"
#include "platform/env.h"
#include "store/season_store.h"

namespace corvalis {

using Lines = std::vector<std::string>;

// SourceDir joined with "\" and `name` (a doubled "\" when conf.txt set the
// folder, which already ends with one).
std::string SourcePath(const SeasonStore& store, const std::string& name);

// The first file of the source folder matching `pattern` (or named exactly
// `pattern`), as the folder listing gives it.
std::optional<std::string> FindInSource(Env& env, const SeasonStore& store,
                                        const std::string& pattern);

// Reads one of the league's own texts (conf.txt, a results export,
// cred.txt, Panchine.txt) and narrows the run's encoding by its bytes:
// every league text the run reads passes here. Lines cut to kMaxLineBytes
// are told in one warning for the file, naming it and the lines.
Status ReadLeagueText(Env& env, SeasonStore& store, const std::string& path,
                      TextLines* lines);

// ReadLeagueText; a failure ends the run with a message naming the file.
TextLines ReadFileOrStop(Env& env, SeasonStore& store, const std::string& path);

// Reads a page this run wrote; a failure ends the run with a message
// naming the file. The run's own pages say nothing of the league's
// encoding.
Lines ReadPageOrStop(Env& env, const std::string& path);

// Writes `lines` to `path`; a failure ends the run with a message naming
// the file.
void WriteFileOrStop(Env& env, const std::string& path, const Lines& lines);

// Writes a page into the source folder.
void WriteSourceFile(Env& env, const SeasonStore& store, const std::string& name,
                     const Lines& lines);

}  // namespace corvalis

#endif  // CORVALIS_STORE_SOURCE_FILES_H_
