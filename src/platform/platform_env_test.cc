// The platform's real Env, whichever this build has (POSIX or Windows), on a
// temporary folder: what the run needs from both alike.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/env.h"
#include "support/test_folder.h"

namespace corvalis {
namespace {

namespace fs = std::filesystem;

// Where the Windows Env keeps the lock of a folder (POSIX locks the folder).
const char kLockFile[] = ".htcorvalis.lock";

class PlatformEnvTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = folder_.path();
    env_ = NewPlatformEnv({dir_ + "\\", true});
  }
  void Write(const std::string& name, const std::string& bytes) {
    std::ofstream(fs::path(dir_) / name, std::ios::binary) << bytes;
  }
  // The names in the folder, sorted (hidden ones too).
  std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_)) {
      std::string name = entry.path().filename().string();
      if (name != kLockFile) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
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
  TextLines lines;
  ASSERT_TRUE(env_->ReadLines(dir_ + "\\in.txt", &lines).ok());
  EXPECT_EQ(lines, (TextLines{"uno", "due", "tre", "quattro"}));

  ASSERT_TRUE(env_->WriteLines(dir_ + "\\\\out.htm", {"a", "\xE8", ""}).ok());
  EXPECT_EQ(Read("out.htm"), "a\r\n\xE8\r\n\r\n");
  Status missing = env_->ReadLines(dir_ + "\\missing.txt", &lines);
  EXPECT_FALSE(missing.ok());
  EXPECT_FALSE(missing.error.empty());
}

TEST_F(PlatformEnvTest, ReadingFindsANameThatDiffersInCase) {
  Write("Panchine.TXT", "x\r\n");
  TextLines lines;
  ASSERT_TRUE(env_->ReadLines(dir_ + "\\panchine.txt", &lines).ok());
  EXPECT_EQ(lines, TextLines{"x"});
}

TEST_F(PlatformEnvTest, FailedWriteSaysWhyAndLeavesNothingBehind) {
  Status status = env_->WriteLines(dir_ + "\\no-such-folder\\x.htm", {"a"});
  EXPECT_FALSE(status.ok());
  EXPECT_FALSE(status.error.empty());

  // A folder in the way of the target: the temporary file must not stay.
  fs::create_directory(fs::path(dir_) / "sq1.htm");
  EXPECT_FALSE(env_->WriteLines(dir_ + "\\sq1.htm", {"a"}).ok());
  EXPECT_EQ(Names(), std::vector<std::string>{"sq1.htm"});
}

TEST_F(PlatformEnvTest, WritesAndCopiesLeaveOnlyTheirTargets) {
  ASSERT_TRUE(env_->WriteLines(dir_ + "\\a.htm", {"uno"}).ok());
  ASSERT_TRUE(env_->WriteLines(dir_ + "\\a.htm", {"due"}).ok());
  ASSERT_TRUE(env_->CopyFileOver(dir_ + "\\a.htm", dir_ + "\\b.htm").ok());
  EXPECT_EQ(Names(), (std::vector<std::string>{"a.htm", "b.htm"}));
  EXPECT_EQ(Read("b.htm"), "due\r\n");
}

TEST_F(PlatformEnvTest, OnlyPlainFilesAreRead) {
  fs::create_directory(fs::path(dir_) / "conf.txt");
  TextLines lines;
  Status folder = env_->ReadLines(dir_ + "\\conf.txt", &lines);
  EXPECT_FALSE(folder.ok());
  EXPECT_FALSE(folder.error.empty());
  EXPECT_FALSE(env_->CopyFileOver(dir_ + "\\conf.txt", dir_ + "\\b.htm").ok());
  EXPECT_EQ(Names(), std::vector<std::string>{"conf.txt"});
}

TEST_F(PlatformEnvTest, LongLinesAreCut) {
  Write("long.txt", "a\n" + std::string(kMaxLineBytes + 10, 'x') + "\nb");
  TextLines lines;
  ASSERT_TRUE(env_->ReadLines(dir_ + "\\long.txt", &lines).ok());
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[1], std::string(kMaxLineBytes, 'x'));
  EXPECT_EQ(lines.cut_lines(), std::vector<size_t>{2});
}

TEST_F(PlatformEnvTest, StaleTemporaryFilesGoAndNothingElse) {
  const std::vector<std::string> others = {
      ".htcorvalis-0123456789ABCDEF.tmp", ".htcorvalis-0123456789abcde.tmp",
      "x.htcorvalis-0123456789abcdef.tmp", ".htcorvalis-0123456789abcdef.tmp.bak",
      "bestrose.htm.tmp-corvalis", "pagina.tmp"};
  for (const std::string& name : others) Write(name, "altrui");
  Write(".htcorvalis-0123456789abcdef.tmp", "interrotto");
  Write(".htcorvalis-fedcba9876543210.tmp", "");
  fs::create_directory(fs::path(dir_) / ".htcorvalis-00000000000000aa.tmp");
  env_->RemoveStaleTemporaryFiles(dir_);
  std::vector<std::string> expected = others;
  expected.push_back(".htcorvalis-00000000000000aa.tmp");  // a folder is not ours
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(Names(), expected);
  env_->RemoveStaleTemporaryFiles(dir_ + "\\missing");  // nothing to do, no failure
}

TEST_F(PlatformEnvTest, OneLockPerFolder) {
  EXPECT_EQ(env_->LockFolder(dir_), FolderLock::kHeld);
  {
    auto other = NewPlatformEnv({dir_, true});
    EXPECT_EQ(other->LockFolder(dir_ + "\\"), FolderLock::kBusy);
  }
  env_.reset();  // the run ends: the lock goes with it
  auto next = NewPlatformEnv({dir_, true});
  EXPECT_EQ(next->LockFolder(dir_), FolderLock::kHeld);
  EXPECT_EQ(next->LockFolder(dir_ + "\\missing"), FolderLock::kUnavailable);
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
