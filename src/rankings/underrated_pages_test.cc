#include "rankings/underrated_pages.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/fake_env.h"

namespace corvalis {
namespace {

TEST(UnderratedPagesTest, TwoDecimals) {
  // Averages.
  EXPECT_EQ(TwoDecimals("6"), "6.00");
  EXPECT_EQ(TwoDecimals("6.5"), "6.50");
  EXPECT_EQ(TwoDecimals("6.25"), "6.25");
  EXPECT_EQ(TwoDecimals("10.5"), "10.50");
  // Totals, in the number-to-text form.
  EXPECT_EQ(TwoDecimals(" 123"), "123.00");
  EXPECT_EQ(TwoDecimals(" 123.5"), "123.50");
  EXPECT_EQ(TwoDecimals(" 12.5"), "12.50");
  EXPECT_EQ(TwoDecimals(" 12"), "12.00");
  EXPECT_EQ(TwoDecimals(" 6.5"), "6.50");
  EXPECT_EQ(TwoDecimals(" 6"), "6.00");
  EXPECT_EQ(TwoDecimals(" 60.25"), "60.25");
  // Rules by text length alone would give 10000 and 12340 here.
  EXPECT_EQ(TwoDecimals("100"), "100.00");
  EXPECT_EQ(TwoDecimals(" 1234"), "1234.00");
}

TEST(UnderratedPagesTest, WhoIsListedOnEachPage) {
  FakeEnv env;
  auto store = std::make_unique<SeasonStore>();
  store->source_dir = "C:\\lega";
  store->average_presences = 3;
  auto add = [&](int r, const char* name, const char* sum, const char* count,
                 const char* average) {
    for (int c = 1; c <= 6; ++c) {
      const char* cells[] = {"", "D", name, sum, count, "Alfa", average};
      store->playerRegistry.at(r, c) = cells[c];
    }
  };
  add(1, "BASSO", " 23.96", " 4", "5.99");
  add(2, "ROSSI Mario", " 45.5", " 7", "6.5");
  add(3, "MEDIO", " 21", " 3", "7");  // benched just as often as the average
  add(4, "GIUSTO", " 24", " 4", "6");
  WriteUnderratedPages(env, *store);

  Lines by_average = env.Lines("C:\\lega\\incomedia.htm");
  ASSERT_EQ(by_average.size(), 8u);
  EXPECT_EQ(by_average[4],
            "<tr class=\"ico\"><td class=\"icoNUMd\">6.50</td><td class=\"icoNOMEd\">ROSSI Mar "
            "(alfa) [7]</td></tr>");
  EXPECT_NE(by_average[5].find("icoNUMp\">6.00</td><td class=\"icoNOMEp\">GIUSTO (alfa) [4]<"),
            std::string::npos);

  Lines by_total = env.Lines("C:\\lega\\incomtot.htm");
  ASSERT_EQ(by_total.size(), 9u);
  EXPECT_NE(by_total[4].find(">45.50<"), std::string::npos);
  EXPECT_NE(by_total[5].find(">24.00<"), std::string::npos);
  EXPECT_NE(by_total[6].find(">21.00</td><td class=\"icoNOMEd\">MEDIO (alfa) [3]<"),
            std::string::npos);
  EXPECT_EQ(by_total[3],
            "<tr class=\"ico\"><td colspan=\"2\" class=\"icoTITOLO\">Gli INCOMPRESI per Totale "
            "con Media >=6.00</td></tr>");
}

}  // namespace
}  // namespace corvalis
