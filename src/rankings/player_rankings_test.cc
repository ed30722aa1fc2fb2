#include "rankings/player_rankings.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/fake_env.h"

namespace corvalis {
namespace {

const char* const kPages[] = {"incomedia.htm", "incomtot.htm", "cannonieri.htm",
                              "uomopartita.htm", "top11.htm",  "crvTop11.js",
                              "flop11.htm",    "top11s.htm",   "flop11s.htm",
                              "fantasfiga.htm"};

TEST(PlayerRankingsTest, SeasonWithoutAnyPlayerWritesEveryPage) {
  FakeEnv env;
  auto store = std::make_unique<SeasonStore>();
  store->source_dir = "C:\\lega";
  store->num_teams = 2;
  store->teamName[1] = "Alfa";
  store->teamName[2] = "Beta";
  WritePlayerRankings(env, *store);
  for (const char* page : kPages) {
    std::string path = "C:\\lega\\";
    path += page;
    EXPECT_TRUE(env.HasFile(path)) << page;
  }
  EXPECT_EQ(env.Lines("C:\\lega\\fantasfiga.htm").size(), 8u);
  EXPECT_TRUE(env.messages().empty());
}

}  // namespace
}  // namespace corvalis
