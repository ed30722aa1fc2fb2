#include "driver/command_line.h"

#include <gtest/gtest.h>

#include <string>

namespace corvalis {
namespace {

TEST(CommandLineTest, FoldersInBothForms) {
  CommandLine a = ParseCommandLine({"--home", "C:\\lega", "--preview", "C:\\anteprima"});
  EXPECT_EQ(a.action, CommandLine::kRun);
  EXPECT_EQ(a.env.home, "C:\\lega");
  EXPECT_EQ(a.preview_folder, "C:\\anteprima");
  CommandLine b = ParseCommandLine({"--home=C:\\lega", "--preview=anteprima", "--console"});
  EXPECT_EQ(b.action, CommandLine::kRun);
  EXPECT_EQ(b.env.home, "C:\\lega");
  EXPECT_EQ(b.preview_folder, "anteprima");
  EXPECT_TRUE(b.env.console);
  EXPECT_EQ(ParseCommandLine({}).env.home, "");
  EXPECT_EQ(ParseCommandLine({}).preview_folder, "");
  std::string usage = kUsageText;
  for (const char* form : {"--home CARTELLA", "--home=CARTELLA", "--preview CARTELLA",
                           "--preview=CARTELLA"}) {
    EXPECT_NE(usage.find(form), std::string::npos) << form;
  }
}

// An empty folder would silently mean the program's own folder (or the
// working folder): it is refused in either form, naming the option.
TEST(CommandLineTest, OptionWithoutFolderIsAnError) {
  for (const char* option : {"--home", "--preview"}) {
    std::string name = option;
    for (const auto& args : {std::vector<std::string>{name}, std::vector<std::string>{name, ""},
                             std::vector<std::string>{name + "="},
                             std::vector<std::string>{name + "=", "C:\\lega"}}) {
      CommandLine c = ParseCommandLine(args);
      EXPECT_EQ(c.action, CommandLine::kBadUsage) << args[0];
      EXPECT_EQ(c.error, "L'opzione " + name + " richiede una cartella") << args[0];
    }
  }
}

}  // namespace
}  // namespace corvalis
