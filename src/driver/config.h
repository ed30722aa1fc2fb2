// Reading conf.txt: teams, modules, folders and the section-3 switches.
#ifndef CORVALIS_DRIVER_CONFIG_H_
#define CORVALIS_DRIVER_CONFIG_H_

#include <string>
#include <vector>

#include "platform/env.h"
#include "store/season_store.h"

namespace corvalis {

struct League;

// The league's values in the store, for the stages that read them there.
void CopyLeagueIntoStore(const League& league, SeasonStore& store);

// Fills the store from the lines of conf.txt. `path` names the file in
// messages. Throws RunStop when the team list never closes or the league
// exceeds a limit of the data; warns and ignores a seventh tie-break label.
void ApplyConfig(const TextLines& lines, const std::string& path,
                 Env& env, SeasonStore& store);

// Reads conf.txt from the program folder into the store. Throws RunStop
// (platform failure) when the file cannot be read.
void ReadConfig(Env& env, SeasonStore& store);

}  // namespace corvalis

#endif  // CORVALIS_DRIVER_CONFIG_H_
