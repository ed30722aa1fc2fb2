#include "publish/history_scripts.h"

#include <gtest/gtest.h>

#include <memory>
#include <utility>

#include "platform/fake_env.h"

namespace corvalis {
namespace {

using Copy = std::pair<std::string, std::string>;

class HistoryScriptsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    store_->source_dir = "C:\\lega";
    store_->output_dir = "D:\\sito\\";
    env_.AddFile("C:\\lega\\Annali.exe", "");
  }
  void AddScript(const std::string& name) { env_.AddFile("C:\\lega\\Annali_js\\" + name, name); }
  std::vector<std::string> Targets() const {
    std::vector<std::string> targets;
    for (const Copy& copy : env_.copies()) targets.push_back(copy.second);
    return targets;
  }
  FakeEnv env_;
  std::unique_ptr<SeasonStore> store_ = std::make_unique<SeasonStore>();
};

TEST_F(HistoryScriptsTest, NoToolNoCopies) {
  env_.RemoveFile("C:\\lega\\Annali.exe");
  AddScript("crvKxsq1.js");
  PublishHistoryScripts(env_, *store_);
  EXPECT_TRUE(env_.starts().empty());
  EXPECT_TRUE(env_.copies().empty());
}

TEST_F(HistoryScriptsTest, ListingsThenTeamScriptsUntilTheFirstGap) {
  env_.AddFile("C:\\lega\\crvKxNext.js", "");
  AddScript("crvKxPrElenco.js");
  for (int k = 1; k <= 10; ++k) {
    if (k != 3) AddScript("crvKxsq" + std::to_string(k) + ".js");
    AddScript("crvKxPr" + std::to_string(k) + ".js");
  }
  AddScript("crvKxsq12.js");  // after the gap at 11: never looked at
  PublishHistoryScripts(env_, *store_);

  EXPECT_EQ(env_.starts(), std::vector<std::string>{"C:/lega/Annali.exe"});
  std::vector<std::string> expected = {"D:/sito/crvKxNext.js", "D:/sito/crvKxPrElenco.js"};
  for (int k = 1; k <= 10; ++k) {
    if (k != 3) expected.push_back("D:/sito/crvKxsq" + std::to_string(k) + ".js");
    expected.push_back("D:/sito/crvKxPr" + std::to_string(k) + ".js");
  }
  EXPECT_EQ(Targets(), expected);
  EXPECT_EQ(env_.copies()[0].first, "C:/lega/crvKxNext.js");
  EXPECT_EQ(env_.copies()[2].first, "C:/lega/Annali_js/crvKxsq1.js");
}

TEST_F(HistoryScriptsTest, WithoutWebFolderTheToolStillStarts) {
  store_->output_dir.clear();
  AddScript("crvKxsq1.js");
  PublishHistoryScripts(env_, *store_);
  EXPECT_EQ(env_.starts().size(), 1u);
  EXPECT_TRUE(env_.copies().empty());
}

TEST_F(HistoryScriptsTest, TeamScriptWithoutRankingScript) {
  AddScript("crvKxsq1.js");
  AddScript("crvKxPr2.js");
  PublishHistoryScripts(env_, *store_);
  EXPECT_EQ(Targets(), (std::vector<std::string>{"D:/sito/crvKxsq1.js",
                                                 "D:/sito/crvKxPr2.js"}));
}

}  // namespace
}  // namespace corvalis
