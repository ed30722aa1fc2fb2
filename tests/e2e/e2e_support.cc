#include "e2e_support.h"

#include <sys/stat.h>
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace corvalis::e2e {
namespace fs = std::filesystem;

namespace {

std::string Quote(const std::string& text) {
  std::string out = "'";
  for (char c : text) {
    if (c == '\'') out += "'\\''";
    else out += c;
  }
  return out + "'";
}

}  // namespace

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

RunResult RunProgram(const std::string& cwd, const std::vector<std::string>& args) {
  std::string out_file = cwd + "/.corvalis-stdout";
  std::string err_file = cwd + "/.corvalis-stderr";
  std::string command = "cd " + Quote(cwd) + " && " + Quote(CORVALIS_BINARY);
  for (const std::string& arg : args) command += " " + Quote(arg);
  command += " > " + Quote(out_file) + " 2> " + Quote(err_file) + " < /dev/null";
  int raw = std::system(command.c_str());
  RunResult result;
  result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  result.out = ReadFile(out_file);
  result.err = ReadFile(err_file);
  fs::remove(out_file);
  fs::remove(err_file);
  return result;
}

void RunAndCompare(const std::string& league, const std::string& expected,
                   const std::vector<std::string>& files) {
  ScratchFolder home;
  CopyFolder(RepoPath(league), home.path());
  RunResult run = RunProgram(home.path(), {"--home", home.path()});
  ASSERT_EQ(run.status, 0) << run.err;
  for (const std::string& file : files) {
    EXPECT_EQ(ReadFile(home.File(file)), ReadFile(RepoPath(expected + "/" + file))) << file;
  }
}

void RunAndCompareEveryFile(const std::string& league, const std::string& expected) {
  ScratchFolder home;
  CopyFolder(RepoPath(league), home.path());
  std::vector<std::string> inputs = FileNamesIn(home.path());

  RunResult run = RunProgram(home.path(), {"--home", home.path()});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");

  std::vector<std::string> outputs = FileNamesIn(RepoPath(expected));
  std::vector<std::string> all = inputs;
  all.insert(all.end(), outputs.begin(), outputs.end());
  std::sort(all.begin(), all.end());
  EXPECT_EQ(FileNamesIn(home.path()), all);
  for (const std::string& name : outputs) {
    EXPECT_EQ(ReadFile(home.File(name)), ReadFile(RepoPath(expected + "/" + name))) << name;
  }
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
