#include "rankings/bench_averages.h"

#include <gtest/gtest.h>

#include <memory>

namespace corvalis {
namespace {

class BenchAveragesTest : public ::testing::Test {
 protected:
  void Register(int r, const std::string& name, const std::string& sum,
                const std::string& count) {
    store_->playerRegistry.at(r, 2) = name;
    store_->playerRegistry.at(r, 3) = sum;
    store_->playerRegistry.at(r, 4) = count;
  }
  const std::string& Average(int r) { return store_->playerRegistry.at(r, 6); }

  std::unique_ptr<SeasonStore> store_ = std::make_unique<SeasonStore>();
};

TEST_F(BenchAveragesTest, AveragesAreFlooredToHundredthsWithoutSpace) {
  Register(1, "UNO", " 32.65", " 5");  // just below 6.53 in double precision
  Register(2, "DUE", " 13", " 2");
  Register(3, "TRE", " 20", " 3");
  Register(4, "QUATTRO", " 18", " 3");
  Register(5, "CINQUE", "6.5", " 1");  // a first vote as the reader stores it
  Register(6, "SEI", " .75", " 1");
  ComputeBenchAverages(*store_);
  EXPECT_EQ(Average(1), "6.52");
  EXPECT_EQ(Average(2), "6.5");
  EXPECT_EQ(Average(3), "6.66");
  EXPECT_EQ(Average(4), "6");
  EXPECT_EQ(Average(5), "6.5");
  EXPECT_EQ(Average(6), ".75");
}

TEST_F(BenchAveragesTest, AveragePresencesCountsNamedRowsOnly) {
  Register(1, "UNO", " 60", " 10");
  Register(3, "DUE", " 36", " 6");  // row 2 is free
  Register(7, "TRE", " 12", " 2");
  store_->playerRegistry.at(5, 4) = " 40";  // no name: not a player
  ComputeBenchAverages(*store_);
  EXPECT_DOUBLE_EQ(store_->average_presences, 6);
  EXPECT_EQ(Average(5), "");
}

TEST_F(BenchAveragesTest, EmptyRegisterGivesZeroPresences) {
  store_->average_presences = 3;
  ComputeBenchAverages(*store_);
  EXPECT_EQ(store_->average_presences, 0);
}

TEST_F(BenchAveragesTest, RowWithoutCountGetsZeroInsteadOfADivisionByZero) {
  Register(1, "UNO", " 12", "");
  Register(2, "DUE", " 12", " 2");
  ComputeBenchAverages(*store_);
  EXPECT_EQ(Average(1), "0");
  EXPECT_DOUBLE_EQ(store_->average_presences, 1);
}

}  // namespace
}  // namespace corvalis
