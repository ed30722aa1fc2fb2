// The real POSIX implementation, on a temporary folder.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/env.h"

namespace corvalis {
namespace {

class PosixEnvTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/corvalis-env-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
    env_ = NewPlatformEnv({dir_ + "/", false});
  }
  void TearDown() override {
    std::string command = "rm -rf '" + dir_ + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
  }
  void Write(const std::string& name, const std::string& bytes) {
    std::ofstream(dir_ + "/" + name, std::ios::binary) << bytes;
  }
  std::string Read(const std::string& name) {
    std::ifstream in(dir_ + "/" + name, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
  }

  std::string dir_;
  std::unique_ptr<Env> env_;
};

TEST_F(PosixEnvTest, HomeIsTheProgramFolderWithoutTrailingSeparator) {
  EXPECT_EQ(env_->ProgramFolder(), dir_);
}

TEST_F(PosixEnvTest, WildcardListingPicksTheFirstInListingOrder) {
  Write("b_Risultati3.tab", "");
  Write("A_Risultati3.tab", "");
  Write("Risultati13.tab", "");
  mkdir((dir_ + "/c_Risultati3.tab").c_str(), 0755);  // folders never match
  auto found = env_->FindFirst(dir_ + "\\*Risultati3.tab");
  ASSERT_TRUE(found.has_value());
  EXPECT_EQ(*found, "A_Risultati3.tab");
  EXPECT_FALSE(env_->FindFirst(dir_ + "\\*Risultati4.tab").has_value());
  EXPECT_FALSE(env_->FindFirst(dir_ + "\\c_Risultati3.tab").has_value());
  EXPECT_TRUE(env_->FindFirst(dir_ + "\\\\a_risultati3.TAB").has_value());
}

TEST_F(PosixEnvTest, ReadsEveryLineEndAndWritesCrLf) {
  Write("in.txt", "uno\r\ndue\ntre\rquattro");
  std::vector<std::string> lines;
  ASSERT_TRUE(env_->ReadLines(dir_ + "\\in.txt", &lines).ok());
  EXPECT_EQ(lines, (std::vector<std::string>{"uno", "due", "tre", "quattro"}));

  ASSERT_TRUE(env_->WriteLines(dir_ + "\\out.htm", {"a", "\xE8"}).ok());
  EXPECT_EQ(Read("out.htm"), "a\r\n\xE8\r\n");
  EXPECT_FALSE(env_->ReadLines(dir_ + "\\missing.txt", &lines).ok());
}

TEST_F(PosixEnvTest, ReadingFindsANameThatDiffersInCase) {
  Write("Panchine.TXT", "x\r\n");
  std::vector<std::string> lines;
  ASSERT_TRUE(env_->ReadLines(dir_ + "\\panchine.txt", &lines).ok());
  EXPECT_EQ(lines, std::vector<std::string>{"x"});
}

TEST_F(PosixEnvTest, FailedWriteKeepsTheOldFileAndSaysWhy) {
  Status status = env_->WriteLines(dir_ + "\\no-such-folder\\x.htm", {"a"});
  EXPECT_FALSE(status.ok());
  EXPECT_FALSE(status.error.empty());
}

TEST_F(PosixEnvTest, CopyReplacesTheTarget) {
  Write("a.htm", "nuovo");
  Write("b.htm", "vecchio e lungo");
  ASSERT_TRUE(env_->CopyFileOver(dir_ + "\\a.htm", dir_ + "\\b.htm").ok());
  EXPECT_EQ(Read("b.htm"), "nuovo");
  EXPECT_FALSE(env_->CopyFileOver(dir_ + "\\a.htm", dir_ + "\\none\\b.htm").ok());
  EXPECT_FALSE(env_->CopyFileOver(dir_ + "\\zz.htm", dir_ + "\\c.htm").ok());
}

TEST_F(PosixEnvTest, StartsAProgramWithoutWaiting) {
  Write("tool.sh", "#!/bin/sh\ntouch \"$(dirname \"$0\")/started\"\n");
  chmod((dir_ + "/tool.sh").c_str(), 0755);
  ASSERT_TRUE(env_->StartProgram(dir_ + "\\tool.sh").ok());
  for (int i = 0; i < 200 && access((dir_ + "/started").c_str(), F_OK) != 0; ++i) {
    usleep(10000);
  }
  EXPECT_EQ(access((dir_ + "/started").c_str(), F_OK), 0);

  Write("plain.exe", "not a program");
  EXPECT_FALSE(env_->StartProgram(dir_ + "\\plain.exe").ok());
}

}  // namespace
}  // namespace corvalis
