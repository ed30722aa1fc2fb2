// corvalis_seasongen: writes a generated league folder.
//   corvalis_seasongen --seed N --teams T --matchdays M [--missing P] [--sq] [--exponent E]
//                      [--no-cred] [--no-panchine] [--no-section3] FOLDER
#include <cstdlib>
#include <iostream>
#include <string>

#include "season_generator.h"

int main(int argc, char** argv) {
  corvalis::tools::LeagueShape shape;
  std::string folder;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    auto value = [&]() -> std::string {
      if (i + 1 >= argc) {
        std::cerr << "manca il valore di " << arg << "\n";
        std::exit(2);
      }
      return argv[++i];
    };
    if (arg == "--seed") shape.seed = static_cast<unsigned>(std::stoul(value()));
    else if (arg == "--teams") shape.teams = std::stoi(value());
    else if (arg == "--matchdays") shape.matchdays = std::stoi(value());
    else if (arg == "--players") shape.players_per_team = std::stoi(value());
    else if (arg == "--missing") shape.missing_matchday_chance = std::stod(value());
    else if (arg == "--cup") shape.cup_match_chance = std::stod(value());
    else if (arg == "--sq") shape.sq = true;
    else if (arg == "--exponent") shape.gap_exponent = value();
    else if (arg == "--no-cred") shape.cred = false;
    else if (arg == "--no-panchine") shape.panchine = false;
    else if (arg == "--no-section3") shape.section3 = false;
    else if (!arg.empty() && arg[0] != '-' && folder.empty()) folder = arg;
    else {
      std::cerr << "uso: corvalis_seasongen [--seed N] [--teams T] [--matchdays M] "
                   "[--players P] [--missing P] [--cup P] [--sq] [--exponent E] [--no-cred] "
                   "[--no-panchine] [--no-section3] CARTELLA\n";
      return 2;
    }
  }
  if (folder.empty()) {
    std::cerr << "manca la cartella\n";
    return 2;
  }
  try {
    int files = corvalis::tools::WriteSeason(shape, folder);
    std::cout << files << " giornate scritte in " << folder << "\n";
  } catch (const std::exception& e) {
    std::cerr << e.what() << "\n";
    return 2;
  }
  return 0;
}
