#include "site/team_page.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "rating/rating_text.h"
#include "site/site_pages.h"
#include "util/key_index.h"
#include "util/text.h"

namespace corvalis {
namespace {

const char kTableOpen[] =
    "<table class='sq' border=\"0\" cellspacing=\"0\" cellpadding=\"0\">";

void AddSectionTitle(Page& page, std::string_view title_cell) {
  page.Line(kTableOpen);
  page.Line("<tr class='sq'>");
  page.Line(title_cell);
  page.Line("</tr>");
}

// The team of conf.txt row r as a rating table names it: its name once the
// rating met what `marked` tells, empty before (so an unnamed team finds the
// rows of teams never met).
template <typename Marked>
int LastRowNamed(const League& league, const SeasonRating& rating, std::string_view name,
                 Marked marked) {
  int row = -1;
  for (int r = 0; r < league.num_teams(); ++r) {
    std::string_view cell = marked(rating.teams[r]) ? league.teams[r] : std::string_view();
    if (cell == name) row = r;
  }
  return row;
}

void AddModuleRows(const League& league, const std::vector<std::string>& module_texts,
                   const ModuleUse& use, Page& page) {
  std::vector<int> used;
  for (size_t m = 0; m < league.modules.size(); ++m) {
    if (use.matchdays[m] > 0) used.push_back(static_cast<int>(m));
  }
  std::stable_sort(used.begin(), used.end(),
                   [&](int a, int b) { return use.matchdays[a] > use.matchdays[b]; });
  for (int m : used) {
    page.Line("<tr class='sq'>");
    page.Line("<td class=\"sqmoduliDATI\"><div align=\"right\">", module_texts[m],
              "</div></td>");
    page.Line("<td class=\"sqmoduliIMG\">&nbsp;</td>");
    page.Line("<td class=\"sqmoduliDATI\"><div align=\"left\">", Number{ModuleShare(use, m)},
              "%</div></td>");
    page.Line("</tr>");
  }
}

void AddBenchRows(const BenchSettings& bench, std::string_view team, Page& page) {
  AddSectionTitle(page, "<td colspan=\"2\" class=\"sqCANNONIERI\">PANCHINA e MARCATURA</td>");
  for (const BenchSetting& line : bench.lines) {
    // A line without a team name belongs to no team.
    if (line[0].empty() || line[0] != team) continue;
    page.Line("<tr class=\"sq\"><td class=\"sqGOLp\">Flessibile > ", Html{line[1]},
              "     Fissa > ", Html{line[2]}, "     Uomo > ", Html{line[3]}, "</td></tr>");
  }
}

void AddScorerRows(const std::vector<const ShownScorer*>& scorers, Page& page) {
  int n = 0;
  for (const ShownScorer* scorer : scorers) {
    const char* kind = ++n % 2 == 1 ? "d" : "p";
    page.Line("<tr class=\"sq\"><td class=\"sqGOL", kind, "\">", Number{double(scorer->count)},
              "</td><td class=\"sqNOME", kind, "\">", Html{scorer->name}, "</td></tr>");
  }
}

// The scorers of every team name, ranked, gathered in one pass rather than
// one pass per page.
std::vector<std::vector<const ShownScorer*>> ScorersByTeam(const League& league,
                                                       const std::vector<ShownScorer>& scorers) {
  KeyIndex index;  // a team name met: its group
  std::vector<std::string_view> names;
  std::vector<std::vector<const ShownScorer*>> groups;
  auto group_of = [&](std::string_view name, bool add) {
    uint64_t hash = KeyIndex::Hash(name);
    int found = index.Find(hash, [&](int g) { return KeyIndex::Same(names[g], name); });
    if (found >= 0 || !add) return found;
    int added = static_cast<int>(groups.size());
    index.Add(hash, added);
    names.push_back(name);
    groups.emplace_back();
    return added;
  };
  for (const ShownScorer& scorer : scorers) groups[group_of(scorer.team, true)].push_back(&scorer);
  std::vector<std::vector<const ShownScorer*>> by_team(league.num_teams());
  for (int t = 0; t < league.num_teams(); ++t) {
    int g = group_of(league.teams[t], false);
    if (g >= 0) by_team[t] = groups[g];  // two teams may share a name
  }
  return by_team;
}

// A role as the pages show it, upper-cased. Roles are one character: each
// is worked out once.
class RoleCaps {
 public:
  explicit RoleCaps(TextEncoding encoding) : encoding_(encoding) {}

  std::string_view Of(std::string_view role) {
    if (role.size() != 1) {
      other_ = UpperText(role, encoding_);
      return other_;
    }
    std::optional<std::string>& known = by_byte_[static_cast<unsigned char>(role[0])];
    if (!known) known = UpperText(role, encoding_);
    return *known;
  }

