#include "matchday/credits.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/fake_env.h"

namespace corvalis {
namespace {

TEST(ParseCreditLineTest, TheThreeLayouts) {
  CreditLine a = ParseCreditLine("Alfa (120) Beta (95,5) 34000 extra");
  EXPECT_EQ(a.home, "Alfa");
  EXPECT_EQ(a.credits, "120/95,5");
  EXPECT_EQ(a.spectators, "34000");
  EXPECT_EQ(a.away, "Beta");
  EXPECT_TRUE(a.complete);

  CreditLine b = ParseCreditLine("Alfa(12)Beta(8)   900");
  EXPECT_EQ(b.home, "Alfa");
  EXPECT_EQ(b.credits, "12/8");
  EXPECT_EQ(b.spectators, "900");
  EXPECT_EQ(b.away, "Beta");

  CreditLine c = ParseCreditLine("Alfa ( 12 ) Beta (8) 1");
  EXPECT_EQ(c.credits, " 12 /8");
  EXPECT_EQ(c.spectators, "1");

  CreditLine half = ParseCreditLine("Alfa (12) Beta 900");
  EXPECT_EQ(half.credits, "12/");
  EXPECT_EQ(half.away, "Beta 900");
  EXPECT_FALSE(half.complete);
}

class ReadCreditsTest : public ::testing::Test {
 protected:
  SeasonStore& s() { return *store_; }
  void Run() {
    s().source_dir = "C:\\lega";
    ReadCredits(env_, s());
  }
  void AddToolInputs() {
    env_.AddFile("C:\\lega\\Lega Formazioni3.tab", "x");
    env_.AddFile("C:\\lega\\spet.txt", "x");
    env_.AddFile("C:\\lega\\affluenza.exe", "x");
  }

  FakeEnv env_;
  std::unique_ptr<SeasonStore> store_ = std::make_unique<SeasonStore>();
};

TEST_F(ReadCreditsTest, CreditFileAloneIsReadWithoutTheTool) {
  env_.AddLines("C:\\lega\\cred.txt",
                {"  Alfa  (  12  ) Beta (90,5)  51011", "Gamma(1)Delta(2) 3"});
  Run();
  EXPECT_TRUE(s().credits_available);
  EXPECT_TRUE(env_.starts().empty());
  EXPECT_TRUE(env_.messages().empty());
  const TextTable& sheet = s().matchSheet;
  EXPECT_EQ(sheet.at(1, 1), "Alfa");
  EXPECT_EQ(sheet.at(1, 2), "");
  EXPECT_EQ(sheet.at(1, 3), "  12  /90,5");
  EXPECT_EQ(sheet.at(1, 4), "51011");
  EXPECT_EQ(sheet.at(1, 5), "Beta");
  EXPECT_EQ(sheet.at(2, 5), "Delta");
  EXPECT_EQ(sheet.at(3, 1), "");
}

TEST_F(ReadCreditsTest, ToolStartsWhenItsInputsAreThere) {
  // Without the lineups or cred.txt there is nothing to do, silently.
  env_.AddFile("C:\\lega\\spet.txt", "x");
  env_.AddFile("C:\\lega\\affluenza.exe", "x");
  Run();
  EXPECT_FALSE(s().credits_available);
  EXPECT_TRUE(env_.starts().empty());
  EXPECT_TRUE(env_.messages().empty());

  AddToolInputs();
  env_.AddLines("C:\\lega\\cred.txt", {"Alfa (1) Beta (2) 3"});
  Run();
  EXPECT_EQ(env_.starts(), std::vector<std::string>{"C:/lega/affluenza.exe"});
  EXPECT_TRUE(s().credits_available);
  EXPECT_EQ(s().matchSheet.at(1, 4), "3");
}

TEST_F(ReadCreditsTest, ToolThatDidNotWriteTheFileYetLeavesNoCredits) {
  AddToolInputs();
  Run();
  EXPECT_EQ(env_.starts().size(), 1u);
  EXPECT_FALSE(s().credits_available);
  ASSERT_EQ(env_.MessageTexts().size(), 1u);
  EXPECT_NE(env_.MessageTexts()[0].find("C:\\lega\\cred.txt"), std::string::npos);
  EXPECT_EQ(env_.messages()[0].kind, MessageKind::kWarning);
}

TEST_F(ReadCreditsTest, ToolThatCannotStartIsAWarning) {
  AddToolInputs();
  env_.MakeUnstartable("C:\\lega\\affluenza.exe");
  env_.AddLines("C:\\lega\\cred.txt", {"Alfa (1) Beta (2) 3"});
  Run();
  ASSERT_EQ(env_.MessageTexts().size(), 1u);
  EXPECT_EQ(env_.MessageTexts()[0].rfind("Impossibile avviare C:\\lega\\affluenza.exe", 0), 0u);
  EXPECT_TRUE(s().credits_available);
}

TEST_F(ReadCreditsTest, LinesBeyondFiftyAreIgnoredWithAWarning) {
  std::vector<std::string> lines;
  for (int n = 1; n <= 52; ++n) {
    lines.push_back("Casa" + std::to_string(n) + " (1) Fuori (2) " + std::to_string(n));
  }
  env_.AddLines("C:\\lega\\cred.txt", lines);
  Run();
  EXPECT_EQ(s().matchSheet.at(50, 4), "50");
  ASSERT_EQ(env_.MessageTexts().size(), 1u);
  EXPECT_NE(env_.MessageTexts()[0].find("piu' di 50 righe"), std::string::npos);
}

TEST_F(ReadCreditsTest, LineWithoutParenthesesIsNamedAndKeptAsFarAsItGoes) {
  env_.AddLines("C:\\lega\\cred.txt", {"Alfa 12 Beta 8 900", "", "Gamma (1) Delta (2) 3"});
  Run();
  ASSERT_EQ(env_.MessageTexts().size(), 1u);
  EXPECT_NE(env_.MessageTexts()[0].find("Riga 1 del file C:\\lega\\cred.txt"), std::string::npos);
  EXPECT_EQ(s().matchSheet.at(1, 1), "Alfa 12 Beta 8 900");
  EXPECT_EQ(s().matchSheet.at(1, 3), "");
  EXPECT_EQ(s().matchSheet.at(3, 1), "Gamma");
}

}  // namespace
}  // namespace corvalis
