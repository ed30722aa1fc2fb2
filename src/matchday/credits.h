// Spectators and credits of the matches: cred.txt, which the companion tool
// affluenza.exe writes from the lineup files and spet.txt.
#ifndef CORVALIS_MATCHDAY_CREDITS_H_
#define CORVALIS_MATCHDAY_CREDITS_H_

#include <string>
#include <string_view>

#include "platform/env.h"
#include "store/season_store.h"

namespace corvalis {

// Lines of cred.txt that matchSheet holds.
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

// Starts affluenza.exe when its inputs are in the source folder, then loads
// cred.txt into matchSheet rows 1..50 and sets store.credits_available.
void ReadCredits(Env& env, SeasonStore& store);

}  // namespace corvalis

#endif  // CORVALIS_MATCHDAY_CREDITS_H_
