// Reading the league's own texts (conf.txt, the results exports, cred.txt,
// Panchine.txt): what each read tells about the league's encoding, and the
// warning about lines too long to be right.
#ifndef CORVALIS_INPUT_LEAGUE_TEXT_H_
#define CORVALIS_INPUT_LEAGUE_TEXT_H_

#include <string>
#include <vector>

#include "platform/env.h"
#include "util/encoding.h"

namespace corvalis {

// Reads `path` into `lines` and narrows `encoding` by its bytes: every league
// text the run reads passes here. Lines cut to kMaxLineBytes are told in one
// warning for the file, naming it and the lines.
Status ReadLeagueText(Env& env, const std::string& path, TextLines* lines,
                      TextEncoding* encoding);

// ReadLeagueText; a failure ends the run with a message naming the file.
TextLines ReadLeagueTextOrStop(Env& env, const std::string& path, TextEncoding* encoding);

// The warning ReadLeagueText gives for the lines `cut` of `path`.
std::string LongLinesWarning(const std::string& path, const std::vector<size_t>& cut);

}  // namespace corvalis

#endif  // CORVALIS_INPUT_LEAGUE_TEXT_H_
