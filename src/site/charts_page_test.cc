#include "site/charts_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "platform/fake_env.h"
#include "rating/team_order.h"

namespace corvalis {
namespace {

bool Has(const Lines& page, const std::string& line) {
  return std::find(page.begin(), page.end(), line) != page.end();
}

// Two teams over matchdays 1 to 3, matchday 2 without an export; Beta did
// not play on matchday 3. Teams sorted by average: Beta first.
class ChartsPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    store_->num_teams = 2;
    store_->last_matchday_read = 3;
    store_->teamTitle[1] = "Citt\xE0 \"Nos\"";  // Windows-1252
    store_->teamTitle[2] = "Beta";
    StartTeamOrder(*store_);
    for (int t = 1; t <= 2; ++t) {
      for (int g = 4; g <= kMatchdays; ++g) store_->teamMatchday[t][g][kMdGap] = kNoFileGap;
      store_->teamMatchday[t][2][kMdGap] = kNoFileGap;
    }
    store_->teamMatchday[1][1][kMdGap] = 2.5;
    store_->teamMatchday[1][3][kMdGap] = 0;
    store_->teamMatchday[2][1][kMdGap] = 0.125;
    store_->teamMatchday[2][3][kMdGap] = kDidNotPlay;
    store_->teamSeason[1][kSnMatches] = 2;
    store_->teamSeason[1][kSnAverageGap] = 1.256;
    store_->teamSeason[2][kSnMatches] = 1;
    store_->teamSeason[2][kSnAverageGap] = 0.125;
    SortTeamRows(*store_, [](const SeasonRow& row) { return row[kSnAverageGap]; });
    store_->min_presences = 2;
    const char* eleven[2][4] = {{"P", "ROSSI Mar", "Citt\xE0 \"Nos\"", " 6.75"},
                                {"A", "M\xC8NEZ <b>", "Beta", " 7"}};
    for (int s = 1; s <= 2; ++s) {
      for (int c = 1; c <= 4; ++c) store_->seasonTop11.at(s, c) = eleven[s - 1][c - 1];
    }
  }
  std::unique_ptr<SeasonStore> store_ = std::make_unique<SeasonStore>();
};

TEST_F(ChartsPageTest, FiguresNoScriptCarriesAreInThePage) {
  store_->encoding = TextEncoding::kWindows1252;
  Lines page = ChartsPage(*store_, kWebFolderLinks);
  EXPECT_TRUE(Has(page, "ultimaGiornata: 3,"));
  EXPECT_TRUE(Has(page, "giornate: [1,3],"));
  // Teams in conf.txt order, each with the average of its own sorted row.
  EXPECT_TRUE(Has(page, R"({nome: "Citt\u00E0 \"Nos\"", media: 1.25, scarti: [2.5,0]},)"));
  EXPECT_TRUE(Has(page, R"({nome: "Beta", media: .12, scarti: [.125,null]})"));
  EXPECT_TRUE(Has(page, R"({ruolo: "P", nome: "ROSSI Mar", squadra: "Citt\u00E0 \"Nos\"", voto: 6.75},)"));
  EXPECT_TRUE(Has(page, R"({ruolo: "A", nome: "M\u00C8NEZ \u003Cb>", squadra: "Beta", voto: 7})"));
  EXPECT_TRUE(Has(page, "<meta charset=\"windows-1252\">"));
}

TEST_F(ChartsPageTest, ScriptsFromTheScriptFolderOrBesideThePage) {
  Lines web = ChartsPage(*store_, kWebFolderLinks);
  for (const char* script : {"crvUtils.js", "crvCorvalisTot.js", "crvCorvalisDati3.js",
                             "crvTop11.js"}) {
    EXPECT_TRUE(Has(web, std::string("<script src=\"../js/") + script +
                             "\" type=\"text/javascript\"></script>"))
        << script;
  }
  EXPECT_TRUE(Has(web, "<meta charset=\"UTF-8\">"));
  EXPECT_TRUE(Has(web, "<p class=\"crvTorna\"><a href=\"fanta.php\">&larr; Statistiche "
                       "Corvalis</a></p>"));

  Lines flat = ChartsPage(*store_, {"", "index.html"});
  EXPECT_TRUE(Has(flat, "<script src=\"crvTop11.js\" type=\"text/javascript\"></script>"));
  EXPECT_TRUE(Has(flat, "<p class=\"crvTorna\"><a href=\"index.html\">&larr; Statistiche "
                        "Corvalis</a></p>"));
  // The two differ in those lines only.
  ASSERT_EQ(web.size(), flat.size());
  int different = 0;
  for (size_t i = 0; i < web.size(); ++i) different += web[i] != flat[i];
  EXPECT_EQ(different, 5);
}

// Whatever the league's names, the page is ASCII and no text can end a
// script element early.
TEST_F(ChartsPageTest, AsciiWithoutLeagueMarkup) {
  store_->teamTitle[2] = "</script><b>\xC3\xA8";
  for (TextEncoding encoding : {TextEncoding::kUtf8, TextEncoding::kWindows1252}) {
    store_->encoding = encoding;
    for (const std::string& line : ChartsPage(*store_, kWebFolderLinks)) {
      for (char c : line) EXPECT_LT(static_cast<unsigned char>(c), 0x80) << line;
      EXPECT_EQ(line.find("</script><b>"), std::string::npos);
    }
  }
}

TEST_F(ChartsPageTest, ExplanationFollowsTheLeague) {
  auto text = [&] {
    std::string all;
    for (const std::string& line : ChartsPage(*store_, kWebFolderLinks)) all += line + "\n";
    return all;
  };
  EXPECT_EQ(text().find("elevato"), std::string::npos);
  EXPECT_NE(text().find("almeno 2 presenze"), std::string::npos);
  EXPECT_NE(text().find("Ultima giornata (3)"), std::string::npos);
  store_->gap_exponent = 1.5;
  store_->min_presences = 1;
  EXPECT_NE(text().find("elevato alla potenza 1.5"), std::string::npos);
  EXPECT_NE(text().find("almeno 1 presenza:"), std::string::npos);
  store_->min_presences = 0;
  EXPECT_NE(text().find("alta tra tutti i giocatori:"), std::string::npos);
}

TEST_F(ChartsPageTest, NoSeasonElevenYet) {
  store_->seasonTop11.Clear();
  Lines page = ChartsPage(*store_, kWebFolderLinks);
  auto at = std::find(page.begin(), page.end(), "top11Stagione: [");
  ASSERT_NE(at, page.end());
  EXPECT_EQ(*(at + 1), "]");
}

TEST_F(ChartsPageTest, WrittenIntoTheSourceFolder) {
  FakeEnv env;
  store_->source_dir = "C:\\lega";
  WriteChartsPage(env, *store_);
  EXPECT_EQ(env.Lines("C:\\lega\\grafici.htm"), ChartsPage(*store_, kWebFolderLinks));
}

}  // namespace
}  // namespace corvalis
