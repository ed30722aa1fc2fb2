// The whole run on the bundled demo league, used as program folder, source
// folder and working folder at once: every file it writes, byte for byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "e2e_support.h"

namespace corvalis::e2e {
namespace {

const char kExpected[] = "tests/data/fantabar_expected";

void ExpectSite(const ScratchFolder& league, const std::vector<std::string>& inputs) {
  std::vector<std::string> expected = FileNamesIn(RepoPath(kExpected));
  std::vector<std::string> all = inputs;
  all.insert(all.end(), expected.begin(), expected.end());
  std::sort(all.begin(), all.end());
  EXPECT_EQ(FileNamesIn(league.path()), all);  // nothing else is written
  for (const std::string& name : expected) {
    EXPECT_EQ(ReadFile(league.File(name)), ReadFile(RepoPath(kExpected) + "/" + name))
        << name;
  }
}

TEST(FantabarE2eTest, EveryFileAsExpectedTwiceInARow) {
  ScratchFolder league;
  CopyFolder(RepoPath("examples/fantabar"), league.path());
  std::vector<std::string> inputs = FileNamesIn(league.path());

  for (int run_number = 1; run_number <= 2; ++run_number) {
    SCOPED_TRACE("run " + std::to_string(run_number));
    RunResult run = RunProgram(league.path(), {"--home", league.path()});
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "Corvalis 17.1   - Eseguito\n");
    EXPECT_EQ(run.status, 0);
    ExpectSite(league, inputs);
  }
}

}  // namespace
}  // namespace corvalis::e2e
