#include "rankings/lower_team_names.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvalis {
namespace {

TEST(LowerTeamNamesTest, AnswersStayValidAsMoreTeamsAreMet) {
  std::vector<std::string> teams;
  for (int i = 0; i < 200; ++i) teams.push_back("SQUADRA N\xc3\x88RA " + std::to_string(i));
  LowerTeamNames lower(TextEncoding::kUtf8);
  std::string_view first = lower.Of(teams[0]);
  for (const std::string& team : teams) EXPECT_EQ(lower.Of(team), LowerText(team, TextEncoding::kUtf8));
  // Escaped for the page, once lowered.
  EXPECT_EQ(lower.Of("BAR & <CO> &AGRAVE;"), "bar &amp; &lt;co&gt; &agrave;");
  EXPECT_EQ(first, "squadra n\xc3\xa8ra 0");
  EXPECT_EQ(lower.Of(teams[0]).data(), first.data());

  // The names it met may go before it does.
  std::string gone = "SQUADRA ROSSA";
  std::string_view red = lower.Of(gone);
  gone = "XXXXXXXXXXXXX";
  EXPECT_EQ(lower.Of("SQUADRA ROSSA"), "squadra rossa");
  EXPECT_EQ(lower.Of("SQUADRA ROSSA").data(), red.data());

  LowerTeamNames cp1252(TextEncoding::kWindows1252);
  EXPECT_EQ(cp1252.Of("N\xc8RA"), "n\xe8ra");
}

}  // namespace
}  // namespace corvalis
