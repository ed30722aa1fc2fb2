// Running the real program on a real folder, for end-to-end tests.
#ifndef CORVALIS_TESTS_E2E_E2E_SUPPORT_H_
#define CORVALIS_TESTS_E2E_E2E_SUPPORT_H_

#include <sys/types.h>

#include <string>
#include <utility>
#include <vector>

namespace corvalis::e2e {

struct RunResult {
  int status = -1;  // exit status; -1 when a signal ended the program
  int signal = 0;   // the signal that ended it, if any
  bool timed_out = false;  // killed by WaitProgram after its time limit
  std::string out;  // standard output
  std::string err;  // standard error
};

// How a started program runs, beyond its folder and arguments.
struct ChildOptions {
  long long file_size_limit = -1;  // RLIMIT_FSIZE in bytes; -1: none
  bool unprivileged = false;       // as "nobody" when the tests run as root
};

// A program started and not yet waited for.
struct Child {
  pid_t pid = -1;
  std::string out_file;
  std::string err_file;
};

// A fresh folder under /tmp, removed when the object goes.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  const std::string& path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// A path inside the project's source tree ("tests/data/...", "examples/...").
std::string RepoPath(const std::string& relative);

// Copies every file of `from` into `to`.
void CopyFolder(const std::string& from, const std::string& to);

// Runs the program with `args` from the working folder `cwd`.
RunResult RunProgram(const std::string& cwd, const std::vector<std::string>& args,
                     const ChildOptions& options = {});

// Starts the program without waiting; WaitProgram collects it, killing it
// when it has not ended within `timeout_ms` (RunResult::timed_out).
Child StartProgram(const std::string& cwd, const std::vector<std::string>& args,
                   const ChildOptions& options = {});
RunResult WaitProgram(const Child& child, int timeout_ms = 30000);

// Runs the program on a scratch copy of the repository folder `league`
// (program folder and working folder alike), requires exit status 0 and no
// message on standard error, and compares each of `files` with its copy in
// the repository folder `expected`; a file missing on either side, or on
// both, is a failure.
void RunAndCompare(const std::string& league, const std::string& expected,
                   const std::vector<std::string>& files);

// Runs the program `runs` times on one scratch copy of the repository folder
// `league` and requires after each run exit status 0, the completion message
// alone, exactly the files of `expected` beside the inputs, and each of them
// byte for byte.
void RunAndCompareEveryFile(const std::string& league, const std::string& expected,
                            int runs = 1);

// A results export as the league software writes it, lines ending in CR LF:
// "Giornata N", one block per match, and the closing "EOF" line.
struct ExportPlayer {
  std::string code, name, vote, bonus, fantavoto;
};
struct ExportBlock {
  std::string home, away;
  std::vector<std::pair<ExportPlayer, ExportPlayer>> players;  // home, away
  std::string home_total, away_total, home_goals, away_goals;
};
std::string ResultsExport(int matchday, const std::vector<ExportBlock>& matches);
// The first two lines of a block: the teams and the column titles.
std::string MatchHeader(const std::string& home, const std::string& away);
// Alfa against Beta with a goalkeeper each; a forward each when `forwards`.
ExportBlock AlfaBeta(bool forwards = false);

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
std::vector<std::string> FileNamesIn(const std::string& folder);

}  // namespace corvalis::e2e

#endif  // CORVALIS_TESTS_E2E_E2E_SUPPORT_H_
