#include "input/season_exports.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/fake_env.h"
#include "platform/file_names.h"

namespace corvalis {
namespace {

std::string ResultsPattern(int g) { return "*Risultati" + std::to_string(g) + ".tab"; }

// The matchday of a name is the one whose pattern the name matches, by the
// same wildcard rule as any other file lookup.
TEST(ExportMatchdayTest, AgreesWithThePatternOfEveryMatchday) {
  const char* names[] = {
      "Lega_Risultati1.tab", "Lega_Risultati42.tab", "Lega_Risultati43.tab",
      "Risultati7.tab", "risultati7.TAB", "Lega RISULTATI12.Tab", "Lega_Risultati07.tab",
      "Lega_Risultati0.tab", "Lega_Risultati.tab", "Lega_Risultati1007.tab",
      "Lega_Risultati9999999999999999999.tab", "ARisultati1Risultati7.tab",
      "Lega_Risultati7.tab.bak", "Lega_Risultati7.txt", "Risultati7tab", ".tab", "",
      "Lega_Risultat7.tab", "Lega_Risultati 7.tab", "Lega_Risultati-7.tab", "Risultati21.tab",
  };
  for (const char* name : names) {
    int expected = 0;
    for (int g = 1; g <= kMatchdays; ++g) {
      if (WildcardMatch(ResultsPattern(g), name)) expected = g;
    }
    EXPECT_EQ(ExportMatchday(name), expected) << name;
  }
}

// The last matchday with an export is the last one the run reads: a gap
// before it or a name of no matchday after it changes nothing.
TEST(SeasonExportsTest, LastMatchdayIsTheHighestWithAnExport) {
  FakeEnv env;
  League league;
  league.source_dir = "C:\\lega";
  EXPECT_EQ(SeasonExports::Find(env, league).LastMatchday(), 0);
  env.AddFile("C:\\lega\\Lega_Risultati3.tab", "");
  env.AddFile("C:\\lega\\Lega_Risultati1.tab", "x");
  env.AddFile("C:\\lega\\Lega_Risultati43.tab", "x");
  env.AddFile("C:\\lega\\Lega_Risultati07.tab", "x");
  EXPECT_EQ(SeasonExports::Find(env, league).LastMatchday(), 3);
  env.AddFile("C:\\lega\\Lega_Risultati42.tab", "x");
  EXPECT_EQ(SeasonExports::Find(env, league).LastMatchday(), 42);
}

}  // namespace
}  // namespace corvalis
