// Spectators and credits of the matches: cred.txt, which the companion tool
// affluenza.exe writes from the lineup files and spet.txt.
#ifndef CORVALIS_INPUT_CREDITS_H_
#define CORVALIS_INPUT_CREDITS_H_

#include <string>
#include <string_view>
#include <vector>

#include "input/league.h"
#include "platform/env.h"
#include "util/encoding.h"

namespace corvalis {

// Lines of cred.txt that are read.
constexpr int kCreditLines = 50;

// One line of cred.txt: "home (credit) away (credit) spectators ...".
struct CreditLine {
  std::string home;        // trimmed
  std::string credits;     // home credit, "/", away credit, blanks kept
  std::string spectators;  // the first word after the second ")"
  std::string away;        // trimmed
  bool complete = false;   // both pairs of parentheses were there
};

// Takes a line apart from the left; missing parts stay empty.
CreditLine ParseCreditLine(std::string_view line);

struct Credits {
  bool available = false;  // cred.txt was there and read
  std::vector<CreditLine> lines;
  TextEncoding encoding = TextEncoding::kUtf8;  // of cred.txt

  // What the calendar adds to a match: "" without cred.txt; otherwise
  // "    Spet:" and, from the first line of that home and away team,
  // spectators + " Cred: " + credits.
  std::string TextFor(std::string_view home, std::string_view away) const;
};

// Starts affluenza.exe when its inputs are in the source folder, then reads
// the first kCreditLines lines of cred.txt.
Credits ReadCredits(Env& env, const League& league);

}  // namespace corvalis

#endif  // CORVALIS_INPUT_CREDITS_H_
