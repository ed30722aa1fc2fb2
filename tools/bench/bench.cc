// corvalis_bench: times whole runs of the program on generated leagues and
// prints wall time, CPU time, minor page faults, peak memory and, where
// valgrind is installed, the instructions one run executes (callgrind, the
// figure that does not depend on what else the machine is doing). It
// measures; it never fails on a figure.
//   corvalis_bench [--runs N] [--no-callgrind] [PATH_TO_CORVALIS]
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "season_generator.h"

namespace {

namespace fs = std::filesystem;
using corvalis::tools::LeagueShape;

struct Sample {
  double ms;      // wall time
  double cpu_ms;  // user and system time of the program
  long peak_kb;
  long minor_faults;
};

// One run of the program in `folder`, measured from fork to exit.
Sample RunOnce(const std::string& binary, const std::string& folder) {
  std::fflush(stdout);  // the child must not inherit unwritten output
  auto start = std::chrono::steady_clock::now();
  pid_t pid = fork();
  if (pid == 0) {
    if (chdir(folder.c_str()) != 0) _exit(127);
    FILE* null_out = std::freopen("/dev/null", "w", stdout);
    FILE* null_err = std::freopen("/dev/null", "w", stderr);
    (void)null_out;
    (void)null_err;
    execl(binary.c_str(), binary.c_str(), "--home", folder.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  struct rusage usage {};
  wait4(pid, &status, 0, &usage);
  auto end = std::chrono::steady_clock::now();
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "la corsa in %s non e' terminata con stato 0\n", folder.c_str());
  }
  auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
  return {std::chrono::duration<double, std::milli>(end - start).count(),
          ms(usage.ru_utime) + ms(usage.ru_stime), usage.ru_maxrss, usage.ru_minflt};
}

// Instructions of one run as callgrind counts them, or -1 without valgrind.
long long Instructions(const std::string& binary, const std::string& folder) {
  std::string log = folder + "/.callgrind-log";
  std::string command = "cd '" + folder + "' && valgrind --tool=callgrind " +
                        "--callgrind-out-file=/dev/null --log-file='" + log + "' '" + binary +
                        "' --home '" + folder + "' >/dev/null 2>&1";
  if (std::system(command.c_str()) != 0) return -1;
  FILE* file = std::fopen(log.c_str(), "r");
  if (file == nullptr) return -1;
  long long collected = -1;
  char line[512];
  while (std::fgets(line, sizeof line, file) != nullptr) {
    const char* found = std::strstr(line, "Collected : ");
    if (found != nullptr) collected = std::atoll(found + std::strlen("Collected : "));
  }
  std::fclose(file);
  std::remove(log.c_str());
  return collected;
}

bool HaveValgrind() { return std::system("valgrind --version >/dev/null 2>&1") == 0; }

void Measure(const std::string& binary, const std::string& label, LeagueShape shape, int runs,
             bool callgrind) {
  fs::path folder = fs::temp_directory_path() /
                    ("corvalis-bench-" + std::to_string(getpid()) + "-" + label);
  fs::remove_all(folder);
  fs::create_directories(folder);
  corvalis::tools::WriteSeason(shape, folder.string());
  RunOnce(binary, folder.string());  // warm the file cache
  std::vector<Sample> samples;
  for (int i = 0; i < runs; ++i) samples.push_back(RunOnce(binary, folder.string()));
  auto median = [&](auto field) {
    std::vector<double> values;
    for (const Sample& sample : samples) values.push_back(field(sample));
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
  };
  double wall = median([](const Sample& x) { return x.ms; });
  double cpu = median([](const Sample& x) { return x.cpu_ms; });
  double faults = median([](const Sample& x) { return static_cast<double>(x.minor_faults); });
  double best = wall;
  long peak = 0;
  for (const Sample& sample : samples) {
    best = std::min(best, sample.ms);
    peak = std::max(peak, sample.peak_kb);
  }
  std::string instructions = "-";
  if (callgrind) {
    long long count = Instructions(binary, folder.string());
    if (count >= 0) instructions = std::to_string((count + 500000) / 1000000) + " M";
  }
  std::printf("%-26s %2d squadre %2d giornate  tempo mediana %7.2f ms  minimo %7.2f ms  "
              "cpu mediana %7.2f ms  page fault minori %5.0f  memoria di picco %5.2f MB  "
              "istruzioni %s\n",
              label.c_str(), shape.teams, shape.matchdays, wall, best, cpu, faults,
              peak / 1024.0, instructions.c_str());
  fs::remove_all(folder);
}

}  // namespace

int main(int argc, char** argv) {
  int runs = 15;
  bool callgrind = true;
  std::string binary = "build/corvalis";
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--runs" && i + 1 < argc) {
      runs = std::max(1, std::atoi(argv[++i]));
    } else if (arg == "--no-callgrind") {
      callgrind = false;
    } else {
      binary = arg;
    }
  }
  binary = fs::absolute(binary).string();
  if (!fs::exists(binary)) {
    std::fprintf(stderr, "programma non trovato: %s\n", binary.c_str());
    return 2;
  }
  callgrind = callgrind && HaveValgrind();
  std::printf("Corse per misura: %d (tempo dal lancio all'uscita del programma); "
              "istruzioni: %s\n",
              runs, callgrind ? "una corsa sotto callgrind" : "non misurate (manca valgrind)");

  LeagueShape typical;
  typical.seed = 7;
  typical.teams = 10;
  typical.matchdays = 38;
  Measure(binary, "lega tipica", typical, runs, callgrind);

  LeagueShape largest;
  largest.seed = 11;
  largest.teams = 40;
  largest.matchdays = 42;
  largest.players_per_team = 25;  // 40 x 25 = the 1000 player rows of a season
  Measure(binary, "lega massima", largest, runs, callgrind);

  // The cost should grow linearly with the matchdays and with the teams.
  for (int matchdays : {10, 20, 40}) {
    LeagueShape shape = largest;
    shape.matchdays = matchdays;
    Measure(binary, "crescita, " + std::to_string(matchdays) + " giornate", shape, runs,
            callgrind);
  }
  for (int teams : {10, 20, 40}) {
    LeagueShape shape = largest;
    shape.teams = teams;
    Measure(binary, "crescita, " + std::to_string(teams) + " squadre", shape, runs, callgrind);
  }
  return 0;
}
