#include "site/bench_setup.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/fake_env.h"

namespace corvalis {
namespace {

class BenchSetupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    store_->source_dir = "C:\\lega";
    store_->num_teams = 3;
  }
  FakeEnv env_;
  std::unique_ptr<SeasonStore> store_ = std::make_unique<SeasonStore>();
};

TEST_F(BenchSetupTest, NoFileNoSettings) {
  EXPECT_FALSE(ReadBenchSetup(env_, *store_));
  EXPECT_EQ(store_->benchSetup.used_rows(), 0);
}

TEST_F(BenchSetupTest, ReadsOneLinePerTeamAsWritten) {
  env_.AddLines("C:\\lega\\panchine.TXT",
                {"Beta\tSi\t6\tNo", "Alfa\t\tNo\t4\tSi ", "Gamma\tSi\t3\tNo",
                 "Delta\tSi\t1\tNo"});
  EXPECT_TRUE(ReadBenchSetup(env_, *store_));
  const TextTable& bench = store_->benchSetup;
  EXPECT_EQ(bench.at(1, 1), "Beta");
  EXPECT_EQ(bench.at(1, 4), "No");
  // Doubled tabs are skipped; texts keep their spaces.
  EXPECT_EQ(bench.at(2, 2), "No");
  EXPECT_EQ(bench.at(2, 4), "Si ");
  EXPECT_EQ(bench.at(3, 1), "Gamma");
  // Only as many lines as teams.
  EXPECT_EQ(bench.used_rows(), 4);
}

TEST_F(BenchSetupTest, ShortFileAndShortLines) {
  env_.AddLines("C:\\lega\\Panchine.txt", {"Alfa\tSi"});
  EXPECT_TRUE(ReadBenchSetup(env_, *store_));
  EXPECT_EQ(store_->benchSetup.at(1, 2), "Si");
  EXPECT_EQ(store_->benchSetup.at(1, 3), "");
  EXPECT_EQ(store_->benchSetup.at(2, 1), "");
}

}  // namespace
}  // namespace corvalis
