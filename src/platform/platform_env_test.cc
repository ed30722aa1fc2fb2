// The platform's real Env, whichever this build has (POSIX or Windows), on a
// temporary folder: what the run needs from both alike.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/env.h"
#include "platform/test_folder.h"

namespace corvalis {
namespace {

namespace fs = std::filesystem;

class PlatformEnvTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = folder_.path();
    env_ = NewPlatformEnv({dir_ + "\\", true});
  }
  void Write(const std::string& name, const std::string& bytes) {
    std::ofstream(fs::path(dir_) / name, std::ios::binary) << bytes;
  }
  std::string Read(const std::string& name) {
    std::ifstream in(fs::path(dir_) / name, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
  }

  TestFolder folder_;
  std::string dir_;
  std::unique_ptr<Env> env_;
};

TEST_F(PlatformEnvTest, HomeIsTheProgramFolderWithoutTrailingSeparator) {
  EXPECT_EQ(env_->ProgramFolder(), dir_);
}

TEST_F(PlatformEnvTest, WithoutHomeTheProgramFolderHoldsTheExecutable) {
  std::string folder = NewPlatformEnv({"", true})->ProgramFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_NE(folder.back(), '\\');
  EXPECT_NE(folder.back(), '/');
  EXPECT_TRUE(env_->FindFirst(folder + "\\corvalis_tests*").has_value()) << folder;
}

TEST_F(PlatformEnvTest, WildcardListingPicksTheFirstInListingOrder) {
  Write("b_Risultati3.tab", "");
  Write("A_Risultati3.tab", "");
  Write("Risultati13.tab", "");
  fs::create_directory(fs::path(dir_) / "c_Risultati3.tab");  // folders never match
  auto found = env_->FindFirst(dir_ + "\\*Risultati3.tab");
  ASSERT_TRUE(found.has_value());
  EXPECT_EQ(*found, "A_Risultati3.tab");
  EXPECT_FALSE(env_->FindFirst(dir_ + "\\*Risultati4.tab").has_value());
  EXPECT_FALSE(env_->FindFirst(dir_ + "\\c_Risultati3.tab").has_value());
  EXPECT_TRUE(env_->FindFirst(dir_ + "\\\\a_risultati3.TAB").has_value());
  EXPECT_FALSE(env_->FindFirst(dir_ + "\\missing\\*.tab").has_value());
}

TEST_F(PlatformEnvTest, ReadsEveryLineEndAndWritesCrLf) {
  Write("in.txt", "uno\r\ndue\ntre\rquattro");
  std::vector<std::string> lines;
  ASSERT_TRUE(env_->ReadLines(dir_ + "\\in.txt", &lines).ok());
  EXPECT_EQ(lines, (std::vector<std::string>{"uno", "due", "tre", "quattro"}));

  ASSERT_TRUE(env_->WriteLines(dir_ + "\\\\out.htm", {"a", "\xE8", ""}).ok());
  EXPECT_EQ(Read("out.htm"), "a\r\n\xE8\r\n\r\n");
  Status missing = env_->ReadLines(dir_ + "\\missing.txt", &lines);
  EXPECT_FALSE(missing.ok());
  EXPECT_FALSE(missing.error.empty());
}

TEST_F(PlatformEnvTest, ReadingFindsANameThatDiffersInCase) {
  Write("Panchine.TXT", "x\r\n");
  std::vector<std::string> lines;
  ASSERT_TRUE(env_->ReadLines(dir_ + "\\panchine.txt", &lines).ok());
  EXPECT_EQ(lines, std::vector<std::string>{"x"});
}

TEST_F(PlatformEnvTest, FailedWriteSaysWhyAndLeavesNothingBehind) {
  Status status = env_->WriteLines(dir_ + "\\no-such-folder\\x.htm", {"a"});
  EXPECT_FALSE(status.ok());
  EXPECT_FALSE(status.error.empty());

  // A folder in the way of the target: the scratch copy must not stay.
  fs::create_directory(fs::path(dir_) / "sq1.htm");
  EXPECT_FALSE(env_->WriteLines(dir_ + "\\sq1.htm", {"a"}).ok());
  EXPECT_FALSE(env_->FindFirst(dir_ + "\\sq1.htm*").has_value());
}

TEST_F(PlatformEnvTest, CopyReplacesTheTarget) {
  Write("a.htm", "nuovo");
  Write("b.htm", "vecchio e lungo");
  ASSERT_TRUE(env_->CopyFileOver(dir_ + "\\a.htm", dir_ + "\\b.htm").ok());
  EXPECT_EQ(Read("b.htm"), "nuovo");
  EXPECT_FALSE(env_->CopyFileOver(dir_ + "\\a.htm", dir_ + "\\none\\b.htm").ok());
  EXPECT_FALSE(env_->CopyFileOver(dir_ + "\\zz.htm", dir_ + "\\c.htm").ok());
}

TEST_F(PlatformEnvTest, FolderIsMadeWithTheFoldersAboveIt) {
  ASSERT_TRUE(env_->CreateFolder(dir_ + "\\a\\b\\c\\").ok());
  EXPECT_TRUE(fs::is_directory(fs::path(dir_) / "a" / "b" / "c"));
  ASSERT_TRUE(env_->WriteLines(dir_ + "\\a\\b\\c\\x.htm", {"x"}).ok());
  EXPECT_TRUE(env_->CreateFolder(dir_ + "\\a\\b\\c").ok());  // already there
  EXPECT_TRUE(env_->CreateFolder(dir_ + "/a/d").ok());
  EXPECT_TRUE(fs::is_directory(fs::path(dir_) / "a" / "d"));

  Write("file", "");
  Status in_the_way = env_->CreateFolder(dir_ + "\\file");
  EXPECT_FALSE(in_the_way.ok());
  EXPECT_FALSE(in_the_way.error.empty());
  EXPECT_FALSE(env_->CreateFolder(dir_ + "\\file\\sotto").ok());
}

TEST_F(PlatformEnvTest, AFileThatIsNoProgramDoesNotStart) {
  Write("plain.exe", "not a program");
  EXPECT_FALSE(env_->StartProgram(dir_ + "\\plain.exe").ok());
  EXPECT_FALSE(env_->StartProgram(dir_ + "\\missing.exe").ok());
}

}  // namespace
}  // namespace corvalis
