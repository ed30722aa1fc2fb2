#include "site/team_page.h"

#include <algorithm>
#include <vector>

#include "site/bench_setup.h"
#include "site/module_use.h"
#include "util/encoding.h"
#include "util/escaping.h"
#include "util/text.h"

namespace corvalis {
namespace {

const char kTableOpen[] =
    "<table class='sq' border=\"0\" cellspacing=\"0\" cellpadding=\"0\">";

void AddSectionTitle(Lines& page, const std::string& title_cell) {
  page.push_back(kTableOpen);
  page.push_back("<tr class='sq'>");
  page.push_back(title_cell);
  page.push_back("</tr>");
}

void AddModuleRows(Lines& page, const SeasonStore& store, int t) {
  const ModuleCounts& use = store.teamModuleUse[t];
  std::vector<int> used;
  for (int m = 1; m <= store.num_modules; ++m) {
    if (use[m] > 0) used.push_back(m);
  }
  std::stable_sort(used.begin(), used.end(),
                   [&](int a, int b) { return use[a] > use[b]; });
  for (int m : used) {
    const ModuleRow& module = store.moduleTable[m];
    std::string shape = PlainNumber(module[kModDefenders]) + "-" +
                        PlainNumber(module[kModMidfielders]) + "-" +
                        PlainNumber(module[kModForwards]);
    page.push_back("<tr class='sq'>");
    page.push_back("<td class=\"sqmoduliDATI\"><div align=\"right\">" + shape +
                   "</div></td>");
    page.push_back("<td class=\"sqmoduliIMG\">&nbsp;</td>");
    page.push_back("<td class=\"sqmoduliDATI\"><div align=\"left\">" +
                   NumberText(ModuleShare(store, t, m)) + "%</div></td>");
    page.push_back("</tr>");
  }
}

void AddBenchRows(Lines& page, const SeasonStore& store, const std::string& team) {
  AddSectionTitle(page,
                  "<td colspan=\"2\" class=\"sqCANNONIERI\">PANCHINA e MARCATURA</td>");
  const TextTable& bench = store.benchSetup;
  for (int k = 1; k <= store.num_teams; ++k) {
    // A row without a team name is no line of Panchine.txt.
    if (bench.at(k, 1).empty() || bench.at(k, 1) != team) continue;
    page.push_back("<tr class=\"sq\"><td class=\"sqGOLp\">Flessibile > " +
                   HtmlText(bench.at(k, 2)) + "     Fissa > " + HtmlText(bench.at(k, 3)) +
                   "     Uomo > " + HtmlText(bench.at(k, 4)) + "</td></tr>");
  }
}

void AddScorerRows(Lines& page, const SeasonStore& store, const std::string& team) {
  const TextTable& tally = store.scorerTally;
  int n = 0;
  for (int i = 1; i < tally.used_rows() && i <= kPlayerRows; ++i) {
    const std::string& goals = tally.at(i, 2);
    if (goals.empty() || tally.at(i, 3) != team) continue;
    const char* kind = ++n % 2 == 1 ? "d" : "p";
    page.push_back(std::string("<tr class=\"sq\"><td class=\"sqGOL") + kind + "\">" + goals +
                   "</td><td class=\"sqNOME" + kind + "\">" + HtmlText(tally.at(i, 1)) +
                   "</td></tr>");
  }
}

// The roster row of the team, paired through its name like every team table
// (normally the team's own number; 0 when the team never fielded a player).
// Of two teams with one name the last row wins, as for the module use.
int RosterRowOf(const SeasonStore& store, const std::string& team) {
  int row = 0;
  for (int r = 1; r <= store.num_teams; ++r) {
    if (store.rosterTeamName[r] == team) row = r;
  }
  return row;
}

std::string SubstitutionCount(const std::string& column) {
  std::string text = TrimSpaces(column);
  return text.empty() || LeadingNumber(text) == 0 ? "0" : text;
}

void AddAppearanceRows(Lines& page, const SeasonStore& store, const std::string& team) {
  int r = RosterRowOf(store, team);
  if (r == 0) return;
  const RosterTable& roster = store.roster[r];
  std::vector<int> players;
  for (int p = 1; p <= kRosterPlayers; ++p) {
    if (!roster[p].name.empty()) players.push_back(p);
  }
  std::stable_sort(players.begin(), players.end(), [&](int a, int b) {
    return LeadingNumber(roster[a].starts) > LeadingNumber(roster[b].starts);
  });
  for (int p : players) {
    const RosterEntry& player = roster[p];
    page.push_back("<tr class='sq'>");
    page.push_back("<td class=\"sqNUMd\">" + player.starts + "</td>");
    page.push_back("<td class=\"sqNOMEd\">" + HtmlText(UpperText(player.role, store.encoding)) +
                   " " + HtmlText(player.name) + "</td>");
    page.push_back("</tr>");
    page.push_back("<tr class='sq'>");
    page.push_back("<td class=\"sqNUMp\">&nbsp;</td>");
    page.push_back("<td class=\"sqGIOp\"> Subentrato:" + SubstitutionCount(player.subs_in) +
                   " Sostituito:" + SubstitutionCount(player.bench_listings) + "</td>");
    page.push_back("</tr>");
  }
}

}  // namespace

std::string TeamPageName(int t) { return "sq" + WholeText(t) + ".htm"; }

Lines TeamPage(const SeasonStore& store, int t, bool with_bench) {
  const std::string& team = store.teamLabel[t];
  Lines page = {"<link href=\"corvalis.css\" rel=\"stylesheet\" type=\"text/css\" />",
                "<div id=\"sq\">"};
  AddSectionTitle(page, "<td class=\"sqSQUADRA\">" + HtmlText(team) + "</td>");
  page.push_back("</table>");
  page.push_back("<br />");

  AddSectionTitle(page, "<td colspan=\"8\" class=\"sqTITMODULI\">MODULI UTILIZZATI</td>");
  AddModuleRows(page, store, t);
  // The module table stays open when there is a bench table: the closing
  // lines below end whichever table came last.
  if (with_bench) AddBenchRows(page, store, team);
  page.push_back("</table>");
  page.push_back("<br />");

  AddSectionTitle(page, "<td colspan=\"2\" class=\"sqCANNONIERI\">FANTACANNONIERI</td>");
  AddScorerRows(page, store, team);
  page.push_back("</table>");
  page.push_back("<br />");

  AddSectionTitle(page, "<td colspan=\"7\" class=\"sqPRESENZE\">PRESENZE</td>");
  AddAppearanceRows(page, store, team);
  page.push_back("</table>");
  page.push_back("</div>");
  return page;
}

void WriteTeamPages(Env& env, SeasonStore& store) {
  bool with_bench = ReadBenchSetup(env, store);
  CountModuleUse(store);
  for (int t = 1; t <= store.num_teams; ++t) {
    WriteSourceFile(env, store, TeamPageName(t), TeamPage(store, t, with_bench));
  }
}

}  // namespace corvalis
