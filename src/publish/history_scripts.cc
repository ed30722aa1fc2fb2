#include "publish/history_scripts.h"

#include <string>

#include "publish/companion_files.h"
#include "util/text.h"

namespace corvalis {
namespace {

constexpr int kMaxHistoryScripts = 100;

// The scripts that list the history pages, source name and the name given
// after the web folder.
struct Listing {
  const char* source;
  const char* target;
};
const Listing kListings[] = {
    {"crvKxNext.js", "\\crvKxNext.js"},
    {"Annali_js\\crvKxsqElenco.js", "\\crvKxsqElenco.js"},
    {"Annali_js\\crvKxPrElenco.js", "\\crvKxPrElenco.js"},
};

}  // namespace

void PublishHistoryScripts(Env& env, const League& league) {
  std::optional<std::string> tool = env.FindFirst(league.SourcePath("Annali.exe"));
  if (!tool) return;
  StartCompanion(env, league.SourcePath(*tool));

  auto exists = [&](const std::string& name) {
    return env.FindFirst(league.SourcePath(name)).has_value();
  };
  auto to_web_folder = [&](const std::string& name, const std::string& target) {
    if (league.output_dir.empty()) return;
    CopyOrStop(env, league.SourcePath(name), league.output_dir + target);
  };

  for (const Listing& listing : kListings) {
    if (exists(listing.source)) to_web_folder(listing.source, listing.target);
  }
  for (int k = 1; k <= kMaxHistoryScripts; ++k) {
    std::string team_script = "crvKxsq" + WholeText(k) + ".js";
    std::string ranking_script = "crvKxPr" + WholeText(k) + ".js";
    bool has_team = exists("Annali_js\\" + team_script);
    if (has_team) to_web_folder("Annali_js\\" + team_script, team_script);
    bool has_ranking = exists("Annali_js\\" + ranking_script);
    if (!has_team && !has_ranking) break;
    if (has_ranking) to_web_folder("Annali_js\\" + ranking_script, ranking_script);
  }
}

}  // namespace corvalis
