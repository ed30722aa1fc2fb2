// Whole seasons from the generator: for many leagues of every size, the
// properties that must hold for any season, checked on the real program's
// files.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "e2e_support.h"
#include "platform/file_names.h"
#include "season_generator.h"

namespace corvalis::e2e {
namespace {

using tools::LeagueShape;

LeagueShape ShapeFor(unsigned seed) {
  LeagueShape shape;
  shape.seed = seed;
  shape.teams = 2 + static_cast<int>(seed * 7 % 39);
  shape.matchdays = 1 + static_cast<int>(seed * 11 % 42);
  shape.players_per_team = std::min(25, 1000 / shape.teams);
  shape.missing_matchday_chance = seed % 3 == 0 ? 0.2 : 0;
  shape.cup_match_chance = 0.15;
  shape.sq = seed % 4 == 0;
  shape.section3 = seed % 5 != 0;
  shape.cred = seed % 2 == 0;
  shape.panchine = seed % 3 != 1;
  return shape;
}

std::vector<std::string> ConfTeams(const std::string& folder) {
  std::vector<std::string> teams;
  for (const std::string& line : SplitLines(ReadFile(folder + "/conf.txt"))) {
    if (line.rfind('*', 0) == 0) break;
    teams.push_back(line);
  }
  return teams;
}

// The matchday numbers of the results files in `folder`, ascending.
std::vector<int> Matchdays(const std::string& folder) {
  std::vector<int> days;
  std::regex pattern(".*Risultati([0-9]+)\\.tab");
  std::smatch match;
  for (const std::string& name : FileNamesIn(folder)) {
    if (std::regex_match(name, match, pattern)) days.push_back(std::stoi(match[1]));
  }
  std::sort(days.begin(), days.end());
  return days;
}

// The "d"/"p" suffixes of `class_prefix` in the order they appear.
std::string ClassSuffixes(const std::string& text, const std::string& class_prefix) {
  std::string suffixes;
  std::regex pattern("class=\"" + class_prefix + "([dp])\"");
  for (auto it = std::sregex_iterator(text.begin(), text.end(), pattern);
       it != std::sregex_iterator(); ++it) {
    suffixes += (*it)[1].str();
  }
  return suffixes;
}

void ExpectAlternating(const std::string& text, const std::string& class_prefix,
                       const std::string& page) {
  std::string got = ClassSuffixes(text, class_prefix);
  for (size_t i = 0; i < got.size(); ++i) {
    ASSERT_EQ(got[i], i % 2 == 0 ? 'd' : 'p') << page << " row " << i + 1;
  }
}

int Count(const std::string& text, const std::string& piece) {
  int n = 0;
  for (size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) ++n;
  return n;
}

class SeasonPropertiesTest : public ::testing::TestWithParam<unsigned> {};

TEST_P(SeasonPropertiesTest, EveryPageHoldsTogether) {
  LeagueShape shape = ShapeFor(GetParam());
  ScratchFolder league;
  tools::WriteSeason(shape, league.path());
  std::set<std::string> inputs;
  for (const std::string& name : FileNamesIn(league.path())) inputs.insert(name);
  std::vector<std::string> teams = ConfTeams(league.path());
  std::vector<int> days = Matchdays(league.path());
  ASSERT_FALSE(days.empty());
  int last = days.back();

  RunResult first = RunProgram(league.path(), {"--home", league.path()});
  ASSERT_EQ(first.status, 0) << first.err;
  EXPECT_EQ(first.out, "Corvalis 17.1   - Eseguito\n");
  EXPECT_EQ(first.err.find("runtime error"), std::string::npos) << first.err;

  // Every page is there, and nothing else was written.
  std::set<std::string> expected = inputs;
  for (const char* page :
       {"bestrose.htm", "calenbomber.htm", "cannonieri.htm", "corvalis.htm", "fantasfiga.htm",
        "incomedia.htm", "incomtot.htm", "top11.htm", "top11s.htm", "flop11.htm",
        "flop11s.htm", "ultima.htm", "uomopartita.htm", "fanta.php", "crvCorvalisTot.js",
        "crvTop11.js", "grafici.htm"}) {
    expected.insert(page);
  }
  for (size_t t = 1; t <= teams.size(); ++t) expected.insert("sq" + std::to_string(t) + ".htm");
  expected.insert("crvCorvalisDati" + std::to_string(last) + ".js");
  expected.insert("ultima " + std::to_string(last) + ".htm");
  std::vector<std::string> written = FileNamesIn(league.path());
  EXPECT_EQ(std::set<std::string>(written.begin(), written.end()), expected);

  std::map<std::string, std::string> pages;
  for (const std::string& name : written) {
    if (!inputs.count(name)) pages[name] = ReadFile(league.File(name));
  }

  // Matches of each team: the header lines of the results files, the only
  // lines made of two team names.
  std::set<std::string> team_set(teams.begin(), teams.end());
  std::map<std::string, int> matches;
  for (const std::string& name : inputs) {
    if (name.find("Risultati") == std::string::npos) continue;
    for (const std::string& line : SplitLines(ReadFile(league.File(name)))) {
      std::vector<std::string> fields;
      std::istringstream cells(line);
      for (std::string cell; std::getline(cells, cell, '\t');) {
        if (!cell.empty()) fields.push_back(cell);
      }
      if (fields.size() == 2 && team_set.count(fields[0]) && team_set.count(fields[1])) {
        ++matches[fields[0]];
        ++matches[fields[1]];
      }
    }
  }

  // Each team once on the team rankings, and on its own page.
  for (const std::string& team : teams) {
    EXPECT_EQ(Count(pages["bestrose.htm"], ">" + team + "</td>"), 1) << team;
    EXPECT_EQ(Count(pages["fantasfiga.htm"], ">" + team + "</td>"), 1) << team;
    // The two season tables of the coach rating list the teams that played:
    // surely those met in two matches or more (a lineup may go unsent once).
    int listed = Count(pages["corvalis.htm"], "\n      <td><div align=\"left\">" + team + "</div>");
    EXPECT_LE(listed, 1) << team;
    if (matches[team] >= 2) {
      EXPECT_EQ(listed, 1) << team;
    }
    EXPECT_EQ(Count(pages["corvalis.htm"], "<td><div align=\"Left\">" + team + "</div>"), listed)
        << team;
  }
  for (size_t t = 1; t <= teams.size(); ++t) {
    EXPECT_NE(pages["sq" + std::to_string(t) + ".htm"].find(
                  "<td class=\"sqSQUADRA\">" + teams[t - 1] + "</td>"),
              std::string::npos);
  }
  // The header line, the league document, the team document.
  EXPECT_EQ(SplitLines(pages["fanta.php"]).size(), 1 + 31 + 4 + 2 * teams.size() + 2);

  // Ranking rows alternate their classes, first "d".
  ExpectAlternating(pages["bestrose.htm"], "bsNOME", "bestrose.htm");
  ExpectAlternating(pages["fantasfiga.htm"], "fsNUM", "fantasfiga.htm");
  ExpectAlternating(pages["cannonieri.htm"], "canGOL", "cannonieri.htm");
  ExpectAlternating(pages["uomopartita.htm"], "momNUM", "uomopartita.htm");
  ExpectAlternating(pages["incomedia.htm"], "icoNUM", "incomedia.htm");
  ExpectAlternating(pages["incomtot.htm"], "icoNUM", "incomtot.htm");
  for (const char* eleven : {"top11.htm", "flop11.htm", "top11s.htm", "flop11s.htm"}) {
    ExpectAlternating(pages[eleven], "kxRUOLO", eleven);
    EXPECT_LE(Count(pages[eleven], "kxRUOLO"), 11) << eleven;
  }
  EXPECT_EQ(Count(pages["top11.htm"], "kxRUOLO"), 11);
  EXPECT_EQ(Count(pages["fantasfiga.htm"], "fsNUM"), static_cast<int>(teams.size()));

  // The calendar: one block per matchday with a file, in order; the last
  // matchday page is the last block.
  std::string calendar_days;
  for (int g : days) {
    // The number-to-text form: a space before the number.
    calendar_days += "<td colspan=\"5\" class=\"risTITOLO\">Giornata  " + std::to_string(g) +
                     "</td>\n";
  }
  std::string titles;
  for (const std::string& line : SplitLines(pages["calenbomber.htm"])) {
    if (line.find("risTITOLO") != std::string::npos) titles += line + "\n";
  }
  EXPECT_EQ(titles, calendar_days);
  EXPECT_EQ(pages["ultima.htm"], pages["ultima " + std::to_string(last) + ".htm"]);
  std::string calendar = pages["calenbomber.htm"];
  EXPECT_NE(calendar.rfind(pages["ultima.htm"].substr(pages["ultima.htm"].find("<div"))),
            std::string::npos);

  // A second run gives the same files, byte for byte.
  RunResult second = RunProgram(league.path(), {"--home", league.path()});
  ASSERT_EQ(second.status, 0) << second.err;
  EXPECT_EQ(second.err, first.err);
  for (const auto& [name, bytes] : pages) {
    EXPECT_EQ(ReadFile(league.File(name)), bytes) << name << " changed on the second run";
  }
}

INSTANTIATE_TEST_SUITE_P(Seeds, SeasonPropertiesTest, ::testing::Range(1u, 61u));

}  // namespace
}  // namespace corvalis::e2e
