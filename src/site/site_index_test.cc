#include "site/site_index.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/fake_env.h"

namespace corvalis {
namespace {

// The first document, line by line, as the site expects it.
const Lines kLeagueDocument = {
    R"x(<html><head><script src='../js/crvUtils.js' type='text/javascript'></script>)x",
    R"x(<title>Statistiche Corvalis</title><meta name='author' content='kx'>)x",
    R"x(<link href='corvalis.css' rel='stylesheet' type='text/css'>)x",
    R"x(</head><body><h2 class='intest'>Riepilogo dati Corvalis</h2>)x",
    R"x(<div id='laycorvalisH' class='i-layer' align='left'>&nbsp;<a href='#' onclick="invertiDisplayLayer('laycorvalis')"><font class='intest2'>Classifica Corvalis</font></a></div>)x",
    R"x(<div id='laycorvalis' style='display: none;' align='center'><?php include ('corvalis.htm') ?></div>)x",
    R"x(<div id='laybestrosH' class='i-layer' align='left'>&nbsp;<a href='#' onclick="invertiDisplayLayer('laybestros')"><font class='intest2'>Migliori Rose</font></a></div>)x",
    R"x(<div id='laybestros' style='display: none;' align='center'><?php include ('bestrose.htm') ?></div>)x",
    R"x(<div id='laycalenbombeH' class='i-layer' align='left'>&nbsp;<a href='#' onclick="invertiDisplayLayer('laycalenbombe')"><font class='intest2'>Calendario con marcatori </font></a></div>)x",
    R"x(<div id='laycalenbombe' style='display: none;' align='center'><?php include ('calenbomber.htm') ?></div>)x",
    R"x(<div id='laycannonierH' class='i-layer' align='left'>&nbsp;<a href='#' onclick="invertiDisplayLayer('laycannonier')"><font class='intest2'>Classifica Cannonieri </font></a></div>)x",
    R"x(<div id='laycannonier' style='display: none;' align='center'><?php include ('cannonieri.htm') ?></div>)x",
    R"x(<div id='layincomediH' class='i-layer' align='left'>&nbsp;<a href='#' onclick="invertiDisplayLayer('layincomedi')"><font class='intest2'>Classifica incompresi (media) </font></a></div>)x",
    R"x(<div id='layincomedi' style='display: none;' align='center'><?php include ('incomedia.htm') ?></div>)x",
    R"x(<div id='layincomtoH' class='i-layer' align='left'>&nbsp;<a href='#' onclick="invertiDisplayLayer('layincomto')"><font class='intest2'>Classifica incompresi (totale) </font></a></div>)x",
    R"x(<div id='layincomto' style='display: none;' align='center'><?php include ('incomtot.htm') ?></div>)x",
    R"x(<div id='layuomopartitH' class='i-layer' align='left'>&nbsp;<a href='#' onclick="invertiDisplayLayer('layuomopartit')"><font class='intest2'>Migliore in Campo</font></a></div>)x",
    R"x(<div id='layuomopartit' style='display: none;' align='center'><?php include ('uomopartita.htm') ?></div>)x",
    R"x(<div id='layflop1H' class='i-layer' align='left'>&nbsp;<a href='#' onclick="invertiDisplayLayer('layflop1')"><font class='intest2'>Flop11 - Giornata </font></a></div>)x",
    R"x(<div id='layflop1' style='display: none;' align='center'><?php include ('flop11.htm') ?></div>)x",
    R"x(<div id='layflop11H' class='i-layer' align='left'>&nbsp;<a href='#' onclick="invertiDisplayLayer('layflop11')"><font class='intest2'>Flop11 - Stagione </font></a></div>)x",
    R"x(<div id='layflop11' style='display: none;' align='center'><?php include ('flop11s.htm') ?></div>)x",
    R"x(<div id='laytop1H' class='i-layer' align='left'>&nbsp;<a href='#' onclick="invertiDisplayLayer('laytop1')"><font class='intest2'>Top11 - Giornata </font></a></div>)x",
    R"x(<div id='laytop1' style='display: none;' align='center'><?php include ('top11.htm') ?></div>)x",
    R"x(<div id='laytop11H' class='i-layer' align='left'>&nbsp;<a href='#' onclick="invertiDisplayLayer('laytop11')"><font class='intest2'>Top11 - Stagione </font></a></div>)x",
    R"x(<div id='laytop11' style='display: none;' align='center'><?php include ('top11s.htm') ?></div>)x",
    R"x(<div id='layfantasfigH' class='i-layer' align='left'>&nbsp;<a href='#' onclick="invertiDisplayLayer('layfantasfig')"><font class='intest2'>Fantasfiga</font></a></div>)x",
    R"x(<div id='layfantasfig' style='display: none;' align='center'><?php include ('fantasfiga.htm') ?></div>)x",
    R"x(<div id='layfantasfigH' class='i-layer' align='left'>&nbsp;<a href='#' onclick="invertiDisplayLayer('layultima')"><font class='intest2'>Ultima Giornata</font></a></div>)x",
    R"x(<div id='layultima' style='display: none;' align='center'><?php include ('ultima.htm') ?></div>)x",
    R"x(</body></html>)x",
};

TEST(SiteIndexTest, EightTeamsGiveFiftyFourLines) {
  auto store = std::make_unique<SeasonStore>();
  store->num_teams = 8;
  for (int t = 1; t <= 8; ++t) store->teamLabel[t] = "Squadra " + std::to_string(t);
  Lines page = SiteIndex(*store);
  ASSERT_EQ(page.size(), 54u);
  EXPECT_EQ(page[0], "<?php header('Content-Type: text/html; charset=UTF-8'); ?>");
  EXPECT_EQ(Lines(page.begin() + 1, page.begin() + 32), kLeagueDocument);
  EXPECT_EQ(Lines(page.begin() + 32, page.begin() + 35),
            Lines(kLeagueDocument.begin(), kLeagueDocument.begin() + 3));
  EXPECT_EQ(page[35], "</head><body><h2 class='intest'>Statistiche di Squadra</h2>");
  EXPECT_EQ(page[36],
            "<div id='sq1H' class='i-layer' align='left'>&nbsp;<a href='#' "
            "onclick=\"invertiDisplayLayer('sq1')\"><font class='intest2'>Squadra 1"
            "</font></a></div>");
  EXPECT_EQ(page[37],
            "<div id='sq1' style='display: none;' align='center'><?php include ('sq1.htm') "
            "?></div>");
  EXPECT_EQ(page[51],
            "<div id='sq8' style='display: none;' align='center'><?php include ('sq8.htm') "
            "?></div>");
  EXPECT_EQ(page[52],
            "<br><center><font class='cpr'>Powered by </font><font class='cpr2'>kx</font>"
            "</center>");
  EXPECT_EQ(page[53], "</body></html>");
}

// The layer list both fanta.php and the preview are built from.
TEST(SiteIndexTest, LeagueLayersThenOneLayerPerTeam) {
  auto store = std::make_unique<SeasonStore>();
  store->num_teams = 3;
  store->teamLabel[3] = "Gamma";
  std::vector<IndexPart> parts = SiteIndexParts(*store);
  ASSERT_EQ(parts.size(), 2u);
  EXPECT_EQ(parts[0].heading, "Riepilogo dati Corvalis");
  ASSERT_EQ(parts[0].layers.size(), 13u);
  EXPECT_EQ(parts[0].layers.back().title_id, "layfantasfigH");
  EXPECT_EQ(parts[0].layers.back().layer_id, "layultima");
  EXPECT_EQ(parts[1].heading, "Statistiche di Squadra");
  ASSERT_EQ(parts[1].layers.size(), 3u);
  const IndexLayer& last = parts[1].layers[2];
  EXPECT_EQ(last.title_id, "sq3H");
  EXPECT_EQ(last.layer_id, "sq3");
  EXPECT_EQ(last.caption, "Gamma");
  EXPECT_EQ(last.fragment, "sq3.htm");
  Lines page = SiteIndex(*store);
  for (size_t i = 0; i < 13; ++i) EXPECT_EQ(page[5 + 2 * i], LayerTitleLine(parts[0].layers[i]));
}

// The header sends the run's encoding, in which the names stand as read;
// markup in a name is escaped, a character reference is the league's own.
TEST(SiteIndexTest, HeaderNamesTheEncodingAndTeamNamesAreEscaped) {
  FakeEnv env;
  auto store = std::make_unique<SeasonStore>();
  store->source_dir = "C:\\lega";
  store->num_teams = 2;
  store->teamLabel[1] = "Birra & <Salsicce>";
  store->teamLabel[2] = "Citt\xE0 Birr&agrave;";
  store->encoding = TextEncoding::kWindows1252;
  WriteSiteIndex(env, *store);
  Lines page = env.Lines("C:\\lega\\fanta.php");
  ASSERT_EQ(page.size(), 1u + 31 + 4 + 2 * 2 + 2);
  EXPECT_EQ(page[0], "<?php header('Content-Type: text/html; charset=windows-1252'); ?>");
  EXPECT_NE(page[36].find("<font class='intest2'>Birra &amp; &lt;Salsicce&gt;</font>"),
            std::string::npos);
  EXPECT_NE(page[38].find("<font class='intest2'>Citt\xE0 Birr&agrave;</font>"),
            std::string::npos);
}

}  // namespace
}  // namespace corvalis
