#include "e2e_support.h"

#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace corvalis::e2e {
namespace fs = std::filesystem;

ScratchFolder::ScratchFolder() {
  char pattern[] = "/tmp/corvalis-e2e-XXXXXX";
  if (mkdtemp(pattern) == nullptr) throw std::runtime_error("mkdtemp");
  path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

std::string RepoPath(const std::string& relative) {
  return std::string(CORVALIS_SOURCE_DIR) + "/" + relative;
}

void CopyFolder(const std::string& from, const std::string& to) {
  fs::create_directories(to);
  for (const auto& entry : fs::directory_iterator(from)) {
    fs::copy(entry.path(), fs::path(to) / entry.path().filename(),
             fs::copy_options::overwrite_existing | fs::copy_options::recursive);
  }
}

Child StartProgram(const std::string& cwd, const std::vector<std::string>& args,
                   const ChildOptions& options) {
  Child child;
  for (std::string* file : {&child.out_file, &child.err_file}) {
    char pattern[] = "/tmp/corvalis-e2e-output-XXXXXX";
    int fd = mkstemp(pattern);
    if (fd < 0) throw std::runtime_error("mkstemp");
    close(fd);
    *file = pattern;
  }
  std::vector<std::string> argv_text = {CORVALIS_BINARY};
  argv_text.insert(argv_text.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& arg : argv_text) argv.push_back(arg.data());
  argv.push_back(nullptr);
  child.pid = fork();
  if (child.pid < 0) throw std::runtime_error("fork");
  if (child.pid == 0) {
    // Only async-signal-safe calls from here to exec.
    int in = open("/dev/null", O_RDONLY);
    int out = open(child.out_file.c_str(), O_WRONLY | O_TRUNC);
    int err = open(child.err_file.c_str(), O_WRONLY | O_TRUNC);
    if (in < 0 || out < 0 || err < 0 || dup2(in, 0) < 0 || dup2(out, 1) < 0 ||
        dup2(err, 2) < 0 || chdir(cwd.c_str()) != 0) {
      _exit(127);
    }
    if (options.file_size_limit >= 0) {
      struct rlimit limit;
      limit.rlim_cur = limit.rlim_max = static_cast<rlim_t>(options.file_size_limit);
      if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(127);
    }
    if (options.unprivileged && geteuid() == 0) {
      const uid_t nobody = 65534;
      if (setgroups(0, nullptr) != 0 || setgid(nobody) != 0 || setuid(nobody) != 0) _exit(127);
    }
    execv(argv[0], argv.data());
    _exit(127);
  }
  return child;
}

RunResult WaitProgram(const Child& child, int timeout_ms) {
  RunResult result;
  int raw = 0;
  for (int waited = 0;; ++waited) {
    pid_t done = waitpid(child.pid, &raw, WNOHANG);
    if (done == child.pid) break;
    if (waited >= timeout_ms) {
      kill(child.pid, SIGKILL);
      waitpid(child.pid, &raw, 0);
      result.timed_out = true;
      break;
    }
    usleep(1000);
  }
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  result.signal = WIFSIGNALED(raw) ? WTERMSIG(raw) : 0;
  result.out = ReadFile(child.out_file);
  result.err = ReadFile(child.err_file);
  fs::remove(child.out_file);
  fs::remove(child.err_file);
  return result;
}

RunResult RunProgram(const std::string& cwd, const std::vector<std::string>& args,
                     const ChildOptions& options) {
  return WaitProgram(StartProgram(cwd, args, options));
}

void RunAndCompare(const std::string& league, const std::string& expected,
                   const std::vector<std::string>& files) {
  ScratchFolder home;
  CopyFolder(RepoPath(league), home.path());
  RunResult run = RunProgram(home.path(), {"--home", home.path()});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  for (const std::string& file : files) {
    std::string kept = RepoPath(expected + "/" + file);
    bool written = FileExists(home.File(file));
    if (!written || !FileExists(kept)) {
      ADD_FAILURE() << file << (written ? " is not among the expected files" : " not written");
      continue;
    }
    EXPECT_EQ(ReadFile(home.File(file)), ReadFile(kept)) << file;
  }
}

void RunAndCompareEveryFile(const std::string& league, const std::string& expected,
                            int runs) {
  ScratchFolder home;
  CopyFolder(RepoPath(league), home.path());
  std::vector<std::string> outputs = FileNamesIn(RepoPath(expected));
  std::vector<std::string> all = FileNamesIn(home.path());
  all.insert(all.end(), outputs.begin(), outputs.end());
  std::sort(all.begin(), all.end());

  for (int run_number = 1; run_number <= runs; ++run_number) {
    SCOPED_TRACE("run " + std::to_string(run_number));
    RunResult run = RunProgram(home.path(), {"--home", home.path()});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "Corvalis 17.1   - Eseguito\n");
    EXPECT_EQ(FileNamesIn(home.path()), all);  // nothing else is written
    for (const std::string& name : outputs) {
      EXPECT_EQ(ReadFile(home.File(name)), ReadFile(RepoPath(expected + "/" + name))) << name;
    }
  }
}

namespace {

std::string Column(const ExportPlayer& p) {
  return p.code + "\t" + p.name + "\t" + p.vote + "\t" + p.bonus + "\t" + p.fantavoto;
}

// A line of the two sides' figures under one title ("Gol", ...).
std::string SidesLine(const std::string& title, const std::string& home,
                      const std::string& away) {
  return "\t" + title + "\t\t\t\t\t" + home + "\t" + title + "\t\t\t\t\t" + away + "\r\n";
}

}  // namespace

std::string MatchHeader(const std::string& home, const std::string& away) {
  return "\t" + home + "\t\t\t\t\t" + away + "\r\n" +
         "\tR\tCalciatore\tVoto\tBonus\tFantaVoto\tR\tCalciatore\tVoto\tBonus\tFantaVoto\r\n";
}

std::string ResultsExport(int matchday, const std::vector<ExportBlock>& matches) {
  std::string text = "Giornata " + std::to_string(matchday) + "\r\n";
  for (const ExportBlock& m : matches) {
    text += MatchHeader(m.home, m.away);
    for (const auto& [home, away] : m.players) {
      text += "\t" + Column(home) + "\t" + Column(away) + "\r\n";
    }
    text += SidesLine("Totale squadra", m.home_total, m.away_total);
    text += SidesLine("Gol", m.home_goals, m.away_goals);
    std::string bench = "Sostituiti, panchina e tribuna";
    text += "\t" + bench + "\t\t\t\t\t" + bench + "\r\n\r\n";
  }
  return text + "EOF\r\n";
}

ExportBlock AlfaBeta(bool forwards) {
  ExportBlock m{"Alfa", "Beta", {{{"P", "UNO A.", "6", "0", "6"}, {"P", "DUE B.", "6", "0", "6"}}},
                "6", "6", "0", "0"};
  if (!forwards) return m;
  m.players.push_back({{"A", "TRE C.", "7", "3", "10"}, {"A", "QUATTRO D.", "6", "0", "6"}});
  m.home_total = "16";
  m.away_total = "12";
  m.home_goals = "1";
  return m;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

bool FileExists(const std::string& path) { return fs::exists(path); }

std::vector<std::string> FileNamesIn(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace corvalis::e2e
