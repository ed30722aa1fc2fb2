// The Top 11 and Flop 11 pages of the last matchday and of the season, and
// the data script of the matchday Top 11.
#ifndef CORVALIS_RANKINGS_ELEVEN_PAGES_H_
#define CORVALIS_RANKINGS_ELEVEN_PAGES_H_

#include <string>

#include "platform/env.h"
#include "store/season_store.h"
#include "store/source_files.h"

namespace corvalis {

// The page of store.elevenTable under `title`: one line per player, the
// figure trimmed, the team in lower case.
Lines ElevenPage(const SeasonStore& store, const std::string& title);

// crvTop11.js for store.elevenTable: one T11 call per player, team and
// figure as stored; the texts are string literals, the figure too when it
// is not a number.
Lines Top11Script(const SeasonStore& store);

// The titles of the season pages: "TOP 11 Stagione (min pres: 3)".
std::string SeasonTopTitle(int min_presences);
std::string SeasonFlopTitle(int min_presences);

// Chooses and writes the four elevens in their order: matchday Top 11 (with
// crvTop11.js), matchday Flop 11, season Top 11, season Flop 11. Consumes
// the player tables of the matchday reports; keeps the season Top 11 in
// store.seasonTop11 for the charts page.
void WriteElevenPages(Env& env, SeasonStore& store);

}  // namespace corvalis

#endif  // CORVALIS_RANKINGS_ELEVEN_PAGES_H_
