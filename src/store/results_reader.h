// The results reader: one matchday's export into the season tables.
#ifndef CORVALIS_STORE_RESULTS_READER_H_
#define CORVALIS_STORE_RESULTS_READER_H_

#include <string>
#include <vector>

#include "platform/env.h"
#include "store/bench_vote_register.h"
#include "store/season_store.h"

namespace corvalis {

// The pattern of matchday g's export: "*Risultati" + g + ".tab".
std::string ResultsPattern(int g);

// Finds and reads the export of matchday g (store.giornata must be g; the
// caller has emptied teamParziale, teamSeen and lineupSlot). Returns false,
// after marking the matchday missing (gap -1 for teams 1..40), when the
// source folder has no export for g. Throws RunStop for the messages that
// end the run, and when the file cannot be read.
// `bench_votes`, when given, is the season's register of bench votes, kept
// across the matchdays so that its index is built once.
bool ReadMatchday(Env& env, SeasonStore& store, int g,
                  BenchVoteRegister* bench_votes = nullptr);

// Looks up the exports of all matchdays with one listing of the source
// folder, for FindResultsFile.
void LookUpResultsFiles(Env& env, SeasonStore& store);

// The export of matchday g: looked up and read on the first call, kept in
// the store for later ones. Null when the source folder has none. Throws
// RunStop when the file cannot be read.
const SeasonStore::ResultsFile* FindResultsFile(Env& env, SeasonStore& store, int g);

// Lets the lines of matchday g's export go, after their last reader (a
// later FindResultsFile reads the file again).
void ForgetResultsFile(SeasonStore& store, int g);

// Reads the lines of one export as matchday store.giornata; `file` names it
// in messages.
void ReadResultsLines(const TextLines& lines, const std::string& file,
                      Env& env, SeasonStore& store,
                      BenchVoteRegister* bench_votes = nullptr);

}  // namespace corvalis

#endif  // CORVALIS_STORE_RESULTS_READER_H_
