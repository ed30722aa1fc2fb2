// The results exports of a season: found with one listing of the source
// folder, each read and parsed once, when its matchday comes, and handed to
// the readers, which keep none of it.
#ifndef CORVALIS_INPUT_SEASON_EXPORTS_H_
#define CORVALIS_INPUT_SEASON_EXPORTS_H_

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "input/league.h"
#include "input/results_export.h"
#include "platform/env.h"

namespace corvalis {

// The matchday g (1..42) whose pattern `name` matches, 0 for none.
int ExportMatchday(std::string_view name);

class SeasonExports {
 public:
  // Looks up the export of every matchday in one listing of the source
  // folder (the first match in listing order).
  static SeasonExports Find(Env& env, const League& league);

  // Reads and parses the export of matchday g, none when it has none. The
  // file's warnings come now; a file that cannot be read ends the run.
  std::optional<MatchdayExport> Read(Env& env, const League& league, int g);

  // The last matchday that has an export, 0 for none: the last export a
  // run reads, unless a file that cannot be read ends it first.
  int LastMatchday() const;

  // The encoding of the exports read so far: UTF-8 while all are.
  TextEncoding encoding() const { return encoding_; }

 private:
  std::array<std::string, kMatchdays + 1> names_;
  TextEncoding encoding_ = TextEncoding::kUtf8;
};

}  // namespace corvalis

#endif  // CORVALIS_INPUT_SEASON_EXPORTS_H_
