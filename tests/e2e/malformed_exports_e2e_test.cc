// Results exports with lines where no match can begin, run end to end: what
// is said about them and the calendar pages, byte for byte.
#include <gtest/gtest.h>

#include <string>

#include "e2e_support.h"

namespace corvalis::e2e {
namespace {

void ExpectSameFile(const ScratchFolder& home, const std::string& expected_folder,
                    const std::string& name) {
  ASSERT_TRUE(FileExists(home.File(name))) << name;
  EXPECT_EQ(ReadFile(home.File(name)), ReadFile(RepoPath(expected_folder + "/" + name)))
      << name;
}

// Matchday 1: the empty line before Gamma - Delta (line 18) goes.
void DropEmptyLineBeforeSecondMatch(const ScratchFolder& home) {
  std::string first = ReadFile(home.File("Coppa Risultati1.tab"));
  size_t gap = first.find("\r\n\r\n\tGamma\t");
  ASSERT_NE(gap, std::string::npos);
  first.erase(gap, 2);
  WriteFile(home.File("Coppa Risultati1.tab"), first);
}

// Matchday 3: an "EOF" line (line 3) before every match.
void AddEarlyEofLine(const ScratchFolder& home) {
  std::string third = ReadFile(home.File("Coppa Risultati3.tab"));
  size_t header = third.find("Giornata 3\r\n");
  ASSERT_NE(header, std::string::npos);
  third.insert(header + 12, "EOF\r\n");
  WriteFile(home.File("Coppa Risultati3.tab"), third);
}

// Matchday 1: a team line, Gamma - Ignota, among the bench lines (line 16).
void AddTeamLineAmongTheBench(const ScratchFolder& home) {
  std::string first = ReadFile(home.File("Coppa Risultati1.tab"));
  size_t bench = first.find("\tP\tRISERVA Alfa\t");
  ASSERT_NE(bench, std::string::npos);
  first.insert(bench, "\tGamma\t\t\t\t\tIgnota\r\n");
  WriteFile(home.File("Coppa Risultati1.tab"), first);
}

// Lines of the exports that name two teams where the coach rating begins no
// match: one where the empty line closing the match before it is missing,
// and matches after an "EOF" line that comes too early. Each is said with
// its file and line; the calendar finds its matches by its own rules and
// reads both, so its pages are those of the well-formed exports.
TEST(MalformedExportsE2eTest, MatchesTheRatingCannotReadAreNamedWithTheirLine) {
  ScratchFolder home;
  CopyFolder(RepoPath("tests/data/matchday_cup/league"), home.path());
  DropEmptyLineBeforeSecondMatch(home);
  AddEarlyEofLine(home);

  RunResult run = RunProgram(home.path(), {"--home", home.path()});
  EXPECT_EQ(run.err,
            "Il file " + home.File("Coppa Risultati1.tab") +
                ", riga 18: Gamma - Delta e' dentro la partita Alfa Club - Beta United, prima "
                "della riga vuota che la chiude: il voto allenatore non la legge come partita\n"
                "Il file " + home.File("Coppa Risultati3.tab") +
                ", riga 4: la partita Beta United - Gamma viene dopo la riga EOF (riga 3): il "
                "voto allenatore non legge ne' lei ne' le righe che seguono\n");
  EXPECT_EQ(run.status, 0);
  ExpectSameFile(home, "tests/data/matchday_cup/expected", "calenbomber.htm");
  ExpectSameFile(home, "tests/data/matchday_cup/expected", "ultima.htm");
}

// A team line among the bench lines: a line of that block to the coach
// rating, while the calendar, whose reading of a match ended at the bench
// title, takes it for a match header. That match breaks off at the empty
// line and is not printed; the real match after it is.
TEST(MalformedExportsE2eTest, TeamLineAmongTheBenchLinesBeginsACalendarMatch) {
  ScratchFolder home;
  CopyFolder(RepoPath("tests/data/matchday_cup/league"), home.path());
  AddTeamLineAmongTheBench(home);

  RunResult run = RunProgram(home.path(), {"--home", home.path()});
  std::string file = home.File("Coppa Risultati1.tab");
  EXPECT_EQ(run.err,
            "Il file " + file +
                ", riga 16: Gamma - Ignota e' dentro la partita Alfa Club - Beta United, prima "
                "della riga vuota che la chiude: il voto allenatore non la legge come partita\n"
                "La partita Gamma - Ignota del file " + file +
                " non ha la riga del punteggio prima delle sostituzioni: non e' nel "
                "calendario\n");
  EXPECT_EQ(run.status, 0);
  ExpectSameFile(home, "tests/data/matchday_cup/expected", "calenbomber.htm");
  ExpectSameFile(home, "tests/data/matchday_cup/expected", "ultima.htm");
}

// The calendar reads each export right after the rating, but says what it
// met only when its pages are written: after every message of the rating,
// the later matchdays' too.
TEST(MalformedExportsE2eTest, CalendarWarningsComeAfterTheWholeRating) {
  ScratchFolder home;
  CopyFolder(RepoPath("tests/data/matchday_cup/league"), home.path());
  AddTeamLineAmongTheBench(home);
  AddEarlyEofLine(home);

  RunResult run = RunProgram(home.path(), {"--home", home.path()});
  std::string file1 = home.File("Coppa Risultati1.tab");
  std::string file3 = home.File("Coppa Risultati3.tab");
  EXPECT_EQ(run.err,
            "Il file " + file1 +
                ", riga 16: Gamma - Ignota e' dentro la partita Alfa Club - Beta United, prima "
                "della riga vuota che la chiude: il voto allenatore non la legge come partita\n"
                "Il file " + file3 +
                ", riga 4: la partita Beta United - Gamma viene dopo la riga EOF (riga 3): il "
                "voto allenatore non legge ne' lei ne' le righe che seguono\n"
                "La partita Gamma - Ignota del file " + file1 +
                " non ha la riga del punteggio prima delle sostituzioni: non e' nel "
                "calendario\n");
  EXPECT_EQ(run.status, 0);
  ExpectSameFile(home, "tests/data/matchday_cup/expected", "calenbomber.htm");
}

}  // namespace
}  // namespace corvalis::e2e
