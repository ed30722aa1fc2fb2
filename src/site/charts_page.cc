#include "site/charts_page.h"

#include <string>

#include "rating/team_order.h"
#include "util/escaping.h"
#include "util/text.h"

namespace corvalis {

const ChartsPageLinks kWebFolderLinks = {"../js/", "fanta.php"};

namespace {

std::string Script(const std::string& source) {
  return "<script src=\"" + source + "\" type=\"text/javascript\"></script>";
}

// A figure of the page's own data: a number literal, or null for none.
std::string JsNumber(double value) { return PlainNumber(value); }

bool MatchdayHasResults(const SeasonStore& store, int g) {
  return store.num_teams > 0 && store.teamMatchday[1][g][kMdGap] != kNoFileGap;
}

// crvDatiGrafici: the matchdays with results, every team's gap on each of
// them (null: did not play) with its average gap, and the season Top 11.
void AddChartData(Lines& page, const SeasonStore& store) {
  std::string days;
  for (int g = 1; g <= kMatchdays; ++g) {
    if (!MatchdayHasResults(store, g)) continue;
    if (!days.empty()) days += ",";
    days += WholeText(g);
  }
  page.push_back("var crvDatiGrafici = {");
  page.push_back("ultimaGiornata: " + WholeText(store.last_matchday_read) + ",");
  page.push_back("giornate: [" + days + "],");
  page.push_back("squadre: [");
  for (int t = 1; t <= store.num_teams; ++t) {
    const SeasonRow& season = store.teamSeason[SortedRowOf(store, t)];
    std::string gaps;
    for (int g = 1; g <= kMatchdays; ++g) {
      if (!MatchdayHasResults(store, g)) continue;
      double gap = store.teamMatchday[t][g][kMdGap];
      if (!gaps.empty()) gaps += ",";
      gaps += gap == kDidNotPlay ? "null" : JsNumber(gap);
    }
    // Cut to hundredths, as the coach-rating page prints it.
    std::string average =
        season[kSnMatches] > 0 ? JsNumber(FloorHundredths(season[kSnAverageGap])) : "null";
    page.push_back("{nome: " + JsString(store.teamTitle[t], store.encoding) +
                   ", media: " + average + ", scarti: [" + gaps + "]}" +
                   (t < store.num_teams ? "," : ""));
  }
  page.push_back("],");
  page.push_back("top11Stagione: [");
  const TextTable& eleven = store.seasonTop11;
  for (int s = 1; s <= 11 && !eleven.at(s, 1).empty(); ++s) {
    bool last = s == 11 || eleven.at(s + 1, 1).empty();
    page.push_back("{ruolo: " + JsString(TrimSpaces(eleven.at(s, 1)), store.encoding) +
                   ", nome: " + JsString(TrimSpaces(eleven.at(s, 2)), store.encoding) +
                   ", squadra: " + JsString(eleven.at(s, 3), store.encoding) +
                   ", voto: " + JsValue(TrimSpaces(eleven.at(s, 4)), store.encoding) + "}" +
                   (last ? "" : ","));
  }
  page.push_back("]");
  page.push_back("};");
}

void AddSection(Lines& page, const std::string& id, const std::string& heading,
                const Lines& explanation, const Lines& chart) {
  page.push_back("<section class=\"crvSezione\" id=\"" + id + "\">");
  page.push_back("<h2>" + heading + "</h2>");
  for (const std::string& sentence : explanation) {
    page.push_back("<p class=\"crvSpiega\">" + sentence + "</p>");
  }
  page.insert(page.end(), chart.begin(), chart.end());
  page.push_back("</section>");
}

}  // namespace

Lines ChartsPage(const SeasonStore& store, const ChartsPageLinks& links) {
  const std::string& js = links.script_folder;
  std::string last_day = WholeText(store.last_matchday_read);
  Lines page = {
      "<!DOCTYPE html>",
      "<html lang=\"it\">",
      "<head>",
      std::string("<meta charset=\"") + CharsetName(store.encoding) + "\">",
      "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">",
      "<title>Grafici Corvalis</title>",
      "<link href=\"corvalis.css\" rel=\"stylesheet\" type=\"text/css\">",
      Script(js + "crvUtils.js"),
      // A site whose own crvUtils.js lacks the record constructors still
      // loads the data scripts without an error; the page then says that
      // the charts need the shipped library.
      "<script type=\"text/javascript\">",
      "if (typeof CvTot === 'undefined') { var CvTot = function () {}; }",
      "if (typeof Cv === 'undefined') { var Cv = function () {}; }",
      "if (typeof T11 === 'undefined') { var T11 = function () {}; }",
      "</script>",
      Script(js + "crvCorvalisTot.js"),
      Script(js + "crvCorvalisDati" + last_day + ".js"),
      Script(js + "crvTop11.js"),
      "<script type=\"text/javascript\">",
  };
  AddChartData(page, store);
  page.push_back("</script>");
  page.push_back("</head>");
  page.push_back("<body class=\"crvPagina\">");
  page.push_back("<h2 class=\"crvIntestazione intest\">Grafici della stagione</h2>");
  page.push_back("<p class=\"crvTorna\"><a href=\"" + links.index_page +
                 "\">&larr; Statistiche Corvalis</a></p>");
  page.push_back("<p id=\"crvSenzaLibreria\" class=\"crvAvviso\" style=\"display: none;\">"
                 "I grafici non si possono disegnare: manca crvUtils.js, oppure &egrave; "
                 "una versione che non contiene le funzioni dei grafici.</p>");

  std::string exponent;
  if (store.gap_exponent != 1) {
    exponent = " Nella nostra lega il risultato &egrave; poi elevato alla potenza " +
               PlainNumber(store.gap_exponent) +
               ", per accentuare le differenze tra gli allenatori.";
  }
  AddSection(
      page, "sezioneAllenatori", "Classifica allenatori: lo scarto pesato",
      {"Ogni giornata si cerca la formazione migliore che la rosa poteva schierare con i "
       "giocatori che hanno preso un voto, provando tutti i moduli della lega: la "
       "differenza tra quel punteggio massimo e il punteggio ottenuto davvero &egrave; lo "
       "<b>scarto</b> della giornata.",
       "Lo <b>scarto pesato</b> somma gli scarti di tutta la stagione e li divide per i "
       "voti validi in pi&ugrave; degli undici titolari di ogni partita: chi aveva tante "
       "alternative aveva pi&ugrave; occasioni di sbagliare, e cos&igrave; il confronto "
       "&egrave; alla pari." +
           exponent,
       "Barra pi&ugrave; corta, allenatore migliore (in verde il primo); n/d vuol dire "
       "che la squadra non ha mai avuto voti oltre gli undici titolari."},
      {"<div id=\"graficoAllenatori\" class=\"crvGrafico\"></div>"});
  AddSection(
      page, "sezioneGiornate", "Lo scarto giornata per giornata",
      {"Per ogni squadra una colonna per giornata: la sua altezza &egrave; lo scarto di "
       "quella giornata, cio&egrave; i punti rimasti fuori rispetto alla formazione "
       "migliore; nessuna colonna vuol dire formazione perfetta, una x una giornata non "
       "giocata.",
       "La linea tratteggiata &egrave; lo scarto medio: la somma dei massimi meno i "
       "punteggi ottenuti, divisa per le partite giocate. Tutte le squadre hanno la stessa "
       "scala, per confrontarle a colpo d'occhio."},
      {"<div id=\"graficoGiornate\" class=\"crvGrafico crvPiccoli\"></div>"});
  AddSection(
      page, "sezioneUltima", "Ultima giornata (" + last_day + "): punteggio e massimo",
      {"La barra scura &egrave; il punteggio ottenuto nella giornata " + last_day +
           ", compreso il bonus del modulo schierato; quella chiara arriva al massimo che "
           "la stessa rosa poteva fare.",
       "Il tratto chiaro che avanza &egrave; lo scarto della giornata; le squadre sono in "
       "ordine di scarto, dal pi&ugrave; piccolo."},
      {"<div id=\"graficoUltima\" class=\"crvGrafico\"></div>"});
  AddSection(
      page, "sezioneTop11", "Top 11",
      {"La Top 11 della stagione schiera i giocatori con la media fantavoto pi&ugrave; "
       "alta " +
           (store.min_presences <= 0
                ? std::string("tra tutti i giocatori")
                : "tra quelli con almeno " + WholeText(store.min_presences) +
                      (store.min_presences == 1 ? " presenza" : " presenze")) +
           ": il miglior portiere, i migliori tre difensori, tre centrocampisti "
           "e un attaccante, poi i migliori degli altri fino a undici, con al massimo tre "
           "attaccanti.",
       "Accanto, la Top 11 dell'ultima giornata, scelta allo stesso modo con il fantavoto "
       "della giornata. Nel cerchio c'&egrave; il voto."},
      {"<div class=\"crvCampi\">",
       "<div><h3>Stagione</h3><div id=\"graficoTop11Stagione\" class=\"crvGrafico\"></div>"
       "</div>",
       "<div><h3>Giornata " + last_day +
           "</h3><div id=\"graficoTop11Giornata\" class=\"crvGrafico\"></div></div>",
       "</div>"});

  page.push_back("<script type=\"text/javascript\">");
  page.push_back("if (typeof crvGrafici === 'object' && crvGrafici.disegna) {");
  page.push_back("  crvGrafici.disegna();");
  page.push_back("} else {");
  page.push_back("  document.getElementById('crvSenzaLibreria').style.display = 'block';");
  page.push_back("}");
  page.push_back("</script>");
  page.push_back("</body>");
  page.push_back("</html>");
  return page;
}

void WriteChartsPage(Env& env, const SeasonStore& store) {
  WriteSourceFile(env, store, kChartsPageName, ChartsPage(store, kWebFolderLinks));
}

}  // namespace corvalis
