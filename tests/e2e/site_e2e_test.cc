// The site as a whole: the shipped style sheet against the pages real runs
// write, the charts page against the pages it summarises, and the preview.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "e2e_support.h"
#include "site/site_assets.h"

namespace corvalis::e2e {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end = text.find("\r\n"); end != std::string::npos;
       end = text.find("\r\n", start)) {
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// Runs the program on a scratch copy of `league` and returns the folder.
void RunLeague(const std::string& league, const ScratchFolder& folder,
         const std::vector<std::string>& more_args = {}) {
  CopyFolder(RepoPath(league), folder.path());
  std::vector<std::string> args = {"--home", folder.path()};
  args.insert(args.end(), more_args.begin(), more_args.end());
  RunResult run = RunProgram(folder.path(), args);
  ASSERT_EQ(run.status, 0) << league << ": " << run.err;
}

// Every class and every id of a fragment's own markup that the pages of
// real leagues carry (the sample league, the kept golden seasons with cup
// matches, SQ and a missing matchday, and the test leagues) has a rule in
// corvalis.css, so that no part of a page is left unstyled.
TEST(SiteE2eTest, StyleSheetHasARuleForEveryClassAndIdOfThePages) {
  std::set<std::string> classes;
  std::set<std::string> ids;
  const std::regex class_attribute("class=[\"']([^\"']*)[\"']");
  const std::regex fragment_id("id=\"([^\"]*)\"");  // fanta.php's layer ids use '
  for (const char* league :
       {"examples/fantabar", "tests/data/golden_small/league", "tests/data/golden_gaps/league",
        "tests/data/matchday_cup/league", "tests/data/rankings_league",
        "tests/data/rating_league"}) {
    ScratchFolder folder;
    RunLeague(league, folder);
    for (const std::string& name : FileNamesIn(folder.path())) {
      if (!EndsWith(name, ".htm") && name != "fanta.php") continue;
      if (name == "grafici.htm") continue;  // our own page, drawn by crvUtils.js
      std::string page = ReadFile(folder.File(name));
      for (std::sregex_iterator it(page.begin(), page.end(), class_attribute), end; it != end;
           ++it) {
        std::string list = (*it)[1];
        std::regex word("[^ ]+");
        for (std::sregex_iterator w(list.begin(), list.end(), word), wend; w != wend; ++w) {
          classes.insert(w->str());
        }
      }
      for (std::sregex_iterator it(page.begin(), page.end(), fragment_id), end; it != end;
           ++it) {
        ids.insert((*it)[1]);
      }
    }
  }
  ASSERT_GT(classes.size(), 60u);
  ASSERT_GE(ids.size(), 9u);

  std::string css(CorvalisCssText());
  auto has_rule = [&](char sigil, const std::string& name) {
    std::regex selector(std::string("\\") + sigil + name + "(?![A-Za-z0-9_-])");
    return std::regex_search(css, selector);
  };
  for (const std::string& name : classes) EXPECT_TRUE(has_rule('.', name)) << "." << name;
  for (const std::string& name : ids) EXPECT_TRUE(has_rule('#', name)) << "#" << name;
}

// The Top 11 of the season on the charts page is the one of top11s.htm.
TEST(SiteE2eTest, ChartsPageCarriesTheSeasonTop11OfItsPage) {
  for (const char* league : {"examples/fantabar", "tests/data/golden_small/league"}) {
    ScratchFolder folder;
    RunLeague(league, folder);
    std::vector<std::string> page_names;
    std::regex page_row("class=\"kxNOME[dp]\">(.*) \\(.*\\) \\[(.*)\\]</td>");
    for (const std::string& line : Lines(ReadFile(folder.File("top11s.htm")))) {
      std::smatch m;
      if (std::regex_search(line, m, page_row)) page_names.push_back(m[1].str() + " " + m[2].str());
    }
    std::vector<std::string> chart_names;
    std::regex chart_row("nome: \"(.*)\", squadra: .*, voto: (.*)\\}");
    bool in_eleven = false;
    for (const std::string& line : Lines(ReadFile(folder.File("grafici.htm")))) {
      if (line == "top11Stagione: [") in_eleven = true;
      std::smatch m;
      if (in_eleven && std::regex_search(line, m, chart_row)) {
        chart_names.push_back(m[1].str() + " " + m[2].str());
      }
    }
    EXPECT_EQ(page_names.size(), 11u) << league;
    EXPECT_EQ(chart_names, page_names) << league;
  }
}

TEST(SiteE2eTest, PreviewIsTheSiteInOneFolder) {
  ScratchFolder folder;
  std::string preview = folder.File("anteprima/di/prova");
  RunLeague("examples/fantabar", folder, {"--preview", preview});
  EXPECT_EQ(FileNamesIn(preview),
            (std::vector<std::string>{"corvalis.css", "crvCorvalisDati6.js", "crvCorvalisTot.js",
                                      "crvTop11.js", "crvUtils.js", "grafici.htm",
                                      "index.html"}));
  for (const char* script : {"crvCorvalisDati6.js", "crvCorvalisTot.js", "crvTop11.js"}) {
    EXPECT_EQ(ReadFile(preview + "/" + script), ReadFile(folder.File(script))) << script;
  }
  EXPECT_EQ(ReadFile(preview + "/crvUtils.js"), AssetFile(CrvUtilsJsText()));
  EXPECT_EQ(ReadFile(preview + "/corvalis.css"), AssetFile(CorvalisCssText()));

  // index.html: fanta.php's lines, each include replaced by its page.
  std::string index = ReadFile(preview + "/index.html");
  std::regex include("<div id='([^']*)' style='display: none;' align='center'><\\?php include "
                     "\\('([^']*)'\\) \\?></div>");
  int layers = 0;
  for (const std::string& line : Lines(ReadFile(folder.File("fanta.php")))) {
    std::smatch m;
    if (std::regex_search(line, m, include)) {
      ++layers;
      std::string expected = "<div id='" + m[1].str() + "' style='display: none;' align='center'>" +
                             "\r\n" + ReadFile(folder.File(m[2].str())) + "</div>\r\n";
      EXPECT_NE(index.find(expected), std::string::npos) << m[2].str();
    } else if (line.find("invertiDisplayLayer") != std::string::npos) {
      EXPECT_NE(index.find(line + "\r\n"), std::string::npos) << line;
    }
  }
  EXPECT_EQ(layers, 13 + 8);
  EXPECT_EQ(index.find("../js/"), std::string::npos);

  // grafici.htm: the published page with the scripts beside it.
  std::string charts = ReadFile(preview + "/grafici.htm");
  std::string published = ReadFile(folder.File("grafici.htm"));
  published = std::regex_replace(published, std::regex("src=\"\\.\\./js/"), "src=\"");
  published = std::regex_replace(published, std::regex("href=\"fanta\\.php\""),
                                 "href=\"index.html\"");
  EXPECT_EQ(charts, published);
}

TEST(SiteE2eTest, PreviewFolderThatCannotBeMadeEndsTheRunAfterThePages) {
  ScratchFolder folder;
  CopyFolder(RepoPath("examples/fantabar"), folder.path());
  WriteFile(folder.File("occupato"), "a file, not a folder");
  RunResult run = RunProgram(folder.path(), {"--home", folder.path(), "--preview",
                                             folder.File("occupato/anteprima")});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");  // no completion message
  EXPECT_EQ(run.err.rfind("Impossibile creare la cartella " + folder.File("occupato/anteprima") +
                              ": ",
                          0),
            0u)
      << run.err;
  EXPECT_TRUE(FileExists(folder.File("grafici.htm")));
}

}  // namespace
}  // namespace corvalis::e2e
