#include "rankings/underrated_pages.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/fake_env.h"

namespace corvalis {
namespace {

TEST(TwoDecimalsTest, AverageTexts) {
  EXPECT_EQ(TwoDecimals("6"), "6.00");
  EXPECT_EQ(TwoDecimals("6.5"), "6.50");
  EXPECT_EQ(TwoDecimals("6.25"), "6.25");
  EXPECT_EQ(TwoDecimals("10.5"), "10.50");
  EXPECT_EQ(TwoDecimals("10"), "10.00");
  EXPECT_EQ(TwoDecimals("10.87"), "10.87");
}

TEST(TwoDecimalsTest, TotalTextsWithTheirLeadingSpace) {
  EXPECT_EQ(TwoDecimals(" 123"), "123.00");
  EXPECT_EQ(TwoDecimals(" 123.5"), "123.50");
  EXPECT_EQ(TwoDecimals(" 12.5"), "12.50");
  EXPECT_EQ(TwoDecimals(" 12"), "12.00");
  EXPECT_EQ(TwoDecimals(" 6.5"), "6.50");
  EXPECT_EQ(TwoDecimals(" 6"), "6.00");
  EXPECT_EQ(TwoDecimals(" 60.25"), "60.25");
  EXPECT_EQ(TwoDecimals(" 12.125"), "12.125");  // never cut
}

TEST(TwoDecimalsTest, LargeWholeNumbersGetTheirPoint) {
  // Rules by text length alone would turn these into 10000 and 12340.
  EXPECT_EQ(TwoDecimals("100"), "100.00");
  EXPECT_EQ(TwoDecimals(" 1234"), "1234.00");
  EXPECT_EQ(TwoDecimals(" 1000.5"), "1000.50");
}

class UnderratedPagesTest : public ::testing::Test {
 protected:
  // A registered player with his average already computed.
  void Register(int r, const std::string& name, const std::string& team,
                const std::string& sum, const std::string& count,
                const std::string& average) {
    TextTable& registry = store_->playerRegistry;
    registry.at(r, 1) = "D";
    registry.at(r, 2) = name;
    registry.at(r, 3) = sum;
    registry.at(r, 4) = count;
    registry.at(r, 5) = team;
    registry.at(r, 6) = average;
  }
  Lines Page(const std::string& name) {
    return env_.Lines("C:\\lega\\" + name);
  }
  // The rows of a page, without its four head and two closing lines.
  Lines Rows(const std::string& name) {
    Lines lines = Page(name);
    return Lines(lines.begin() + 4, lines.end() - 2);
  }

  FakeEnv env_;
  std::unique_ptr<SeasonStore> store_ = [] {
    auto store = std::make_unique<SeasonStore>();
    store->source_dir = "C:\\lega";
    return store;
  }();
};

TEST_F(UnderratedPagesTest, RowLine) {
  Register(1, "ROSSI Mario", "Alfa", " 45.5", " 7", "6.5");
  store_->average_presences = 3;
  WriteUnderratedPages(env_, *store_);
  EXPECT_EQ(Rows("incomedia.htm"),
            Lines{"<tr class=\"ico\"><td class=\"icoNUMd\">6.50</td><td "
                  "class=\"icoNOMEd\">ROSSI Mar (alfa) [7]</td></tr>"});
  EXPECT_EQ(Rows("incomtot.htm"),
            Lines{"<tr class=\"ico\"><td class=\"icoNUMd\">45.50</td><td "
                  "class=\"icoNOMEd\">ROSSI Mar (alfa) [7]</td></tr>"});
  EXPECT_EQ(Page("incomedia.htm")[3],
            "<tr class=\"ico\"><td colspan=\"2\" class=\"icoTITOLO\">Gli INCOMPRESI con Media "
            ">= 6.00 e maggiori assenze</td></tr>");
  EXPECT_EQ(Page("incomtot.htm")[3],
            "<tr class=\"ico\"><td colspan=\"2\" class=\"icoTITOLO\">Gli INCOMPRESI per Totale "
            "con Media >=6.00</td></tr>");
}

TEST_F(UnderratedPagesTest, AverageSixIsListedAndBenchCountMustExceedTheLeagueAverage) {
  Register(1, "BASSO", "Alfa", " 23.96", " 4", "5.99");
  Register(2, "GIUSTO", "Alfa", " 24", " 4", "6");
  Register(3, "MEDIO", "Beta", " 21", " 3", "7");  // benched just as often as the average
  Register(4, "ALTO", "Beta", " 30", " 4", "7.5");
  store_->average_presences = 3;
  WriteUnderratedPages(env_, *store_);

  Lines by_average = Rows("incomedia.htm");
  ASSERT_EQ(by_average.size(), 2u);
  EXPECT_NE(by_average[0].find("icoNUMd\">7.50<"), std::string::npos);
  EXPECT_NE(by_average[0].find("ALTO (beta) [4]"), std::string::npos);
  EXPECT_NE(by_average[1].find("icoNUMp\">6.00<"), std::string::npos);
  EXPECT_NE(by_average[1].find("GIUSTO (alfa) [4]"), std::string::npos);

  // By total: no bench-count condition, highest total first.
  Lines by_total = Rows("incomtot.htm");
  ASSERT_EQ(by_total.size(), 3u);
  EXPECT_NE(by_total[0].find(">30.00<"), std::string::npos);
  EXPECT_NE(by_total[1].find(">24.00<"), std::string::npos);
  EXPECT_NE(by_total[2].find(">21.00<"), std::string::npos);
  EXPECT_NE(by_total[2].find("MEDIO (beta) [3]"), std::string::npos);
}

TEST_F(UnderratedPagesTest, EqualAveragesKeepTheirOrderAndNamesStayShort) {
  Register(1, "PRIMO Carlo", "Alfa", " 26", " 4", "6.5");
  Register(2, "SECONDO Dino", "Alfa", " 26", " 4", "6.5");
  store_->average_presences = 1;
  WriteUnderratedPages(env_, *store_);
  Lines rows = Rows("incomedia.htm");
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_NE(rows[0].find("PRIMO Car "), std::string::npos);
  EXPECT_NE(rows[1].find("SECONDO Din "), std::string::npos);
  EXPECT_EQ(store_->playerRegistry.at(1, 2), "PRIMO Car");
}

TEST_F(UnderratedPagesTest, EmptyRegisterWritesFramesOnly) {
  WriteUnderratedPages(env_, *store_);
  EXPECT_EQ(Page("incomedia.htm").size(), 6u);
  EXPECT_EQ(Page("incomtot.htm").size(), 6u);
}

}  // namespace
}  // namespace corvalis
