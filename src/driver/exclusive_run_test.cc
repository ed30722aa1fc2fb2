#include "driver/exclusive_run.h"

#include <gtest/gtest.h>

#include "driver/run.h"
#include "input/league.h"
#include "platform/fake_env.h"
#include "util/run_stop.h"

namespace corvalis {
namespace {

const char kStale[] = ".htcorvalis-00000000000000aa.tmp";

class ExclusiveRunTest : public ::testing::Test {
 protected:
  ExclusiveRunTest() {
    env_.AddLines("C:\\lega\\conf.txt", {"Alfa", "Beta", "*", "SRC D:\\dati",
                                         "DIR E:\\sito", "DJS E:\\js", "3 4 3 0"});
    for (const char* folder : {"D:\\dati\\", "E:\\sito\\", "E:\\js\\", ""}) {
      env_.AddFile(std::string(folder) + kStale, "");
    }
    env_.AddFile("D:\\dati\\Lega Risultati1.tab", "");
  }
  FakeEnv env_;
};

TEST_F(ExclusiveRunTest, ARunLocksTheSourceFolderAndCleansWhereItWrites) {
  ClaimLeague(env_, ReadLeague(env_), "F:\\anteprima");
  EXPECT_EQ(env_.locked_folders(), std::vector<std::string>{"D:/dati"});
  EXPECT_EQ(env_.cleaned_folders(),
            (std::vector<std::string>{"D:/dati", "E:/sito", "E:/js", "", "F:/anteprima"}));
  EXPECT_EQ(env_.FileNames(),
            (std::vector<std::string>{"C:/lega/conf.txt", "D:/dati/Lega Risultati1.tab"}));
}

TEST_F(ExclusiveRunTest, ASecondRunStopsTouchingNothing) {
  env_.MakeFolderBusy("D:\\dati");
  std::vector<std::string> before = env_.FileNames();
  EXPECT_EQ(RunAndReport(env_), kExitPlatform);
  EXPECT_EQ(env_.MessageTexts(),
            std::vector<std::string>{
                "Corvalis e' gia' in esecuzione sulla lega della cartella D:\\dati: questa "
                "esecuzione termina senza modificare alcun file (riprovare quando l'altra "
                "sara' finita)"});
  EXPECT_TRUE(env_.cleaned_folders().empty());
  EXPECT_EQ(env_.FileNames(), before);
}

}  // namespace
}  // namespace corvalis
