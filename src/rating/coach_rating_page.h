// The coach-rating page (corvalis.htm) and its two data scripts, the
// system's headline statistic.
#ifndef CORVALIS_RATING_COACH_RATING_PAGE_H_
#define CORVALIS_RATING_COACH_RATING_PAGE_H_

#include <string>

#include "store/season_store.h"
#include "store/source_files.h"

namespace corvalis {

struct CoachRatingFiles {
  Lines page;             // corvalis.htm
  Lines totals_script;    // crvCorvalisTot.js
  Lines matchday_script;  // crvCorvalisDati<g>.js of the latest matchday read
};

// The script with the details of matchday g.
std::string MatchdayScriptName(int g);

// Builds the page and its scripts from the closed season. Between the first
// and the second table the team rows are sorted again, by weighted gap, and
// stay so; moduleTable receives the modules' shares of the best modules.
CoachRatingFiles BuildCoachRating(SeasonStore& store);

// The opening of most of the page's tables, up to the row that the table's
// first cell goes into.
void AddTableStart(const std::string& title, Lines& page);

// Sections of the page, in their order.
void AddAverageGapTable(const SeasonStore& store, Lines& page);
void AddWeightedGapTable(const SeasonStore& store, CoachRatingFiles& files);
void AddBestModulesByTeam(const SeasonStore& store, Lines& page);
void AddStartersBonusTable(const SeasonStore& store, Lines& page);
void AddBonusPerMatchTable(const SeasonStore& store, Lines& page);
void AddModuleShareTables(SeasonStore& store, Lines& page);
void AddMatchdayTables(const SeasonStore& store, CoachRatingFiles& files);

}  // namespace corvalis

#endif  // CORVALIS_RATING_COACH_RATING_PAGE_H_
