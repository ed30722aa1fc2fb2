// The number forms of the coach-rating and best-squads pages. Each form
// is part of what the site's pages and scripts read, down to its spaces.
#ifndef CORVALIS_RATING_RATING_TEXT_H_
#define CORVALIS_RATING_RATING_TEXT_H_

#include <string>

#include "input/league.h"

namespace corvalis {

// A value already cut to hundredths, with exactly two decimals and a 0
// before the point: 7.75 -> "7.75", .5 -> "0.50", 0 -> "0.00".
std::string TwoDecimals(double value);

// Season gap (average, largest, smallest), already cut to hundredths:
// at least 5 characters (" 2.50", "12.50"); 9999 is "n/a".
std::string GapText(double value);

// Gap of one matchday: cut to hundredths, two decimals, right-aligned in 6
// characters ("  7.00"); 9999 is "n/a".
std::string DayGapText(double value);

// Gap per valid vote of one matchday (already cut): "1.75", "0.80"; 9999
// is "n/a".
std::string GapPerVoteText(double value);

// The forms of a matchday row made in `chars`, for the values that have two
// decimals at most once cut or rounded, as every real one has; their
// length, or 0 for any other value, which the forms above write.
size_t DayGapChars(double value, char (&chars)[32]);
size_t GapPerVoteChars(double value, char (&chars)[32]);
size_t ScoreChars(double value, char (&chars)[32]);

// Weighted gap: ".860", "1.19", "1.30", "12.500", "12.000", ".00"; 9999
// is "n/a".
std::string WeightedText(double value);

// A matchday score rounded to 2 decimals (half away from zero, on the
// digits of its 15-digit form): "76.00", "95.50", "103.5", "9.5".
std::string ScoreText(double value);

// Share of a module in percent: "39.1", " 1.4", " 0.5", "10.0".
std::string ShareText(double share);

// Average per match of the fifth table: "4.16", "4", "0.5".
std::string PerMatchText(double value);

// Best average of the best-squads page (already cut): "72.50", "72.00",
// "72.25", "9.5", "0".
std::string BestAverageText(double value);

// A matchday number: " 6", "12".
std::string MatchdayText(int g);

// A module as defenders-midfielders-forwards: "3-4-3"; "0-0-0" for none.
std::string ModuleText(const Module* module);

}  // namespace corvalis

#endif  // CORVALIS_RATING_RATING_TEXT_H_
