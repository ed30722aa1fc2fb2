// What faults must not do to a league: a run killed at any moment, two runs
// at once, links planted where pages go, a read-only web folder, a size
// limit, a FIFO or a device where an input should be. The league is a
// generated one whose last matchday is new: every page the run writes has
// an old version (without that matchday) and a new one, and after any fault
// each page must be one of the two, whole.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <random>
#include <regex>
#include <set>

#include "e2e_support.h"
#include "platform/file_names.h"
#include "season_generator.h"

namespace corvalis::e2e {
namespace {

namespace fs = std::filesystem;
using Snapshot = std::map<std::string, std::string>;  // "folder/name" -> bytes

bool IsLink(const std::string& path) {
  struct stat st;
  return lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

// The league's files and the outputs of its two versions, made once for
// all the tests (the pages name no folder, so they hold for any copy).
struct League {
  std::map<std::string, std::string> inputs;  // conf.txt without its folders
  std::string last_export;
  Snapshot old_pages;
  Snapshot new_pages;
  std::chrono::steady_clock::duration run_time{};
};

// A copy of the league in fresh folders, with the runs on it.
class LeagueCopy {
 public:
  explicit LeagueCopy(const League& league) : league_(league) {
    fs::create_directories(web_);
    fs::create_directories(js_);
  }

  // The league's input files, conf.txt sending the copies to this copy's
  // web and script folders.
  void WriteInputs() {
    for (const auto& [name, bytes] : league_.inputs) {
      std::string text = bytes;
      if (name == "conf.txt") {
        text.insert(text.find("*\r\n") + 3, "DIR " + web_ + "\r\nDJS " + js_ + "\r\n");
      }
      WriteFile(home_.File(name), text);
    }
  }

  std::vector<std::string> Args() const { return {"--home", home_.path()}; }
  RunResult RunLeague(const ChildOptions& options = {}) {
    return RunProgram(work_.path(), Args(), options);
  }

  // Every file the runs write, in the four folders they write to.
  Snapshot Outputs() const {
    Snapshot files;
    for (const auto& [label, folder] : Folders()) {
      for (const std::string& name : FileNamesIn(folder)) {
        std::string path = folder + "/" + name;
        if (label == "home" && league_.inputs.count(name)) continue;
        if (fs::is_directory(path)) continue;
        files[label + "/" + name] = IsLink(path) ? "link" : ReadFile(path);
      }
    }
    return files;
  }
  std::vector<std::pair<std::string, std::string>> Folders() const {
    return {{"home", home_.path()}, {"web", web_}, {"js", js_}, {"work", work_.path()}};
  }
  std::string PathOf(const std::string& key) const {
    size_t slash = key.find('/');
    for (const auto& [label, folder] : Folders()) {
      if (label == key.substr(0, slash)) return folder + key.substr(slash);
    }
    return "";
  }

 protected:
  const League& league_;
  ScratchFolder home_;  // program folder and source folder
  ScratchFolder work_;  // working folder
  std::string web_ = home_.File("web");
  std::string js_ = home_.File("js");
};

class FaultE2eTest : public ::testing::Test, protected LeagueCopy {
 protected:
  static void SetUpTestSuite() {
    league_data_ = new League;
    League& league = *league_data_;
    ScratchFolder generated;
    tools::LeagueShape shape;
    shape.seed = 11;
    shape.teams = 8;
    shape.matchdays = 12;
    tools::WriteSeason(shape, generated.path());
    std::regex export_name(".*Risultati([0-9]+)\\.tab");
    std::smatch match;
    for (const std::string& name : FileNamesIn(generated.path())) {
      league.inputs[name] = ReadFile(generated.File(name));
      if (std::regex_match(name, match, export_name) && std::stoi(match[1]) == shape.matchdays) {
        league.last_export = name;
      }
    }
    LeagueCopy copy(league);
    copy.WriteInputs();
    // The old pages: a run without the last matchday.
    fs::remove(copy.PathOf("home/" + league.last_export));
    ASSERT_EQ(copy.RunLeague().status, 0);
    league.old_pages = copy.Outputs();
    copy.WriteInputs();
    auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(copy.RunLeague().status, 0);
    league.run_time = std::chrono::steady_clock::now() - start;
    league.new_pages = copy.Outputs();
    ASSERT_NE(league.old_pages, league.new_pages);
  }
  static void TearDownTestSuite() {
    delete league_data_;
    league_data_ = nullptr;
  }

  FaultE2eTest()
      : LeagueCopy(*league_data_),
        last_export_(league_.last_export),
        old_(league_.old_pages),
        new_(league_.new_pages),
        run_time_(league_.run_time) {}
  void SetUp() override {
    WriteInputs();
    Restore(old_);
  }

  // Puts the pages of `pages` back, removing the other pages of either
  // version; temporary files stay, for the next run to clean.
  void Restore(const Snapshot& pages) {
    for (const Snapshot* version : {&old_, &new_}) {
      for (const auto& [key, bytes] : *version) fs::remove(PathOf(key));
    }
    for (const auto& [key, bytes] : pages) WriteFile(PathOf(key), bytes);
  }

  // Every page is its old or its new version, whole; none of the old ones
  // went missing; nothing else is there but temporary files (if allowed).
  void ExpectOldOrNew(bool temporary_files_allowed, const std::string& when) {
    Snapshot now = Outputs();
    for (const auto& [key, bytes] : now) {
      std::string name = key.substr(key.find('/') + 1);
      if (IsTemporaryFileName(name)) {
        EXPECT_TRUE(temporary_files_allowed) << key << " left " << when;
        continue;
      }
      bool is_old = old_.count(key) && old_.at(key) == bytes;
      bool is_new = new_.count(key) && new_.at(key) == bytes;
      EXPECT_TRUE(is_old || is_new) << key << " is neither old nor new " << when;
    }
    for (const auto& [key, bytes] : old_) {
      if (!new_.count(key)) continue;  // an old archive copy no run touches
      EXPECT_TRUE(now.count(key)) << key << " went missing " << when;
    }
  }
  void ExpectNew(const std::string& when) { EXPECT_EQ(Outputs(), new_) << when; }

  static League* league_data_;
  const std::string& last_export_;
  const Snapshot& old_;
  const Snapshot& new_;
  std::chrono::steady_clock::duration run_time_;
};

League* FaultE2eTest::league_data_ = nullptr;

TEST_F(FaultE2eTest, RunsKilledAtAnyMomentLeaveEveryPageOldOrNew) {
  std::mt19937 random(5);
  const int kKills = 10;
  long long span = std::chrono::duration_cast<std::chrono::microseconds>(run_time_).count();
  for (int k = 0; k < kKills; ++k) {
    Restore(old_);
    std::uniform_int_distribution<long long> jitter(0, span / kKills);
    Child child = StartProgram(work_.path(), Args());
    usleep(static_cast<useconds_t>(span * k / kKills + jitter(random)));
    kill(child.pid, SIGKILL);
    WaitProgram(child);
    ExpectOldOrNew(true, "after kill " + std::to_string(k));
  }
  // The next run completes and removes what the killed ones left.
  RunResult run = RunLeague();
  EXPECT_EQ(run.status, 0) << run.err;
  ExpectNew("after the run that follows the kills");
}

TEST_F(FaultE2eTest, OverlappingRunsOneRefusedOrBothWhole) {
  const std::string busy = "Corvalis e' gia' in esecuzione sulla lega della cartella " +
                           home_.path() +
                           ": questa esecuzione termina senza modificare alcun file "
                           "(riprovare quando l'altra sara' finita)\n";
  for (int pair = 0; pair < 4; ++pair) {
    Restore(old_);
    Child first = StartProgram(work_.path(), Args());
    Child second = StartProgram(work_.path(), Args());
    RunResult a = WaitProgram(first);
    RunResult b = WaitProgram(second);
    for (const RunResult* run : {&a, &b}) {
      ASSERT_TRUE(run->status == 0 || run->status == 2) << run->err;
      if (run->status == 2) {
        EXPECT_EQ(run->err, busy);
        EXPECT_EQ(run->out, "");
      }
    }
    EXPECT_FALSE(a.status == 2 && b.status == 2) << "both refused";
    ExpectNew("after pair " + std::to_string(pair));
  }
}

TEST_F(FaultE2eTest, ARunInProgressKeepsASecondOneFromTouchingAnything) {
  std::string stale = web_ + "/.htcorvalis-00000000000000aa.tmp";
  WriteFile(stale, "interrotto");
  // This test holds the league's lock, as a running program would.
  int lock = open(home_.path().c_str(), O_RDONLY | O_DIRECTORY);
  ASSERT_GE(lock, 0);
  ASSERT_EQ(flock(lock, LOCK_EX | LOCK_NB), 0);
  Snapshot before = Outputs();
  RunResult refused = RunLeague();
  EXPECT_EQ(refused.status, 2);
  EXPECT_NE(refused.err.find("e' gia' in esecuzione sulla lega della cartella " +
                             home_.path() + ":"),
            std::string::npos)
      << refused.err;
  EXPECT_EQ(Outputs(), before);  // no page, no copy, no cleaning

  close(lock);
  EXPECT_EQ(RunLeague().status, 0);
  ExpectNew("once the lock is free");
}

TEST_F(FaultE2eTest, PlantedLinksAreReplacedOrLeftNeverFollowed) {
  ScratchFolder outside;
  const std::vector<std::string> targets = {"pagina", "temporaneo", "sorgente", "vecchio"};
  for (const std::string& name : targets) WriteFile(outside.File(name), "da non toccare");
  auto plant = [&](const std::string& target, const std::string& link) {
    fs::remove(link);
    ASSERT_EQ(symlink(outside.File(target).c_str(), link.c_str()), 0) << link;
  };
  plant("pagina", web_ + "/bestrose.htm");
  plant("temporaneo", web_ + "/.htcorvalis-0123456789abcdef.tmp");
  plant("sorgente", home_.File(".htcorvalis-fedcba9876543210.tmp"));
  plant("vecchio", web_ + "/corvalis.htm.tmp-corvalis");  // the earlier naming

  RunResult run = RunLeague();
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(FileNamesIn(outside.path()), (std::vector<std::string>{
                                             "pagina", "sorgente", "temporaneo", "vecchio"}));
  for (const std::string& name : targets) {
    EXPECT_EQ(ReadFile(outside.File(name)), "da non toccare") << name;
  }
  // The page replaced the link; the links under other names stay links.
  EXPECT_FALSE(IsLink(web_ + "/bestrose.htm"));
  EXPECT_EQ(ReadFile(web_ + "/bestrose.htm"), new_.at("web/bestrose.htm"));
  EXPECT_TRUE(IsLink(web_ + "/.htcorvalis-0123456789abcdef.tmp"));
  EXPECT_TRUE(IsLink(home_.File(".htcorvalis-fedcba9876543210.tmp")));
}

TEST_F(FaultE2eTest, ReadOnlyWebFolderStopsTheRunWithTheSourcePagesWhole) {
  // Running as root, the program runs as "nobody", for whom the folder is
  // read-only too; the other folders must then be open to it.
  for (const std::string& folder : {home_.path(), work_.path(), js_}) {
    fs::permissions(folder, fs::perms::all);
  }
  fs::permissions(web_, fs::perms::owner_read | fs::perms::owner_exec |
                            fs::perms::group_read | fs::perms::group_exec |
                            fs::perms::others_read | fs::perms::others_exec);
  ChildOptions options;
  options.unprivileged = true;
  RunResult run = RunLeague(options);
  fs::permissions(web_, fs::perms::owner_all);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "Impossibile copiare il file " + home_.File("bestrose.htm") + " in " +
                         web_ + "/bestrose.htm: Permission denied\n");
  Snapshot now = Outputs();
  for (const auto& [key, bytes] : new_) {
    if (key.rfind("home/", 0) == 0) {
      EXPECT_EQ(now[key], bytes) << key;
    } else if (key.rfind("web/", 0) == 0) {
      EXPECT_EQ(now[key], old_.at(key)) << key;
    }
  }
  ExpectOldOrNew(false, "after the refused copy");
}

TEST_F(FaultE2eTest, SizeLimitStopsTheRunNamingTheFile) {
  size_t largest = 0;
  for (const auto& [key, bytes] : new_) largest = std::max(largest, bytes.size());
  ChildOptions options;
  options.file_size_limit = static_cast<long long>(largest / 2);
  RunResult run = RunLeague(options);
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.signal, 0);  // not killed by SIGXFSZ
  std::smatch match;
  ASSERT_TRUE(std::regex_match(run.err, match,
                               std::regex("Impossibile scrivere il file (.*): File too large\n")))
      << run.err;
  std::string failed = match[1];
  ASSERT_EQ(failed.rfind(home_.path() + "/", 0), 0u) << failed;
  std::string key = "home/" + failed.substr(home_.path().size() + 1);
  EXPECT_EQ(ReadFile(failed), old_.at(key));  // the old page, whole
  ExpectOldOrNew(false, "after the size limit");
}

TEST_F(FaultE2eTest, FifoOrDeviceInPlaceOfAnInputNeverHangs) {
  std::string conf = ReadFile(home_.File("conf.txt"));
  fs::remove(home_.File("conf.txt"));
  ASSERT_EQ(mkfifo(home_.File("conf.txt").c_str(), 0644), 0);
  RunResult fifo = WaitProgram(StartProgram(work_.path(), Args()), 10000);
  EXPECT_FALSE(fifo.timed_out);
  EXPECT_EQ(fifo.status, 2);
  EXPECT_EQ(fifo.err, "Impossibile leggere il file di configurazione " +
                          home_.File("conf.txt") + ": e' una FIFO, non un file\n");

  fs::remove(home_.File("conf.txt"));
  ASSERT_EQ(symlink("/dev/zero", home_.File("conf.txt").c_str()), 0);
  RunResult device = WaitProgram(StartProgram(work_.path(), Args()), 10000);
  EXPECT_FALSE(device.timed_out);
  EXPECT_EQ(device.status, 2);
  EXPECT_NE(device.err.find(": e' un dispositivo, non un file"), std::string::npos)
      << device.err;
  ExpectOldOrNew(false, "after the refused inputs");

  // A FIFO under an export's name is no export: the folder listing takes
  // plain files only, so the run goes on as without that matchday.
  fs::remove(home_.File("conf.txt"));
  WriteFile(home_.File("conf.txt"), conf);
  fs::remove(home_.File(last_export_));
  ASSERT_EQ(mkfifo(home_.File(last_export_).c_str(), 0644), 0);
  RunResult export_fifo = WaitProgram(StartProgram(work_.path(), Args()), 10000);
  EXPECT_FALSE(export_fifo.timed_out);
  EXPECT_EQ(export_fifo.status, 0) << export_fifo.err;
  EXPECT_EQ(Outputs(), old_);
}

TEST_F(FaultE2eTest, AHugeInputLineGivesShortWarnings) {
  WriteFile(home_.File("cred.txt"), std::string(1 << 20, 'x') + "\r\n");
  RunResult run = RunLeague();
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err,
            "La riga 1 del file " + home_.File("cred.txt") +
                " e' piu' lunga di 65536 byte: ne sono letti solo i primi 65536\n"
                "Riga 1 del file " + home_.File("cred.txt") +
                " senza le due coppie di parentesi: \"" + std::string(80, 'x') + "...\"\n");
}

}  // namespace
}  // namespace corvalis::e2e
