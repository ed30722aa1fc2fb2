// The Windows implementation beyond what every platform shares
// (platform_env_test.cc): "/" in paths, starting a companion program, the
// temporary files and the lock file, and the messages of a --console run.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <sstream>

#include "platform/env.h"
#include "support/test_folder.h"
#include "platform/windows_console.h"

namespace corvalis {
namespace {

class WindowsEnvTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = folder_.path();
    env_ = NewPlatformEnv({dir_, true});
  }
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

  TestFolder folder_;
  std::string dir_;
  std::unique_ptr<Env> env_;
};

TEST_F(WindowsEnvTest, SlashesBecomeBackslashes) {
  std::string slashes = dir_;
  for (char& c : slashes) {
    if (c == '\\') c = '/';
  }
  EXPECT_EQ(NewPlatformEnv({slashes + "//", true})->ProgramFolder(), dir_);
  EXPECT_EQ(env_->NativePath(slashes + "//sq1.htm"), dir_ + "\\sq1.htm");
  EXPECT_EQ(env_->NativePath("\\\\server\\lega\\\\conf.txt"), "\\\\server\\lega\\conf.txt");
}

TEST_F(WindowsEnvTest, StartsAProgramWithoutWaiting) {
  Write("tool.bat", "@echo x> \"" + dir_ + "\\started\"\r\n");
  ASSERT_TRUE(env_->StartProgram(dir_ + "\\tool.bat").ok());
  for (int i = 0; i < 3000 && !Exists("started"); ++i) Sleep(10);
  EXPECT_TRUE(Exists("started"));
}

// A temporary file still open in its writer is not stale; once its writer
// has gone it is.
TEST_F(WindowsEnvTest, CleaningLeavesAFileBeingWritten) {
  std::string path = dir_ + "\\.htcorvalis-00000000000000cc.tmp";
  HANDLE writer = CreateFileA(path.c_str(), GENERIC_WRITE | DELETE, FILE_SHARE_DELETE, nullptr,
                              CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  env_->RemoveStaleTemporaryFiles(dir_);
  EXPECT_TRUE(Exists(".htcorvalis-00000000000000cc.tmp"));
  CloseHandle(writer);
  env_->RemoveStaleTemporaryFiles(dir_);
  EXPECT_FALSE(Exists(".htcorvalis-00000000000000cc.tmp"));
}

TEST_F(WindowsEnvTest, TheLockFileIsHidden) {
  ASSERT_EQ(env_->LockFolder(dir_), FolderLock::kHeld);
  DWORD attributes = GetFileAttributesA((dir_ + "\\.htcorvalis.lock").c_str());
  ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(attributes & FILE_ATTRIBUTE_HIDDEN);
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
  // UTF-8 as it is, a Windows-1252 text converted.
  env_->ShowMessage("Problema con Citt\xC3\xA0", MessageKind::kWarning);
  env_->ShowMessage("C'\xE8 un giocatore", MessageKind::kWarning);
  out.Close();
  err.Close();
  EXPECT_EQ(Read("out.txt"), "Corvalis 17.1   - Eseguito\r\n");
  EXPECT_EQ(Read("err.txt"),
            "Squadra non riconosciuta X\r\nOpzione sconosciuta: -x\r\nUso: corvalis\r\n"
            "Problema con Citt\xC3\xA0\r\nC'\xC3\xA8 un giocatore\r\n");
}

TEST(WindowsConsoleTest, Utf8BecomesUtf16) {
  EXPECT_EQ(Utf16FromUtf8("Citt\xC3\xA0 \xE2\x82\xAC \xF0\x9F\x98\x80"),
            std::wstring(L"Citt\u00E0 \u20AC \U0001F600"));
  EXPECT_EQ(Utf16FromUtf8(""), std::wstring());
}

}  // namespace
}  // namespace corvalis
