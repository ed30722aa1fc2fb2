#include "fuzz_league.h"

namespace corvalis::fuzz {

std::string LeaguePath(const std::string& name) {
  return std::string(kLeagueFolder) + "\\" + name;
}

std::string Bytes(const uint8_t* data, size_t size) {
  return std::string(reinterpret_cast<const char*>(data), size);
}

const std::string& FixedConf() {
  static const std::string conf =
      // The demo league, and its accented and quoted names in UTF-8.
      "Olimpia Birra\r\nFulham Cotechino\r\nNizza Panettone\r\nStella Rossa Bar\r\n"
      "Bayer Neverlusa\r\nSevilla Ragu\r\nInter Nos\r\nCeltic Risotto\r\n"
      "Olimpia Birr&agrave;\r\nStella \xC3\x89LITE Bar\r\nSevilla Rag\xC3\xB9\r\n"
      "Inter \"Nos\"\r\n"
      // The golden seasons.
      "Academica Risotto\r\nSporting Risotto\r\nAtletico Gorgonzola\r\nVis Carbonara\r\n"
      "Borussia Panettone\r\nBayer Grappa\r\n"
      "Virtus Tigre\r\nVirtus Arancino\r\nReal Arancino\r\nDinamo Polenta\r\n"
      // The cup matchday, rankings and rating leagues.
      "Alfa Club\r\nBeta United\r\nGamma\r\nDelta\r\nAlfa Bar\r\nBeta Club\r\n"
      "Aquile\r\nBisonti\r\nCondor\r\nDelfini\r\n"
      "*\r\n"
      "3 4 3 0\r\n3 5 2 0\r\n4 3 3 0\r\n4 4 2 0\r\n4 5 1 0.5\r\n5 3 2 0\r\n5 4 1 0\r\n";
  return conf;
}

std::unique_ptr<FakeEnv> FixedLeagueEnv() {
  auto env = std::make_unique<FakeEnv>(kLeagueFolder);
  env->AddFile(LeaguePath("conf.txt"), FixedConf());
  return env;
}

const League& FixedLeague() {
  static const League* league = [] {
    auto env = FixedLeagueEnv();
    return new League(ReadLeague(*env));
  }();
  return *league;
}

namespace {

constexpr std::string_view kOpen = "==> ";
constexpr std::string_view kClose = " <==";

// The file name of a header line (its line end removed), or nothing.
bool HeaderName(std::string_view line, std::string* name) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  if (line.size() < kOpen.size() + kClose.size()) return false;
  if (line.substr(0, kOpen.size()) != kOpen) return false;
  if (line.substr(line.size() - kClose.size()) != kClose) return false;
  *name = std::string(line.substr(kOpen.size(), line.size() - kOpen.size() - kClose.size()));
  return true;
}

}  // namespace

std::vector<BundleFile> SplitBundle(std::string_view input) {
  std::vector<BundleFile> files;
  BundleFile* current = nullptr;
  size_t at = 0;
  while (at < input.size()) {
    size_t end = input.find('\n', at);
    size_t next = end == std::string_view::npos ? input.size() : end + 1;
    std::string_view line = input.substr(at, (end == std::string_view::npos ? next : end) - at);
    std::string name;
    if (HeaderName(line, &name)) {
      files.push_back({name, ""});
      current = &files.back();
    } else if (current != nullptr) {
      current->bytes.append(input.substr(at, next - at));
    }
    at = next;
  }
  std::vector<BundleFile> kept;
  for (BundleFile& file : files) {
    if (!file.name.empty()) kept.push_back(std::move(file));
  }
  return kept;
}

}  // namespace corvalis::fuzz
