// Fantasy scorers: a side's goals are handed to its outfield players, best
// fantavoto first, and counted over the season in scorerTally.
#ifndef CORVALIS_MATCHDAY_SCORERS_H_
#define CORVALIS_MATCHDAY_SCORERS_H_

#include <string>
#include <string_view>

#include "platform/env.h"
#include "store/season_store.h"

namespace corvalis {

// Rows of a side table that take part in the scorer assignment.
constexpr int kScorerRows = 18;

// The surname part of a player name as the exports write it: the last word
// goes, then further words while the name ends in a lower-case letter of
// the run's encoding ("DE ROSSI D." -> "DE ROSSI", "MONTÈ Ivan" -> "MONTÈ").
// A name that still ends in lower case is returned as it stands, after a
// warning (once per name and run).
std::string SurnameOf(Env& env, SeasonStore& store, std::string_view name);

// Adds one goal for `name` of `team` in scorerTally (by name and team with
// SQ, by name alone otherwise, then the row takes the latest team).
void CountScorer(Env& env, SeasonStore& store, const std::string& name,
                 const std::string& team);

// Hands `goals` goals to the players of `side` (a matchPlayersHome/Away
// table, rows 1..18 sorted by fantavoto, column 5 equal to column 4):
// appends the scorers' surnames to store.scorer_list and counts each goal
// for store.home_team_name or store.away_team_name by store.scoring_side.
// The side table keeps the lowered fantavoti.
void AssignScorers(Env& env, SeasonStore& store, TextTable& side, double goals);

}  // namespace corvalis

#endif  // CORVALIS_MATCHDAY_SCORERS_H_
