#include "input/bench_settings.h"

#include <gtest/gtest.h>

#include "platform/fake_env.h"

namespace corvalis {
namespace {

class BenchSettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    league_.source_dir = "C:\\lega";
    league_.teams = {"Alfa", "Beta", "Gamma"};
  }
  FakeEnv env_;
  League league_;
};

TEST_F(BenchSettingsTest, OneLinePerTeamAsWritten) {
  EXPECT_FALSE(ReadBenchSettings(env_, league_).present);
  env_.AddLines("C:\\lega\\panchine.TXT",
                {"Beta\tSi\t6\tNo", "Alfa\t\tNo\t4\tSi ", "Gamma\tSi", "Delta\tSi\t1\tNo"});
  BenchSettings settings = ReadBenchSettings(env_, league_);
  EXPECT_TRUE(settings.present);
  // Only as many lines as teams; doubled tabs are skipped; texts keep their
  // spaces; missing fields are empty.
  ASSERT_EQ(settings.lines.size(), 3u);
  EXPECT_EQ(settings.lines[0], (BenchSetting{"Beta", "Si", "6", "No"}));
  EXPECT_EQ(settings.lines[1], (BenchSetting{"Alfa", "No", "4", "Si "}));
  EXPECT_EQ(settings.lines[2], (BenchSetting{"Gamma", "Si", "", ""}));
}

}  // namespace
}  // namespace corvalis
