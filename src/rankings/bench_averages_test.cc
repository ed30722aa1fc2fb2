#include "rankings/bench_averages.h"

#include <gtest/gtest.h>

#include <memory>

namespace corvalis {
namespace {

TEST(BenchAveragesTest, FlooredAveragesAndAveragePresences) {
  auto store = std::make_unique<SeasonStore>();
  TextTable& registry = store->playerRegistry;
  auto add = [&](int r, const char* name, const char* sum, const char* count) {
    registry.at(r, 2) = name;
    registry.at(r, 3) = sum;
    registry.at(r, 4) = count;
  };
  add(1, "UNO", " 32.65", " 5");  // just below 6.53 in double precision
  add(2, "DUE", " 20", " 3");
  add(4, "TRE", "6.5", " 1");     // row 3 is free
  registry.at(5, 4) = " 9";       // no name: not a player
  ComputeBenchAverages(*store);
  EXPECT_EQ(registry.at(1, 6), "6.52");
  EXPECT_EQ(registry.at(2, 6), "6.66");
  EXPECT_EQ(registry.at(4, 6), "6.5");
  EXPECT_EQ(registry.at(5, 6), "");
  EXPECT_DOUBLE_EQ(store->average_presences, 3);
}

TEST(BenchAveragesTest, EmptyRegisterGivesZeroPresences) {
  auto store = std::make_unique<SeasonStore>();
  store->average_presences = 3;
  ComputeBenchAverages(*store);
  EXPECT_EQ(store->average_presences, 0);
}

}  // namespace
}  // namespace corvalis
