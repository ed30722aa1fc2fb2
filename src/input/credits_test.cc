#include "input/credits.h"

#include <gtest/gtest.h>

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
  void Run() {
    League league;
    league.source_dir = "C:\\lega";
    credits_ = ReadCredits(env_, league);
  }
  void AddToolInputs() {
    env_.AddFile("C:\\lega\\Lega Formazioni3.tab", "x");
    env_.AddFile("C:\\lega\\spet.txt", "x");
    env_.AddFile("C:\\lega\\affluenza.exe", "x");
  }

  FakeEnv env_;
  Credits credits_;
};

TEST_F(ReadCreditsTest, CreditFileAloneIsReadWithoutTheTool) {
  env_.AddLines("C:\\lega\\cred.txt",
                {"  Alfa  (  12  ) Beta (90,5)  51011", "Gamma(1)Delta(2) 3"});
  Run();
  EXPECT_TRUE(credits_.available);
  EXPECT_TRUE(env_.starts().empty());
  EXPECT_TRUE(env_.messages().empty());
  ASSERT_EQ(credits_.lines.size(), 2u);
  EXPECT_EQ(credits_.TextFor("Alfa", "Beta"), "    Spet:51011 Cred:   12  /90,5");
  EXPECT_EQ(credits_.TextFor("Gamma", "Delta"), "    Spet:3 Cred: 1/2");
  EXPECT_EQ(credits_.TextFor("Beta", "Alfa"), "    Spet:");
}

TEST_F(ReadCreditsTest, ToolStartsWhenItsInputsAreThere) {
  // Without the lineups or cred.txt there is nothing to do, silently.
  env_.AddFile("C:\\lega\\spet.txt", "x");
  env_.AddFile("C:\\lega\\affluenza.exe", "x");
  Run();
  EXPECT_FALSE(credits_.available);
  EXPECT_EQ(credits_.TextFor("Alfa", "Beta"), "");
  EXPECT_TRUE(env_.starts().empty());
  EXPECT_TRUE(env_.messages().empty());

  AddToolInputs();
  env_.AddLines("C:\\lega\\cred.txt", {"Alfa (1) Beta (2) 3"});
  Run();
  EXPECT_EQ(env_.starts(), std::vector<std::string>{"C:/lega/affluenza.exe"});
  EXPECT_TRUE(credits_.available);
  EXPECT_EQ(credits_.lines[0].spectators, "3");
}

TEST_F(ReadCreditsTest, ToolThatDidNotWriteTheFileYetLeavesNoCredits) {
  AddToolInputs();
  Run();
  EXPECT_EQ(env_.starts().size(), 1u);
  EXPECT_FALSE(credits_.available);
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
  EXPECT_TRUE(credits_.available);
}

TEST_F(ReadCreditsTest, LinesBeyondFiftyAreIgnoredWithAWarning) {
  std::vector<std::string> lines;
  for (int n = 1; n <= 52; ++n) {
    lines.push_back("Casa" + std::to_string(n) + " (1) Fuori (2) " + std::to_string(n));
  }
  env_.AddLines("C:\\lega\\cred.txt", lines);
  Run();
  ASSERT_EQ(credits_.lines.size(), 50u);
  EXPECT_EQ(credits_.lines[49].spectators, "50");
  ASSERT_EQ(env_.MessageTexts().size(), 1u);
  EXPECT_NE(env_.MessageTexts()[0].find("piu' di 50 righe"), std::string::npos);
}

TEST_F(ReadCreditsTest, LineWithoutParenthesesIsNamedAndKeptAsFarAsItGoes) {
  env_.AddLines("C:\\lega\\cred.txt", {"Alfa 12 Beta 8 900", "", "Gamma (1) Delta (2) 3"});
  Run();
  ASSERT_EQ(env_.MessageTexts().size(), 1u);
  EXPECT_NE(env_.MessageTexts()[0].find("Riga 1 del file C:\\lega\\cred.txt"), std::string::npos);
  EXPECT_EQ(credits_.lines[0].home, "Alfa 12 Beta 8 900");
  EXPECT_EQ(credits_.lines[0].credits, "");
  EXPECT_EQ(credits_.lines[2].home, "Gamma");
}

}  // namespace
}  // namespace corvalis
