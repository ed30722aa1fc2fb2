// Malformed exports: truncated, reordered, mangled and binary lines must end
// the reading, and the whole run, with a message or normally, never with a
// crash (run this under the sanitizers to catch memory faults too).
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <memory>
#include <random>
#include <sstream>

#include "driver/run.h"
#include "input/results_export.h"
#include "platform/fake_env.h"
#include "platform/file_names.h"
#include "rating/rating_reading.h"
#include "util/run_stop.h"

namespace corvalis {
namespace {

std::vector<std::string> SampleLines(const std::string& name) {
  std::ifstream in(std::string(CORVALIS_SOURCE_DIR) + "/examples/fantabar/" + name,
                   std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return SplitLines(out.str());
}

class Mutator {
 public:
  explicit Mutator(unsigned seed) : rng_(seed) {}

  std::vector<std::string> Mutate(std::vector<std::string> lines) {
    int steps = Pick(1, 4);
    for (int i = 0; i < steps && !lines.empty(); ++i) {
      size_t at = static_cast<size_t>(Pick(0, static_cast<int>(lines.size()) - 1));
      switch (Pick(0, 7)) {
        case 0: lines.resize(at); break;                             // truncated file
        case 1: lines[at].resize(static_cast<size_t>(Pick(0, static_cast<int>(lines[at].size())))); break;
        case 2: std::swap(lines[at], lines[static_cast<size_t>(Pick(0, static_cast<int>(lines.size()) - 1))]); break;
        case 3: lines.erase(lines.begin() + static_cast<long>(at)); break;
        case 4: lines.insert(lines.begin() + static_cast<long>(at), lines[at]); break;
        case 5: lines.insert(lines.begin() + static_cast<long>(at), RandomBytes()); break;
        case 6: lines[at] = ReplaceField(lines[at]); break;
        case 7: std::shuffle(lines.begin() + static_cast<long>(at), lines.end(), rng_); break;
      }
    }
    return lines;
  }

 private:
  int Pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }

  std::string RandomBytes() {
    std::string bytes(static_cast<size_t>(Pick(0, 60)), '\0');
    for (char& c : bytes) c = static_cast<char>(Pick(0, 255));
    if (Pick(0, 1)) bytes = "\t" + bytes;
    return bytes;
  }

  std::string ReplaceField(const std::string& line) {
    static const char* kTexts[] = {"", "sv/ng", "999", "-9999", "1e308", "99999999999999999999",
                                   ",,,", "-", ".", "Totale squadra", "Gol", "EOF", "R",
                                   "Sostituiti, panchina e tribuna", "Olimpia Birra", "\t\t\t"};
    std::vector<std::string> fields;
    std::string field;
    for (char c : line) {
      if (c == '\t') {
        fields.push_back(field);
        field.clear();
      } else {
        field += c;
      }
    }
    fields.push_back(field);
    fields[static_cast<size_t>(Pick(0, static_cast<int>(fields.size()) - 1))] =
        kTexts[Pick(0, sizeof(kTexts) / sizeof(kTexts[0]) - 1)];
    std::string out;
    for (size_t i = 0; i < fields.size(); ++i) out += (i ? "\t" : "") + fields[i];
    return out;
  }

  std::mt19937 rng_;
};

TEST(ResultsReaderFuzzTest, MalformedExportsNeverCrash) {
  FakeEnv env;
  League league = ParseLeague(SampleLines("conf.txt"), "conf.txt", "C:\\lega", env);
  std::vector<std::vector<std::string>> files;
  for (int g = 1; g <= 6; ++g) {
    files.push_back(SampleLines("fantabar_Risultati" + std::to_string(g) + ".tab"));
    ASSERT_FALSE(files.back().empty());
  }
  int stopped = 0;
  for (unsigned seed = 1; seed <= 400; ++seed) {
    Mutator mutator(seed);
    RatingReadingState state;
    state.rating.teams.resize(league.num_teams() + 1);
    try {
      for (int g = 1; g <= 3; ++g) {
        MatchdayExport day =
            ParseExport(mutator.Mutate(files[(seed + g) % files.size()]), league, g);
        ReadForRating(env, league, day, state);
      }
    } catch (const RunStop& stop) {
      ++stopped;
      EXPECT_NE(std::string(stop.what()), "") << seed;
    }
  }
  // Some mutations must have reached the messages that end a run.
  EXPECT_GT(stopped, 0);
}

TEST(RunFuzzTest, WholeRunsOnMalformedExportsEndWithAMessageOrNormally) {
  std::vector<std::string> names = {"conf.txt", "cred.txt", "Panchine.txt"};
  for (int g = 1; g <= 6; ++g) names.push_back("fantabar_Risultati" + std::to_string(g) + ".tab");
  std::map<std::string, std::vector<std::string>> sample;
  for (const std::string& name : names) sample[name] = SampleLines(name);
  int completed = 0;
  for (unsigned seed = 1; seed <= 150; ++seed) {
    Mutator mutator(seed);
    FakeEnv env("C:\\lega");
    for (const auto& [name, lines] : sample) {
      bool mangle = name.find(".tab") != std::string::npos ? seed % 3 != 0 : seed % 7 == 0;
      env.AddLines("C:\\lega\\" + name, mangle && name != "conf.txt" ? mutator.Mutate(lines)
                                                                       : lines);
    }
    ExitStatus status = RunAndReport(env);
    ASSERT_NE(status, kExitPlatform) << "seed " << seed << ": " << env.MessageTexts().back();
    if (status == kExitDone) ++completed;
  }
  EXPECT_GT(completed, 0);
}

}  // namespace
}  // namespace corvalis
