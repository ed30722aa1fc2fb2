#include "driver/command_line.h"

#include <gtest/gtest.h>

#include <string>

namespace corvalis {
namespace {

TEST(CommandLineTest, PreviewFolderInBothForms) {
  CommandLine a = ParseCommandLine({"--home", "C:\\lega", "--preview", "C:\\anteprima"});
  EXPECT_EQ(a.action, CommandLine::kRun);
  EXPECT_EQ(a.env.home, "C:\\lega");
  EXPECT_EQ(a.preview_folder, "C:\\anteprima");
  CommandLine b = ParseCommandLine({"--preview=anteprima", "--console"});
  EXPECT_EQ(b.action, CommandLine::kRun);
  EXPECT_EQ(b.preview_folder, "anteprima");
  EXPECT_TRUE(b.env.console);
  EXPECT_EQ(ParseCommandLine({}).preview_folder, "");
}

TEST(CommandLineTest, PreviewWithoutFolderIsAnError) {
  for (const auto& args : {std::vector<std::string>{"--preview"},
                           std::vector<std::string>{"--preview", ""},
                           std::vector<std::string>{"--preview="}}) {
    CommandLine c = ParseCommandLine(args);
    EXPECT_EQ(c.action, CommandLine::kBadUsage);
  }
  EXPECT_EQ(ParseCommandLine({"--preview"}).error, "L'opzione --preview richiede una cartella");
  EXPECT_NE(std::string(kUsageText).find("--preview CARTELLA"), std::string::npos);
}

}  // namespace
}  // namespace corvalis
