#include "driver/command_line.h"

namespace corvalis {

const char kVersionText[] = "Corvalis 17.1";

const char kUsageText[] =
    "Uso: corvalis [--home CARTELLA] [--preview CARTELLA] [--console] [--help]\n"
    "              [--version]\n"
    "  senza opzioni  legge conf.txt dalla cartella del programma e genera le\n"
    "                 statistiche della lega\n"
    "  --home CARTELLA  usa CARTELLA al posto della cartella del programma\n"
    "                   (conf.txt, cartella sorgente predefinita, Listino.exe);\n"
    "                   anche --home=CARTELLA\n"
    "  --preview CARTELLA  dopo la generazione scrive in CARTELLA una copia\n"
    "                   statica del sito (index.html, grafici.htm, stile e\n"
    "                   script), da aprire dal disco senza PHP; anche\n"
    "                   --preview=CARTELLA\n"
    "  --console      messaggi sulla console invece che in finestre (Windows)\n"
    "  --help         mostra questo aiuto\n"
    "  --version      mostra la versione";

namespace {

// An option that names a folder without one: refused, never taken for the
// program's own folder or the working folder.
CommandLine MissingFolder(const std::string& option) {
  CommandLine result;
  result.action = CommandLine::kBadUsage;
  result.error = "L'opzione " + option + " richiede una cartella";
  return result;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
  CommandLine result;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--home") {
      if (i + 1 == args.size() || args[i + 1].empty()) return MissingFolder("--home");
      result.env.home = args[++i];
    } else if (arg.rfind("--home=", 0) == 0) {
      if (arg.size() == 7) return MissingFolder("--home");
      result.env.home = arg.substr(7);
    } else if (arg == "--preview") {
      if (i + 1 == args.size() || args[i + 1].empty()) return MissingFolder("--preview");
      result.preview_folder = args[++i];
    } else if (arg.rfind("--preview=", 0) == 0) {
      if (arg.size() == 10) return MissingFolder("--preview");
      result.preview_folder = arg.substr(10);
    } else if (arg == "--console") {
      result.env.console = true;
    } else if (arg == "--help" || arg == "-h") {
      result.action = CommandLine::kHelp;
    } else if (arg == "--version") {
      if (result.action != CommandLine::kHelp) result.action = CommandLine::kVersion;
    } else {
      result.action = CommandLine::kBadUsage;
      result.error = "Opzione sconosciuta: " + arg;
      return result;
    }
  }
  return result;
}

}  // namespace corvalis
