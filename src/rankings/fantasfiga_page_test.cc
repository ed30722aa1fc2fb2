#include "rankings/fantasfiga_page.h"

#include <gtest/gtest.h>

#include <memory>

namespace corvalis {
namespace {

TEST(FantasfigaPageTest, LuckTextOfTheFlooredAverage) {
  EXPECT_EQ(LuckText(2), "+2.00");
  EXPECT_EQ(LuckText(0.5), "+0.50");
  EXPECT_EQ(LuckText(-0.255), "-0.26");  // the floor moves away from zero
  EXPECT_EQ(LuckText(-12), "-12.00");
  EXPECT_EQ(LuckText(-0.0), "+0.00");
  EXPECT_EQ(LuckText(12), "+12.00");
  EXPECT_EQ(LuckText(-12.5), "-12.50");
  EXPECT_EQ(LuckText(1.709), "+1.70");
}

TEST(FantasfigaPageTest, EveryTeamOnceHighestFirstTiesInTeamOrder) {
  auto store = std::make_unique<SeasonStore>();
  store->num_teams = 5;
  const char* names[] = {"", "Alfa", "Beta", "Gamma", "Delta", "Epsilon"};
  double sums[] = {0, -1.5, 6, 1, 0, 0};
  double counts[] = {0, 3, 3, 2, 0, 4};  // Delta: nothing booked, counts as 0
  for (int t = 1; t <= 5; ++t) {
    store->teamName[t] = names[t];
    store->luck[t][kLuckSum] = sums[t];
    store->luck[t][kLuckCount] = counts[t];
  }
  Lines lines = FantasfigaPage(*store);
  ASSERT_EQ(lines.size(), 11u);
  const char* order[] = {">+2.00</td><td class=\"fsNOMEd\">Beta<",
                         ">+0.50</td><td class=\"fsNOMEp\">Gamma<",
                         ">+0.00</td><td class=\"fsNOMEd\">Delta<",
                         ">+0.00</td><td class=\"fsNOMEp\">Epsilon<",
                         ">-0.50</td><td class=\"fsNOMEd\">Alfa<"};
  for (int i = 0; i < 5; ++i) {
    EXPECT_NE(lines[4 + i].find(order[i]), std::string::npos) << lines[4 + i];
  }
}

}  // namespace
}  // namespace corvalis
