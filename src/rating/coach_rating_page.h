// The coach-rating page (corvalis.htm) and its two data scripts, the
// system's headline statistic.
#ifndef CORVALIS_RATING_COACH_RATING_PAGE_H_
#define CORVALIS_RATING_COACH_RATING_PAGE_H_

#include <string>

#include "input/league.h"
#include "rating/season_rating.h"
#include "util/encoding.h"
#include "util/page.h"

namespace corvalis {

struct CoachRatingFiles {
  Page& page;            // corvalis.htm
  Page totals_script;    // crvCorvalisTot.js
  Page matchday_script;  // crvCorvalisDati<g>.js of the latest matchday
};

// The page and its scripts. Its first table lists the teams by average gap,
// every later one by weighted gap or in conf.txt order.
void BuildCoachRating(const League& league, const SeasonRating& rating, TextEncoding encoding,
                      CoachRatingFiles& files);

// Sections of the page, in their order.
void AddGapTables(const League& league, const SeasonRating& rating, TextEncoding encoding,
                  CoachRatingFiles& files);
void AddBestModulesByTeam(const League& league, const SeasonRating& rating, Page& page);
void AddBonusTables(const League& league, const SeasonRating& rating, Page& page);
void AddModuleShareTables(const League& league, const SeasonRating& rating, Page& page);
void AddMatchdayTables(const League& league, const SeasonRating& rating, TextEncoding encoding,
                       CoachRatingFiles& files);

// The opening of most of the page's tables, up to the row that the table's
// first cell goes into.
void AddTableStart(const char* title, Page& page);

}  // namespace corvalis

#endif  // CORVALIS_RATING_COACH_RATING_PAGE_H_