 private:
  TextEncoding encoding_;
  std::array<std::optional<std::string>, 256> by_byte_;
  std::string other_;
};

void AddAppearanceRows(const League& league, const SeasonRating& rating, std::string_view team,
                       RoleCaps& roles, Page& page) {
  // The roster of the team of that name: normally its own.
  int r = LastRowNamed(league, rating, team, [](const TeamRating& t) { return t.roster_named; });
  if (r < 0) return;
  const std::vector<RosterPlayer>& roster = rating.teams[r].roster.slots();
  std::vector<const RosterPlayer*> players;
  for (const RosterPlayer& player : roster) {
    if (!player.name.empty()) players.push_back(&player);
  }
  std::stable_sort(players.begin(), players.end(),
                   [](const RosterPlayer* a, const RosterPlayer* b) { return a->starts > b->starts; });
  for (const RosterPlayer* player : players) {
    page.Line("<tr class='sq'>");
    page.Put("<td class=\"sqNUMd\">");
    if (player->starts != 0) page.Put(Whole{player->starts});  // nothing for no starts
    page.Line("</td>");
    page.Line("<td class=\"sqNOMEd\">", Html{roles.Of(player->role)}, " ",
              Html{player->name}, "</td>");
    page.Line("</tr>");
    page.Line("<tr class='sq'>");
    page.Line("<td class=\"sqNUMp\">&nbsp;</td>");
    page.Line("<td class=\"sqGIOp\"> Subentrato:", Whole{player->subs_in}, " Sostituito:",
              Whole{player->bench_listings}, "</td>");
    page.Line("</tr>");
  }
}

}  // namespace

ModuleUse CountModuleUse(const League& league, const SeasonRating& rating, int t) {
  ModuleUse use;
  use.matchdays.assign(league.modules.size(), 0);
  int row = LastRowNamed(league, rating, league.teams[t],
                         [](const TeamRating& team) { return team.fielded_any; });
  if (row < 0) return use;
  for (int g = 1; g <= kMatchdays; ++g) {
    const TeamMatchday& day = rating.teams[row].days[g];
    for (size_t m = 0; m < league.modules.size(); ++m) {
      const Module& module = league.modules[m];
      if (day.fielded[0] == module.defenders && day.fielded[1] == module.midfielders &&
          day.fielded[2] == module.forwards) {
        ++use.matchdays[m];
        ++use.total;
      }
    }
  }
  return use;
}

double ModuleShare(const ModuleUse& use, int m) {
  if (use.total == 0) return 0;
  return std::floor(static_cast<double>(use.matchdays[m]) / use.total * 1000) / 10;
}

namespace {

// The page of team t (conf.txt order): `scorers` its own, ranked, with short
// names; the bench section only when the league keeps Panchine.txt.
void AddTeamPage(const League& league, const SeasonRating& rating,
                 const std::vector<const ShownScorer*>& scorers, const BenchSettings& bench,
                 const std::vector<std::string>& module_texts, RoleCaps& roles, int t,
                 Page& page) {
  std::string_view team = league.teams[t];
  page.Line("<link href=\"corvalis.css\" rel=\"stylesheet\" type=\"text/css\" />");
  page.Line("<div id=\"sq\">");
  page.Line(kTableOpen);
  page.Line("<tr class='sq'>");
  page.Line("<td class=\"sqSQUADRA\">", Html{team}, "</td>");
  page.Line("</tr>");
  page.Line("</table>");
  page.Line("<br />");

  AddSectionTitle(page, "<td colspan=\"8\" class=\"sqTITMODULI\">MODULI UTILIZZATI</td>");
  AddModuleRows(league, module_texts, CountModuleUse(league, rating, t), page);
  // The module table stays open when there is a bench table: the closing
  // lines below end whichever table came last.
  if (bench.present) AddBenchRows(bench, team, page);
  page.Line("</table>");
  page.Line("<br />");

  AddSectionTitle(page, "<td colspan=\"2\" class=\"sqCANNONIERI\">FANTACANNONIERI</td>");
  AddScorerRows(scorers, page);
  page.Line("</table>");
  page.Line("<br />");

  AddSectionTitle(page, "<td colspan=\"7\" class=\"sqPRESENZE\">PRESENZE</td>");
  AddAppearanceRows(league, rating, team, roles, page);
  page.Line("</table>");
  page.Line("</div>");
}

}  // namespace

void WriteTeamPages(Env& env, const League& league, const SeasonRating& rating,
                    const std::vector<ShownScorer>& scorers, const BenchSettings& bench,
                    TextEncoding encoding) {
  std::vector<std::vector<const ShownScorer*>> by_team = ScorersByTeam(league, scorers);
  RoleCaps roles(encoding);
  std::vector<std::string> module_texts;  // in conf.txt order, made once for every page
  for (const Module& module : league.modules) module_texts.push_back(ModuleText(&module));
  for (int t = 0; t < league.num_teams(); ++t) {
    WritePage(env, league.SourcePath(TeamPageName(t + 1)), [&](Page& page) {
      AddTeamPage(league, rating, by_team[t], bench, module_texts, roles, t, page);
    });
  }
}

}  // namespace corvalis
