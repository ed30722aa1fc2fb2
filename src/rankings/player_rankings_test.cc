#include "rankings/player_rankings.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/fake_env.h"

namespace corvalis {
namespace {

TEST(PlayerRankingsTest, SeasonWithoutAnyPlayerWritesEveryPageEmpty) {
  FakeEnv env;
  auto store = std::make_unique<SeasonStore>();
  store->source_dir = "C:\\lega";
  WritePlayerRankings(env, *store);
  for (const char* page : {"incomedia.htm", "incomtot.htm", "cannonieri.htm",
                           "uomopartita.htm", "top11.htm", "flop11.htm", "top11s.htm",
                           "flop11s.htm", "fantasfiga.htm"}) {
    std::string path = "C:\\lega\\";
    path += page;
    EXPECT_EQ(env.Lines(path).size(), 6u) << page;
  }
  EXPECT_EQ(env.Lines("C:\\lega\\crvTop11.js"),
            (std::vector<std::string>{"var arrTop11=new Array()", "a = arrTop11"}));
  EXPECT_NE(env.Lines("C:\\lega\\top11s.htm")[3].find("(min pres: 0)"), std::string::npos);
}

}  // namespace
}  // namespace corvalis
