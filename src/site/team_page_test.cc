#include "site/team_page.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "platform/fake_env.h"
#include "site/site_pages.h"

namespace corvalis {
namespace {

// The scorer names a team page lists, in page order.
std::vector<std::string> ListedScorers(const std::string& page) {
  const std::string cell = "<td class=\"sqNOME";
  std::vector<std::string> names;
  for (size_t at = page.find(cell); at != std::string::npos; at = page.find(cell, at + 1)) {
    size_t begin = page.find('>', at) + 1;
    names.push_back(page.substr(begin, page.find('<', begin) - begin));
  }
  return names;
}

// Every page lists, in ranking order, the scorers whose team is exactly the
// page's team name, also when two teams share a name, a scorer's team is no
// team of the league, or a name is empty.
TEST(TeamPageTest, EveryPageListsTheScorersOfItsTeamName) {
  const std::vector<std::string> names = {"Alfa", "Beta", "Alfa ", "alfa", "", "Gamma"};
  std::mt19937 random(7);
  auto pick = [&](size_t below) { return static_cast<size_t>(random() % below); };
  for (int round = 0; round < 200; ++round) {
    League league;
    league.source_dir = "C:\\lega\\";
    int teams = 1 + static_cast<int>(pick(6));
    for (int t = 0; t < teams; ++t) league.teams.push_back(names[pick(names.size())]);
    SeasonRating rating;
    rating.teams.resize(teams);
    std::vector<std::string> scorer_names(pick(40));
    std::vector<ShownScorer> scorers(scorer_names.size());
    for (size_t i = 0; i < scorers.size(); ++i) {
      scorer_names[i] = "P" + std::to_string(i);
      scorers[i].name = scorer_names[i];
      scorers[i].team = names[pick(names.size())];
      scorers[i].count = 1 + static_cast<int>(pick(9));
    }
    FakeEnv env;
    WriteTeamPages(env, league, rating, scorers, BenchSettings{}, TextEncoding::kUtf8);
    for (int t = 0; t < teams; ++t) {
      std::vector<std::string> plain;
      for (const ShownScorer& row : scorers) {
        if (row.team == league.teams[t]) plain.push_back(std::string(row.name));
      }
      std::string page = env.Contents(league.SourcePath(TeamPageName(t + 1)));
      ASSERT_FALSE(page.empty());
      EXPECT_EQ(ListedScorers(page), plain) << "round " << round << ", team " << t;
    }
  }
}

}  // namespace
}  // namespace corvalis
