#include "rankings/tally_pages.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/fake_env.h"

namespace corvalis {
namespace {

TEST(TallyPagesTest, RankedShortenedAndWrittenAsStored) {
  FakeEnv env;
  auto store = std::make_unique<SeasonStore>();
  store->source_dir = "C:\\lega";
  auto row = [](TextTable& tally, int r, const char* c1, const char* c2, const char* c3) {
    tally.at(r, 1) = c1;
    tally.at(r, 2) = c2;
    tally.at(r, 3) = c3;
  };
  row(store->scorerTally, 1, "DE ROSSI Daniele", " 1", "Real Tigre");
  row(store->scorerTally, 2, "DZEKO", " 3", "Alfa");
  row(store->scorerTally, 3, "De Rossi", " 3", "Beta");
  row(store->momTally, 1, "PRIMO", "Alfa", "1");
  row(store->momTally, 2, "SECONDO", "Beta", " 2");
  WriteTallyPages(env, *store);

  // Three scorers: four head lines, three rows, two closing lines.
  Lines scorers = env.Lines("C:\\lega\\cannonieri.htm");
  ASSERT_EQ(scorers.size(), 9u);
  EXPECT_EQ(scorers[3],
            "<tr class=\"cannonieri\"><td colspan=\"2\" class=\"canTITOLO\">CLASSIFICA "
            "CANNONIERI</td></tr>");
  EXPECT_EQ(scorers[4],
            "<tr class=\"cannonieri\"><td class=\"canGOLd\"> 3</td><td class=\"canNOMEd\">DZEKO "
            "(alfa)</td></tr>");
  EXPECT_NE(scorers[5].find("canGOLp\"> 3</td><td class=\"canNOMEp\">De Ro (beta)<"),
            std::string::npos);
  EXPECT_NE(scorers[6].find("canGOLd\"> 1</td><td class=\"canNOMEd\">DE ROSSI Dan (real tigre)<"),
            std::string::npos);
  // The team pages list the tally as this stage leaves it.
  EXPECT_EQ(store->scorerTally.at(3, 1), "DE ROSSI Dan");

  Lines mom = env.Lines("C:\\lega\\uomopartita.htm");
  ASSERT_EQ(mom.size(), 8u);
  EXPECT_EQ(mom[4],
            "<tr class=\"mom\"><td class=\"momNUMd\"> 2</td><td class=\"momNOMEd\">SECONDO "
            "(beta)</td></tr>");
  EXPECT_NE(mom[5].find("momNUMp\">1</td><td class=\"momNOMEp\">PRIMO (alfa)<"),
            std::string::npos);
}

// The name is cut first and escaped after, so the cut never splits an
// escape (here it falls inside a character reference the league wrote);
// team names are lowered in the run's encoding.
TEST(TallyPagesTest, NamesCutThenEscapedTeamsLoweredInTheRunsEncoding) {
  FakeEnv env;
  auto store = std::make_unique<SeasonStore>();
  store->source_dir = "C:\\lega";
  store->encoding = TextEncoding::kUtf8;
  store->scorerTally.at(1, 1) = "O&amp;NEIL Mario";
  store->scorerTally.at(1, 2) = " 1";
  store->scorerTally.at(1, 3) = "\xC3\x89LITE Citt\xC3\x80 <1>";
  WriteTallyPages(env, *store);
  EXPECT_EQ(env.Lines("C:\\lega\\cannonieri.htm")[4],
            "<tr class=\"cannonieri\"><td class=\"canGOLd\"> 1</td><td class=\"canNOMEd\">"
            "O&amp;am (\xC3\xA9lite citt\xC3\xA0 &lt;1&gt;)</td></tr>");
}

}  // namespace
}  // namespace corvalis
