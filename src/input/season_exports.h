// The results exports of a season: found with one listing of the source
// folder, each read and parsed once, when its matchday comes. The parse
// serves the rating at once; the file's lines are kept for the calendar.
#ifndef CORVALIS_INPUT_SEASON_EXPORTS_H_
#define CORVALIS_INPUT_SEASON_EXPORTS_H_

#include <array>
#include <memory>
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

  // Reads and parses the export of matchday g, null when it has none. The
  // file's warnings come now; a file that cannot be read ends the run.
  const MatchdayExport* Read(Env& env, const League& league, int g);

  // Matchday g's export once read; null when it has none.
  const MatchdayExport* Get(int g) const { return days_[g].get(); }

  // The rating has read matchday g's matches: from now on only the file's
  // lines are kept, for the readings that walk them (the calendar's), and
  // the next export's parse reuses the memory.
  void KeepLinesOnly(int g);

  // The encoding of the exports read so far: UTF-8 while all are.
  TextEncoding encoding() const { return encoding_; }

 private:
  std::array<std::string, kMatchdays + 1> names_;
  std::array<std::unique_ptr<MatchdayExport>, kMatchdays + 1> days_;
  TextEncoding encoding_ = TextEncoding::kUtf8;
};

}  // namespace corvalis

#endif  // CORVALIS_INPUT_SEASON_EXPORTS_H_
