// The POSIX implementation beyond what every platform shares
// (platform_env_test.cc): starting a companion program, and what a FIFO, a
// device, a planted link or a size limit must not do to a run.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "platform/env.h"
#include "support/test_folder.h"

namespace corvalis {
namespace {

std::string Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

bool Exists(const std::string& path) {
  struct stat st;
  return lstat(path.c_str(), &st) == 0;
}

class PosixEnvTest : public ::testing::Test {
 protected:
  PosixEnvTest() : dir_(folder_.path()), env_(NewPlatformEnv({dir_, false})) {}
  std::string File(const std::string& name) const { return dir_ + "/" + name; }

  TestFolder folder_;
  std::string dir_;
  std::unique_ptr<Env> env_;
};

TEST_F(PosixEnvTest, StartsAProgramWithoutWaiting) {
  std::ofstream(File("tool.sh")) << "#!/bin/sh\ntouch \"$(dirname \"$0\")/started\"\n";
  chmod(File("tool.sh").c_str(), 0755);
  ASSERT_TRUE(env_->StartProgram(dir_ + "\\tool.sh").ok());
  for (int i = 0; i < 200 && !Exists(File("started")); ++i) usleep(10000);
  EXPECT_TRUE(Exists(File("started")));
}

// A FIFO without a writer or an endless device would keep a plain read
// waiting forever: both are refused at once, whatever their name says.
TEST_F(PosixEnvTest, FifoAndDeviceAreRefusedWithoutWaiting) {
  ASSERT_EQ(mkfifo(File("conf.txt").c_str(), 0644), 0);
  ASSERT_EQ(symlink("/dev/zero", File("cred.txt").c_str()), 0);
  TextLines lines;
  Status fifo = env_->ReadLines(dir_ + "\\conf.txt", &lines);
  EXPECT_EQ(fifo.error, "e' una FIFO, non un file");
  Status device = env_->ReadLines(dir_ + "\\cred.txt", &lines);
  EXPECT_EQ(device.error, "e' un dispositivo, non un file");
  EXPECT_FALSE(env_->CopyFileOver(dir_ + "\\conf.txt", dir_ + "\\copia.htm").ok());
  EXPECT_FALSE(Exists(File("copia.htm")));
}

// A link planted in place of a page is replaced by the page; the file it
// pointed to stays as it was.
TEST_F(PosixEnvTest, ALinkInPlaceOfAPageIsReplacedNotFollowed) {
  std::ofstream(File("outside.txt")) << "fuori";
  ASSERT_EQ(symlink(File("outside.txt").c_str(), File("bestrose.htm").c_str()), 0);
  ASSERT_EQ(symlink(File("outside.txt").c_str(), File("sq1.htm").c_str()), 0);
  std::ofstream(File("sq0.htm")) << "pagina";
  ASSERT_TRUE(env_->WriteLines(dir_ + "\\bestrose.htm", {"nuova"}).ok());
  ASSERT_TRUE(env_->CopyFileOver(dir_ + "\\sq0.htm", dir_ + "\\sq1.htm").ok());
  EXPECT_EQ(Read(File("outside.txt")), "fuori");
  struct stat st;
  ASSERT_EQ(lstat(File("bestrose.htm").c_str(), &st), 0);
  EXPECT_TRUE(S_ISREG(st.st_mode));
  EXPECT_EQ(Read(File("bestrose.htm")), "nuova\r\n");
  EXPECT_EQ(Read(File("sq1.htm")), "pagina");
}

// A link or a FIFO under a temporary file's name is not ours: left alone,
// and the file a link points to is never touched.
TEST_F(PosixEnvTest, CleaningLeavesLinksAndFilesBeingWritten) {
  std::ofstream(File("outside.txt")) << "fuori";
  std::string link = File(".htcorvalis-00000000000000aa.tmp");
  ASSERT_EQ(symlink(File("outside.txt").c_str(), link.c_str()), 0);
  std::string fifo = File(".htcorvalis-00000000000000bb.tmp");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
  // A file another run is writing holds its lock.
  std::string busy = File(".htcorvalis-00000000000000cc.tmp");
  int fd = open(busy.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(flock(fd, LOCK_EX), 0);
  std::string stale = File(".htcorvalis-00000000000000dd.tmp");
  std::ofstream(stale) << "interrotto";

  env_->RemoveStaleTemporaryFiles(dir_);
  EXPECT_TRUE(Exists(link));
  EXPECT_EQ(Read(File("outside.txt")), "fuori");
  EXPECT_TRUE(Exists(fifo));
  EXPECT_TRUE(Exists(busy));
  EXPECT_FALSE(Exists(stale));

  close(fd);  // its writer is gone
  env_->RemoveStaleTemporaryFiles(dir_);
  EXPECT_FALSE(Exists(busy));
}

// Under a file-size limit a write fails with a reason instead of killing
// the process; the old file and no temporary file remain.
TEST_F(PosixEnvTest, SizeLimitIsAFailedWrite) {
  std::ofstream(File("corvalis.htm")) << "vecchia";
  struct rlimit old_limit;
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old_limit), 0);
  struct rlimit small = old_limit;
  small.rlim_cur = 1000;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  Status status = env_->WriteLines(dir_ + "\\corvalis.htm", {std::string(5000, 'x')});
  setrlimit(RLIMIT_FSIZE, &old_limit);
  EXPECT_FALSE(status.ok());
  EXPECT_FALSE(status.error.empty());
  EXPECT_EQ(Read(File("corvalis.htm")), "vecchia");
  EXPECT_FALSE(env_->FindFirst(dir_ + "\\.htcorvalis-*").has_value());
}

}  // namespace
}  // namespace corvalis
