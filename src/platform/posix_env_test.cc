// The POSIX implementation beyond what every platform shares
// (platform_env_test.cc): starting a companion program.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include "platform/env.h"
#include "platform/test_folder.h"

namespace corvalis {
namespace {

TEST(PosixEnvTest, StartsAProgramWithoutWaiting) {
  TestFolder folder;
  const std::string& dir = folder.path();
  auto env = NewPlatformEnv({dir, false});
  std::ofstream(dir + "/tool.sh") << "#!/bin/sh\ntouch \"$(dirname \"$0\")/started\"\n";
  chmod((dir + "/tool.sh").c_str(), 0755);
  ASSERT_TRUE(env->StartProgram(dir + "\\tool.sh").ok());
  for (int i = 0; i < 200 && access((dir + "/started").c_str(), F_OK) != 0; ++i) {
    usleep(10000);
  }
  EXPECT_EQ(access((dir + "/started").c_str(), F_OK), 0);
}

}  // namespace
}  // namespace corvalis
