// The best lineup a team's voted players allow, module by module.
#ifndef CORVALIS_RATING_LINEUP_RATING_H_
#define CORVALIS_RATING_LINEUP_RATING_H_

#include "store/season_store.h"

namespace corvalis {

// Orders the lines of a match block for the rating, stably: lines without a
// role first, then goalkeepers, defenders, midfielders, forwards, each role
// by vote from the highest down (the no-vote marker 999 ahead of the real
// votes, which is harmless: it is never picked). Every line the reader
// stored takes part, so a block with more than 40 voted lines is rated
// whole.
void OrderLineup(Lineup& lineup);

// The score of the best lineup `module` allows from an ordered lineup: one
// goalkeeper and the module's defenders, midfielders and forwards, each
// place taken by the best voted player of its role; then 4 points once
// when 1 to 10 places stay free (none when all are free); then the
// module's bonus.
double ModuleScore(const Lineup& lineup, const ModuleRow& module);

}  // namespace corvalis

#endif  // CORVALIS_RATING_LINEUP_RATING_H_
