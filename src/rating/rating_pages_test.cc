#include "rating/rating_pages.h"

#include <gtest/gtest.h>

#include "rating/rating_test_season.h"

namespace corvalis {
namespace {

using testing::TestSeason;

TestSeason ClosedSeason() {
  TestSeason season({"Alfa", "Beta"}, {"3 4 3 0"});
  season.Matchday(4, {{1, 68, {0, 3, 4, 3, 0}, "P6 D6 D6 D6 C6 C6 C6 C6 A7 A7 A7"}});
  CloseSeason(season.store());
  return season;
}

TEST(RatingPagesTest, WritesTheFourFilesIntoTheSourceFolder) {
  TestSeason season = ClosedSeason();
  FakeEnv env;
  WriteRatingPages(env, season.store());
  for (const char* name :
       {"bestrose.htm", "corvalis.htm", "crvCorvalisTot.js", "crvCorvalisDati4.js"}) {
    EXPECT_TRUE(env.HasFile(std::string("C:\\lega\\") + name)) << name;
  }
  EXPECT_EQ(env.Lines("C:\\lega\\crvCorvalisDati4.js").size(), 2u + 2u);
  EXPECT_EQ(env.Lines("C:\\lega\\bestrose.htm")[5],
            "<tr class=\"bs\"><td class=\"bsNOMEd\">Alfa</td><td class=\"bsNUMd\">69.00</td></tr>");
}

}  // namespace
}  // namespace corvalis
