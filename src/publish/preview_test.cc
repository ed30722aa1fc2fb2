#include "publish/preview.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/fake_env.h"
#include "platform/file_names.h"
#include "rating/team_order.h"
#include "site/charts_page.h"
#include "site/site_assets.h"
#include "site/site_index.h"
#include "util/run_stop.h"

namespace corvalis {
namespace {

class PreviewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    store_->source_dir = "C:\\lega\\";
    store_->num_teams = 1;
    store_->teamLabel[1] = "Alfa";
    store_->last_matchday_read = 4;
    StartTeamOrder(*store_);
    for (const IndexPart& part : SiteIndexParts(*store_)) {
      for (const IndexLayer& layer : part.layers) {
        env_.AddLines("C:\\lega\\" + layer.fragment, {"<b>" + layer.fragment + "</b>"});
      }
    }
    for (const char* script : {"crvCorvalisDati4.js", "crvCorvalisTot.js", "crvTop11.js"}) {
      env_.AddFile(std::string("C:\\lega\\") + script, std::string("// ") + script + "\r\n");
    }
  }
  FakeEnv env_;
  std::unique_ptr<SeasonStore> store_ = std::make_unique<SeasonStore>();
};

TEST_F(PreviewTest, EveryFileSideBySide) {
  WritePreview(env_, *store_, "D:\\anteprima\\");
  EXPECT_EQ(env_.folders(), std::set<std::string>{"D:/anteprima"});
  std::vector<std::string> written;
  for (const std::string& name : env_.FileNames()) {
    if (name.rfind("D:/anteprima/", 0) == 0) written.push_back(name.substr(13));
  }
  EXPECT_EQ(written, (std::vector<std::string>{"corvalis.css", "crvCorvalisDati4.js",
                                               "crvCorvalisTot.js", "crvTop11.js", "crvUtils.js",
                                               "grafici.htm", "index.html"}));
  EXPECT_EQ(env_.Contents("D:\\anteprima\\crvTop11.js"), "// crvTop11.js\r\n");
  EXPECT_EQ(env_.Lines("D:\\anteprima\\crvUtils.js"), AssetLines(CrvUtilsJsText()));
  EXPECT_EQ(env_.Lines("D:\\anteprima\\corvalis.css"), AssetLines(CorvalisCssText()));
  EXPECT_EQ(env_.Lines("D:\\anteprima\\grafici.htm"), ChartsPage(*store_, {"", "index.html"}));
  std::string index = env_.Contents("D:\\anteprima\\index.html");
  EXPECT_NE(index.find("<b>sq1.htm</b>\r\n</div>"), std::string::npos);
  EXPECT_TRUE(env_.messages().empty());
}

// The league's own assets in its web folder change nothing here: a preview
// always shows the shipped ones.
TEST_F(PreviewTest, AlwaysTheShippedAssets) {
  env_.AddFile("D:\\anteprima\\crvUtils.js", "old");
  WritePreview(env_, *store_, "D:\\anteprima");
  EXPECT_EQ(env_.Lines("D:\\anteprima\\crvUtils.js"), AssetLines(CrvUtilsJsText()));
}

TEST_F(PreviewTest, FolderThatCannotBeMadeEndsTheRun) {
  env_.MakeFolderUnwritable("D:\\sola-lettura");
  try {
    WritePreview(env_, *store_, "D:\\sola-lettura\\anteprima");
    FAIL() << "no stop";
  } catch (const RunStop& stop) {
    EXPECT_EQ(stop.status(), kExitPlatform);
    EXPECT_EQ(std::string(stop.what()),
              "Impossibile creare la cartella D:\\sola-lettura\\anteprima: cartella non "
              "scrivibile");
  }
}

TEST_F(PreviewTest, MissingPageEndsTheRunNamingIt) {
  env_.RemoveFile("C:\\lega\\ultima.htm");
  try {
    WritePreview(env_, *store_, "D:\\anteprima");
    FAIL() << "no stop";
  } catch (const RunStop& stop) {
    EXPECT_NE(std::string(stop.what()).find("Impossibile leggere il file C:\\lega\\\\ultima.htm"),
              std::string::npos)
        << stop.what();
  }
}

}  // namespace
}  // namespace corvalis
