#include "rankings/fantasfiga_page.h"

#include <gtest/gtest.h>

#include <memory>

namespace corvalis {
namespace {

TEST(LuckTextTest, SignAndTwoDecimalsOfTheFlooredAverage) {
  EXPECT_EQ(LuckText(2), "+2.00");
  EXPECT_EQ(LuckText(0.5), "+0.50");
  EXPECT_EQ(LuckText(-0.255), "-0.26");  // the floor moves away from zero
  EXPECT_EQ(LuckText(-12), "-12.00");
  EXPECT_EQ(LuckText(0), "+0.00");
  EXPECT_EQ(LuckText(-0.0), "+0.00");
  EXPECT_EQ(LuckText(1.5), "+1.50");
  EXPECT_EQ(LuckText(12), "+12.00");
  EXPECT_EQ(LuckText(-0.25), "-0.25");
  EXPECT_EQ(LuckText(-3), "-3.00");
  EXPECT_EQ(LuckText(-12.5), "-12.50");
  EXPECT_EQ(LuckText(1.709), "+1.70");
  EXPECT_EQ(LuckText(-0.001), "-0.01");
}

TEST(FantasfigaPageTest, EveryTeamOnceHighestAverageFirst) {
  auto store = std::make_unique<SeasonStore>();
  const char* names[] = {"", "Alfa", "Beta", "Gamma", "Delta", "Epsilon",
                         "Zeta", "Eta", "Theta"};
  store->num_teams = 8;
  for (int t = 1; t <= 8; ++t) store->teamName[t] = names[t];
  auto book = [&](int t, double sum, double count) {
    store->luck[t][kLuckSum] = sum;
    store->luck[t][kLuckCount] = count;
  };
  book(1, -1.5, 3);    // -0.5
  book(2, 6, 3);       // 2
  book(3, 1, 2);       // 0.5
  // Delta: nothing booked, counts as 0
  book(5, 1, 2);       // 0.5, after Gamma
  book(6, -36, 3);     // -12
  book(7, 0, 4);       // 0, after Delta
  book(8, -0.765, 3);  // -0.255

  Lines lines = FantasfigaPage(*store);
  ASSERT_EQ(lines.size(), 14u);
  EXPECT_EQ(lines[0], "<link href=\"corvalis.css\" rel=\"stylesheet\" type=\"Text/css\" />");
  EXPECT_EQ(lines[1], "<div id=\"fs\">");
  EXPECT_EQ(lines[2], "<table class='fs' border=\"0\" cellspacing=\"0\" cellpadding=\"0\">");
  EXPECT_EQ(lines[3],
            "<tr class=\"fs\"><td colspan=\"2\" class=\"fsTITOLO\">CLASSIFICA "
            "FANTASFIGA</td></tr>");
  EXPECT_EQ(lines[4],
            "<tr class=\"fs\"><td class=\"fsNUMd\">+2.00</td><td class=\"fsNOMEd\">Beta</td></tr>");
  EXPECT_EQ(lines[5],
            "<tr class=\"fs\"><td class=\"fsNUMp\">+0.50</td><td class=\"fsNOMEp\">Gamma</td></tr>");
  EXPECT_NE(lines[6].find(">+0.50</td><td class=\"fsNOMEd\">Epsilon<"), std::string::npos);
  EXPECT_NE(lines[7].find(">+0.00</td><td class=\"fsNOMEp\">Delta<"), std::string::npos);
  EXPECT_NE(lines[8].find(">+0.00</td><td class=\"fsNOMEd\">Eta<"), std::string::npos);
  EXPECT_NE(lines[9].find(">-0.26</td><td class=\"fsNOMEp\">Theta<"), std::string::npos);
  EXPECT_NE(lines[10].find(">-0.50</td><td class=\"fsNOMEd\">Alfa<"), std::string::npos);
  EXPECT_NE(lines[11].find(">-12.00</td><td class=\"fsNOMEp\">Zeta<"), std::string::npos);
  EXPECT_EQ(lines[12], "</table>");
  EXPECT_EQ(lines[13], "</div>");
}

}  // namespace
}  // namespace corvalis
