#include "rankings/tally_pages.h"

#include <gtest/gtest.h>

#include <climits>

#include "util/text.h"

namespace corvalis {
namespace {

// The counts' texts are the number-to-text form, made without it.
TEST(TallyPagesTest, CountTextsAreTheNumberToTextForm) {
  for (int count = -2000; count <= 200000; ++count) {
    std::string number = NumberText(count);
    ASSERT_EQ(GoalsText(count), number) << count;
    ASSERT_EQ(AwardsText(count), count == 1 ? "1" : number) << count;
  }
  for (int count : {INT_MIN, INT_MAX, -1000000, 99999999}) {
    EXPECT_EQ(GoalsText(count), NumberText(count)) << count;
    EXPECT_EQ(AwardsText(count), NumberText(count)) << count;
  }
}

}  // namespace
}  // namespace corvalis
