#include "rankings/tally_pages.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/fake_env.h"

namespace corvalis {
namespace {

class TallyPagesTest : public ::testing::Test {
 protected:
  void Scorer(int r, const std::string& name, const std::string& goals,
              const std::string& team) {
    store_->scorerTally.at(r, 1) = name;
    store_->scorerTally.at(r, 2) = goals;
    store_->scorerTally.at(r, 3) = team;
  }
  void Mom(int r, const std::string& name, const std::string& team,
           const std::string& awards) {
    store_->momTally.at(r, 1) = name;
    store_->momTally.at(r, 2) = team;
    store_->momTally.at(r, 3) = awards;
  }
  Lines Page(const std::string& name) { return env_.Lines("C:\\lega\\" + name); }

  FakeEnv env_;
  std::unique_ptr<SeasonStore> store_ = [] {
    auto store = std::make_unique<SeasonStore>();
    store->source_dir = "C:\\lega";
    return store;
  }();
};

TEST_F(TallyPagesTest, ThreeScorersGiveNineLines) {
  Scorer(1, "DE ROSSI Daniele", " 1", "Real Tigre");
  Scorer(2, "DZEKO", " 3", "Alfa");
  Scorer(3, "De Rossi", " 2", "Beta");
  WriteTallyPages(env_, *store_);
  Lines expected = {
      "<link href=\"corvalis.css\" rel=\"stylesheet\" type=\"text/css\" />",
      "<div id=\"cannonieri\">",
      "<table class='cannonieri' border=\"0\" cellspacing=\"0\" cellpadding=\"0\">",
      "<tr class=\"cannonieri\"><td colspan=\"2\" class=\"canTITOLO\">CLASSIFICA "
      "CANNONIERI</td></tr>",
      "<tr class=\"cannonieri\"><td class=\"canGOLd\"> 3</td><td "
      "class=\"canNOMEd\">DZEKO (alfa)</td></tr>",
      "<tr class=\"cannonieri\"><td class=\"canGOLp\"> 2</td><td class=\"canNOMEp\">De Ro "
      "(beta)</td></tr>",
      "<tr class=\"cannonieri\"><td class=\"canGOLd\"> 1</td><td class=\"canNOMEd\">DE "
      "ROSSI Dan (real tigre)</td></tr>",
      "</table>",
      "</div>",
  };
  EXPECT_EQ(Page("cannonieri.htm"), expected);
  // The team pages list the tally as this stage leaves it.
  EXPECT_EQ(store_->scorerTally.at(1, 1), "DZEKO");
  EXPECT_EQ(store_->scorerTally.at(3, 1), "DE ROSSI Dan");
  EXPECT_EQ(store_->scorerTally.at(3, 3), "Real Tigre");
}

TEST_F(TallyPagesTest, EqualCountsKeepTheirOrderAndCountsAreWrittenAsStored) {
  Mom(1, "PRIMO", "Alfa", " 4");
  Mom(2, "SECONDO", "Beta", " 2");
  Mom(3, "TERZO", "Gamma", " 4");
  Mom(4, "QUARTO", "Gamma", "1");
  WriteTallyPages(env_, *store_);
  Lines page = Page("uomopartita.htm");
  ASSERT_EQ(page.size(), 10u);
  EXPECT_EQ(page[3],
            "<tr class=\"mom\"><td colspan=\"2\" class=\"momTITOLO\">CLASSIFICA MIGLIORE IN "
            "CAMPO</td></tr>");
  EXPECT_EQ(page[4],
            "<tr class=\"mom\"><td class=\"momNUMd\"> 4</td><td class=\"momNOMEd\">PRIMO "
            "(alfa)</td></tr>");
  EXPECT_EQ(page[5],
            "<tr class=\"mom\"><td class=\"momNUMp\"> 4</td><td class=\"momNOMEp\">TERZO "
            "(gamma)</td></tr>");
  EXPECT_EQ(page[6],
            "<tr class=\"mom\"><td class=\"momNUMd\"> 2</td><td class=\"momNOMEd\">SECONDO "
            "(beta)</td></tr>");
  EXPECT_EQ(page[7],
            "<tr class=\"mom\"><td class=\"momNUMp\">1</td><td class=\"momNOMEp\">QUARTO "
            "(gamma)</td></tr>");
}

TEST_F(TallyPagesTest, EmptyTalliesWriteFramesOnly) {
  WriteTallyPages(env_, *store_);
  EXPECT_EQ(Page("cannonieri.htm").size(), 6u);
  EXPECT_EQ(Page("uomopartita.htm").size(), 6u);
}

}  // namespace
}  // namespace corvalis
