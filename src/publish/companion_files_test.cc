#include "publish/companion_files.h"

#include <gtest/gtest.h>

#include "platform/fake_env.h"
#include "util/run_stop.h"

namespace corvalis {
namespace {

TEST(CompanionFilesTest, MissingSourceIsAPlatformFailure) {
  FakeEnv env;
  try {
    CopyOrStop(env, "C:\\lega\\ultima.htm", "ultima 3.htm");
    FAIL() << "no stop";
  } catch (const RunStop& stop) {
    EXPECT_EQ(stop.status(), kExitPlatform);
    EXPECT_EQ(std::string(stop.what()),
              "Impossibile copiare il file C:\\lega\\ultima.htm in ultima 3.htm: "
              "file non trovato");
  }
}

TEST(CompanionFilesTest, StartFailureIsOnlyAWarning) {
  FakeEnv env;
  env.MakeUnstartable("C:\\lega\\Annali.exe");
  StartCompanion(env, "C:\\lega\\Annali.exe");
  ASSERT_EQ(env.messages().size(), 1u);
  EXPECT_EQ(env.messages()[0].kind, MessageKind::kWarning);
  EXPECT_EQ(env.messages()[0].text,
            "Impossibile avviare il programma C:\\lega\\Annali.exe: formato non "
            "eseguibile (la generazione delle statistiche prosegue)");
}

}  // namespace
}  // namespace corvalis
