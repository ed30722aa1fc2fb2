// Lines that name teams where no match can begin: the parse reads them as
// the rating always has, and says so, so that no match goes unread in
// silence.
#include "input/results_export.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "util/text.h"

namespace corvalis {
namespace {

const char kTitles[] = "\tR\tCalciatore\tVoto\tBonus\tFantaVoto\tR\tCalciatore\tVoto\tBonus\tFantaVoto";
const char kBench[] = "\tSostituiti, panchina e tribuna\t\t\t\t\tSostituiti, panchina e tribuna";

std::string Header(const std::string& home, const std::string& away) {
  return "\t" + home + "\t\t\t\t\t" + away;
}

// A whole block: header, titles, one line of goalkeepers, scores, goals,
// bench title and one bench line; `close` adds the empty line after it.
std::vector<std::string> Block(const std::string& home, const std::string& away,
                               bool close = true) {
  std::vector<std::string> lines = {
      Header(home, away), kTitles,
      "\tP\tUNO A.\t6\t0\t6\tP\tDUE B.\t6\t0\t6",
      "\tTotale squadra\t\t\t\t\t66\tTotale squadra\t\t\t\t\t60",
      "\tGol\t\t\t\t\t1\tGol\t\t\t\t\t0",
      kBench,
      "\tD\tTRE C.\t6\t0\t6\tD\tQUATTRO D.\t6\t0\t6"};
  if (close) lines.push_back("\t");
  return lines;
}

std::vector<std::string> Join(std::vector<std::vector<std::string>> parts) {
  std::vector<std::string> out = {"Lega - Risultati", "Giornata 1"};
  for (const auto& part : parts) out.insert(out.end(), part.begin(), part.end());
  return out;
}

class StrayHeaderTest : public ::testing::Test {
 protected:
  StrayHeaderTest() { league_.teams = {"Alfa", "Beta", "Gamma", "Delta"}; }

  MatchdayExport Parse(const std::vector<std::string>& lines) {
    MatchdayExport day = ParseExport(TextLines(lines), league_, 1);
    day.path = "L Risultati1.tab";
    return day;
  }

  static std::vector<std::string> Homes(const MatchdayExport& day) {
    std::vector<std::string> out;
    for (const ExportMatch& m : day.matches) out.emplace_back(m.home_name);
    return out;
  }

