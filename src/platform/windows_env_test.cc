// The real Windows implementation, on a temporary folder.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <sstream>

#include "platform/env.h"

namespace corvalis {
namespace {

void RemoveTree(const std::string& folder) {
  WIN32_FIND_DATAA data;
  HANDLE h = FindFirstFileA((folder + "\\*").c_str(), &data);
  if (h != INVALID_HANDLE_VALUE) {
    do {
      std::string name = data.cFileName;
      if (name == "." || name == "..") continue;
      std::string path = folder + "\\" + name;
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path);
      } else {
        DeleteFileA(path.c_str());
      }
    } while (FindNextFileA(h, &data));
    FindClose(h);
  }
  RemoveDirectoryA(folder.c_str());
}

class WindowsEnvTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    ASSERT_GT(GetTempPathA(sizeof(temp), temp), 0u);
    static int count = 0;
    dir_ = std::string(temp) + "corvalis-env-" + std::to_string(GetCurrentProcessId()) +
           "-" + std::to_string(++count);
    ASSERT_TRUE(CreateDirectoryA(dir_.c_str(), nullptr)) << dir_;
    env_ = NewPlatformEnv({dir_ + "\\", true});
  }
  void TearDown() override { RemoveTree(dir_); }

  void Write(const std::string& name, const std::string& bytes) {
    std::ofstream(dir_ + "\\" + name, std::ios::binary) << bytes;
  }
  std::string Read(const std::string& name) {
    std::ifstream in(dir_ + "\\" + name, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
  }
  bool Exists(const std::string& name) {
    return GetFileAttributesA((dir_ + "\\" + name).c_str()) != INVALID_FILE_ATTRIBUTES;
  }

  std::string dir_;
  std::unique_ptr<Env> env_;
};

TEST_F(WindowsEnvTest, HomeIsTheProgramFolderWithoutTrailingSeparator) {
  EXPECT_EQ(env_->ProgramFolder(), dir_);
  std::string slashes = dir_;
  for (char& c : slashes) {
    if (c == '\\') c = '/';
  }
  EXPECT_EQ(NewPlatformEnv({slashes + "//", true})->ProgramFolder(), dir_);
}

TEST_F(WindowsEnvTest, WithoutHomeTheProgramFolderHoldsTheExecutable) {
  std::string folder = NewPlatformEnv({"", true})->ProgramFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_NE(folder.back(), '\\');
  EXPECT_TRUE(env_->FindFirst(folder + "\\corvalis_tests.exe").has_value()) << folder;
}

TEST_F(WindowsEnvTest, WildcardListingPicksTheFirstInListingOrder) {
  Write("b_Risultati3.tab", "");
  Write("A_Risultati3.tab", "");
  Write("Risultati13.tab", "");
  CreateDirectoryA((dir_ + "\\c_Risultati3.tab").c_str(), nullptr);  // never matches
  auto found = env_->FindFirst(dir_ + "\\*Risultati3.tab");
  ASSERT_TRUE(found.has_value());
  EXPECT_EQ(*found, "A_Risultati3.tab");
  EXPECT_FALSE(env_->FindFirst(dir_ + "\\*Risultati4.tab").has_value());
  EXPECT_FALSE(env_->FindFirst(dir_ + "\\c_Risultati3.tab").has_value());
  EXPECT_TRUE(env_->FindFirst(dir_ + "\\\\a_risultati3.TAB").has_value());
  EXPECT_FALSE(env_->FindFirst(dir_ + "\\missing\\*.tab").has_value());
}

TEST_F(WindowsEnvTest, ReadsEveryLineEndAndWritesCrLf) {
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

TEST_F(WindowsEnvTest, FailedWriteSaysWhyAndLeavesNothingBehind) {
  Status status = env_->WriteLines(dir_ + "\\no-such-folder\\x.htm", {"a"});
  EXPECT_FALSE(status.ok());
  EXPECT_FALSE(status.error.empty());

  // A folder in the way of the target: the scratch copy must not stay.
  CreateDirectoryA((dir_ + "\\sq1.htm").c_str(), nullptr);
  EXPECT_FALSE(env_->WriteLines(dir_ + "\\sq1.htm", {"a"}).ok());
  EXPECT_FALSE(env_->FindFirst(dir_ + "\\sq1.htm*").has_value());
}

TEST_F(WindowsEnvTest, CopyReplacesTheTarget) {
  Write("a.htm", "nuovo");
  Write("b.htm", "vecchio e lungo");
  ASSERT_TRUE(env_->CopyFileOver(dir_ + "\\a.htm", dir_ + "\\b.htm").ok());
  EXPECT_EQ(Read("b.htm"), "nuovo");
  EXPECT_FALSE(env_->CopyFileOver(dir_ + "\\a.htm", dir_ + "\\none\\b.htm").ok());
  EXPECT_FALSE(env_->CopyFileOver(dir_ + "\\zz.htm", dir_ + "\\c.htm").ok());
}

TEST_F(WindowsEnvTest, StartsAProgramWithoutWaiting) {
  Write("tool.bat", "@echo x> \"" + dir_ + "\\started\"\r\n");
  ASSERT_TRUE(env_->StartProgram(dir_ + "\\tool.bat").ok());
  for (int i = 0; i < 3000 && !Exists("started"); ++i) Sleep(10);
  EXPECT_TRUE(Exists("started"));

  Write("plain.exe", "not a program");
  EXPECT_FALSE(env_->StartProgram(dir_ + "\\plain.exe").ok());
  EXPECT_FALSE(env_->StartProgram(dir_ + "\\missing.exe").ok());
}

// Points a standard handle at a file for the length of one test.
class RedirectedHandle {
 public:
  RedirectedHandle(DWORD which, const std::string& path)
      : which_(which), old_(GetStdHandle(which)) {
    file_ = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                        CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    SetStdHandle(which_, file_);
  }
  ~RedirectedHandle() { Close(); }
  void Close() {
    if (file_ == INVALID_HANDLE_VALUE) return;
    SetStdHandle(which_, old_);
    CloseHandle(file_);
    file_ = INVALID_HANDLE_VALUE;
  }

 private:
  DWORD which_;
  HANDLE old_;
  HANDLE file_;
};

TEST_F(WindowsEnvTest, ConsoleMessagesGoToStandardOutputAndError) {
  RedirectedHandle out(STD_OUTPUT_HANDLE, dir_ + "\\out.txt");
  RedirectedHandle err(STD_ERROR_HANDLE, dir_ + "\\err.txt");
  env_->ShowMessage("Corvalis 17.1   - Eseguito", MessageKind::kCompletion);
  env_->ShowMessage("Squadra non riconosciuta X", MessageKind::kWarning);
  env_->ShowMessage("Opzione sconosciuta: -x\nUso: corvalis", MessageKind::kError);
  out.Close();
  err.Close();
  EXPECT_EQ(Read("out.txt"), "Corvalis 17.1   - Eseguito\r\n");
  EXPECT_EQ(Read("err.txt"),
            "Squadra non riconosciuta X\r\nOpzione sconosciuta: -x\r\nUso: corvalis\r\n");
}

}  // namespace
}  // namespace corvalis