  League league_;
};

TEST_F(StrayHeaderTest, WellFormedFileHasNone) {
  MatchdayExport day = Parse(Join({Block("Alfa", "Beta"), Block("Gamma", "Delta"), {"EOF"}}));
  EXPECT_EQ(Homes(day), (std::vector<std::string>{"Alfa", "Gamma"}));
  EXPECT_TRUE(day.stray_headers.empty());
  EXPECT_TRUE(StrayHeaderWarnings(day).empty());
}

// A team line among the bench lines, and a next match whose closing empty
// line is missing before it: both stay lines of the block they are in.
TEST_F(StrayHeaderTest, HeadersInsideABlockAreNamedWithTheirLine) {
  std::vector<std::string> first = Block("Alfa", "Beta", false);
  first.insert(first.end() - 1, Header("Gamma", "Ignota"));  // line 9
  MatchdayExport day = Parse(Join({first, Block("Gamma", "Delta"), {"EOF"}}));
  EXPECT_EQ(Homes(day), std::vector<std::string>{"Alfa"});
  ASSERT_EQ(day.stray_headers.size(), 2u);
  EXPECT_EQ(day.stray_headers[1].line, 11u);
  EXPECT_EQ(day.stray_headers[1].away_name, "Delta");
  EXPECT_EQ(day.stray_headers[1].match, 0);
  EXPECT_EQ(StrayHeaderWarnings(day),
            (std::vector<std::string>{
                "Il file L Risultati1.tab, riga 9: Gamma - Ignota e' dentro la partita "
                "Alfa - Beta, prima della riga vuota che la chiude: il voto allenatore non la "
                "legge come partita",
                "Il file L Risultati1.tab, riga 11: Gamma - Delta e' dentro la partita "
                "Alfa - Beta, prima della riga vuota che la chiude: il voto allenatore non la "
                "legge come partita"}));
}

// Without its bench title a block's search for it runs into the next match,
// whose header is then one of the lines searched.
TEST_F(StrayHeaderTest, SearchForTheBenchTitleRunsIntoTheNextMatch) {
  std::vector<std::string> first = Block("Alfa", "Beta");
  first.erase(first.begin() + 5);  // the bench title
  MatchdayExport day = Parse(Join({first, Block("Gamma", "Delta"), {"EOF"}}));
  EXPECT_EQ(Homes(day), std::vector<std::string>{"Alfa"});
  ASSERT_EQ(day.stray_headers.size(), 1u);
  EXPECT_EQ(day.stray_headers[0].line, 10u);
  EXPECT_EQ(day.stray_headers[0].home_name, "Gamma");
  EXPECT_EQ(day.stray_headers[0].match, 0);
}

// An "EOF" line before the last matches ends the file as always; one
// warning names the first match after it.
TEST_F(StrayHeaderTest, MatchesAfterTheEofLineGetOneWarning) {
  MatchdayExport day =
      Parse(Join({Block("Alfa", "Beta"), {"EOF"}, Block("Gamma", "Delta"), Block("Beta", "Alfa")}));
  EXPECT_EQ(day.end, ExportEnd::kEofLine);
  EXPECT_EQ(day.eof_line, 11u);
  EXPECT_EQ(Homes(day), std::vector<std::string>{"Alfa"});
  EXPECT_EQ(day.stray_headers.size(), 2u);
  EXPECT_EQ(StrayHeaderWarnings(day),
            std::vector<std::string>{
                "Il file L Risultati1.tab, riga 12: la partita Gamma - Delta viene dopo la riga "
                "EOF (riga 11): il voto allenatore non legge ne' lei ne' le righe che seguono"});
}


// The columns as the field extractor takes them one by one.
PlayerColumns ColumnsByNextField(std::string_view line) {
  PlayerColumns columns;
  int tabs = 0;
  std::string_view first = NextField(line, tabs);
  auto column = [&](std::string_view code) {
    PlayerColumn c;
    c.code = code;
    c.name = NextField(line);
    c.vote = NextField(line);
    c.bonus = NextField(line);
    c.fantavoto = NextField(line);
    return c;
  };
  std::string_view away_code = first;
  if (tabs == 2) {
    columns.has_home = true;
    columns.home = column(first);
    away_code = NextField(line);
  }
  columns.away = column(away_code);
  return columns;
}

void ExpectSameColumn(const PlayerColumn& a, const PlayerColumn& b, const std::string& line) {
  EXPECT_EQ(a.code, b.code) << line;
  EXPECT_EQ(a.name, b.name) << line;
  EXPECT_EQ(a.vote, b.vote) << line;
  EXPECT_EQ(a.bonus, b.bonus) << line;
  EXPECT_EQ(a.fantavoto, b.fantavoto) << line;
}

// Real lines and random ones of tabs and text, with runs of tabs, leading
// and trailing tabs, more than ten fields and fields across eight-byte
// boundaries.
// Both readings take a player line's columns from the table the parse
// splits ahead, or split the line themselves beyond it: the same columns
// either way, and only block player lines are found in the table.
TEST_F(StrayHeaderTest, ColumnsFromTheTableOrSplitAsRead) {
  auto fields = [](const PlayerColumns& c) {
    // The names' hashes too, as both readings' tables use them.
    EXPECT_EQ(c.home.name_hash, KeyIndex::Hash(c.home.name));
    EXPECT_EQ(c.away.name_hash, KeyIndex::Hash(c.away.name));
    return std::vector<std::string_view>{c.home.code, c.home.name, c.home.vote, c.home.bonus,
                                         c.home.fantavoto, c.away.code, c.away.name,
                                         c.away.vote, c.away.bonus, c.away.fantavoto,
                                         c.has_home ? "home" : ""};
  };
  std::vector<std::string> lines = Join({Block("Alfa", "Beta"), Block("Gamma", "Delta"), {"EOF"}});
  for (size_t ahead : {size_t{0}, size_t{1}, size_t{3}, kSplitBlockLines}) {
    MatchdayExport day = ParseExport(TextLines(lines), league_, 1, ahead);
    ASSERT_EQ(day.block_lines.size(), 6u);
    EXPECT_EQ(day.block_columns.size(), std::min<size_t>(ahead, 6));
    PlayerColumns scratch;
    for (const BlockLine& line : day.block_lines) {
      if (line.kind() != BlockLine::kPlayer) continue;
      EXPECT_EQ(fields(day.Columns(line, scratch)), fields(SplitPlayerLine(day.Text(line))))
          << ahead;
    }
    size_t from = 0, found = 0;
    for (std::string_view text : day.lines) {
      if (const PlayerColumns* columns = day.BlockColumnsAt(text, from)) {
        ++found;
        EXPECT_EQ(fields(*columns), fields(SplitPlayerLine(text))) << ahead;
      }
    }
    // Of the six block lines, the two score lines are no player lines.
    size_t in_table = 0;
    for (size_t i = 0; i < day.block_columns.size(); ++i) {
      if (day.block_lines[i].kind() == BlockLine::kPlayer) ++in_table;
    }
    EXPECT_EQ(found, in_table) << ahead;
  }
}

TEST(SplitPlayerLineTest, TakesTheFieldsAsTheFieldExtractorDoes) {
  std::vector<std::string> lines = {
      "\tP\tFERRARA P.\t4,5\t-1\t3,5\tP\tVITALE Riccardo\t7\t-3\t4",
      "\t\tD\tROSSI\t6\t0\t6", "\tD\tROSSI\t6\t0\t6\t", "D\tROSSI", "", "\t", "\t\t", "\t\t\t",
      "\tA", "\t\tA", "\tA\t", "abcdefghijklmnop", "\t1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t11\t12",
  };
  std::mt19937 random(7);
  const char alphabet[] = "\t\tAB,9 ";
  for (int n = 0; n < 5000; ++n) {
    std::string line(random() % 150, ' ');
    for (char& c : line) c = alphabet[random() % (sizeof alphabet - 1)];
    lines.push_back(line);
  }
  // Lines as the exports write them, one tab between fields, which most
  // lines are split by a path of their own: any number of fields, of any
  // length, a tab or two (or none) before them and after them, and now and
  // then two tabs inside, on both sides of the 64 bytes that path takes.
  for (int n = 0; n < 20000; ++n) {
    std::string line(random() % 3, '\t');
    size_t fields = random() % 13;
    size_t longest = 1 + random() % 9;
    for (size_t k = 0; k < fields; ++k) {
      if (k > 0) line += random() % 25 == 0 ? "\t\t" : "\t";
      line += std::string(1 + random() % longest, "AB,9 "[random() % 5]);
    }
    line += std::string(random() % 3, '\t');
    lines.push_back(line);
  }
  for (const std::string& line : lines) {
    PlayerColumns fast = SplitPlayerLine(line);
    PlayerColumns reference = ColumnsByNextField(line);
    ASSERT_EQ(fast.has_home, reference.has_home) << line;
    if (fast.has_home) ExpectSameColumn(fast.home, reference.home, line);
    ExpectSameColumn(fast.away, reference.away, line);
    // The tables find a player by the name's hash taken here.
    EXPECT_EQ(fast.home.name_hash, KeyIndex::Hash(fast.home.name)) << line;
    EXPECT_EQ(fast.away.name_hash, KeyIndex::Hash(fast.away.name)) << line;
  }
}

}  // namespace
}  // namespace corvalis
