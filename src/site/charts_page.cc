#include "site/charts_page.h"

#include <string>

#include "site/site_pages.h"
#include "util/escaping.h"
#include "util/short_number.h"
#include "util/text.h"

namespace corvalis {

namespace {

std::string Script(const std::string& source) {
  return "<script src=\"" + source + "\" type=\"text/javascript\"></script>";
}


bool MatchdayHasResults(const ChartsData& data, int g) {
  return data.league.num_teams() > 0 && data.rating.has_export[g];
}

// crvDatiGrafici: the matchdays with results, every team's gap on each of
// them (null: did not play) with its average gap, and the season Top 11.
void AddChartData(Page& page, const ChartsData& data) {
  std::string days;
  for (int g = 1; g <= kMatchdays; ++g) {
    if (!MatchdayHasResults(data, g)) continue;
    if (!days.empty()) days += ",";
    days += WholeText(g);
  }
  page.Line("var crvDatiGrafici = {");
  page.Line("ultimaGiornata: ", WholeText(data.rating.last_matchday), ",");
  page.Line("giornate: [", days, "],");
  page.Line("squadre: [");
  int n = data.league.num_teams();
  for (int t = 0; t < n; ++t) {
    const TeamRating& team = data.rating.teams[t];
    std::string gaps;
    for (int g = 1; g <= kMatchdays; ++g) {
      if (!MatchdayHasResults(data, g)) continue;
      double gap = team.days[g].gap;
      if (!gaps.empty()) gaps += ",";
      if (gap == kDidNotPlay) {
        gaps += "null";
      } else {
        AppendPlainNumber(gaps, gap);
      }
    }
    // Cut to hundredths, as the coach-rating page prints it.
    std::string average;
    if (team.matches > 0) {
      AppendPlainNumber(average, FloorHundredths(team.average_gap));
    } else {
      average = "null";
    }
    page.Line("{nome: ", JsText{data.league.teams[t], data.encoding}, ", media: ", average,
              ", scarti: [", gaps, "]}", t + 1 < n ? "," : "");
  }
  page.Line("],");
  page.Line("top11Stagione: [");
  const Eleven& eleven = data.season_eleven.top;
  for (size_t s = 0; s < eleven.size(); ++s) {
    const ElevenPlayer& p = eleven[s];
    page.Line("{ruolo: ", JsText{Trimmed(p.role), data.encoding},
              ", nome: ", JsText{Trimmed(p.name), data.encoding},
              ", squadra: ", JsText{p.team, data.encoding},
              ", voto: ", JsValue(Trimmed(p.figure), data.encoding), "}",
              s + 1 < eleven.size() ? "," : "");
  }
  page.Line("]");
  page.Line("};");
}

void AddSection(Page& page, const std::string& id, const std::string& heading,
                const std::vector<std::string>& explanation,
                const std::vector<std::string>& chart) {
  page.Line("<section class=\"crvSezione\" id=\"", id, "\">");
  page.Line("<h2>", heading, "</h2>");
  for (const std::string& sentence : explanation) {
    page.Line("<p class=\"crvSpiega\">", sentence, "</p>");
  }
  for (const std::string& line : chart) page.Line(line);
  page.Line("</section>");
}

}  // namespace

void AddChartsPage(const ChartsData& data, const ChartsPageLinks& links, Page& page) {
  const std::string js = links.script_folder;
  std::string last_day = WholeText(data.rating.last_matchday);
  page.Line("<!DOCTYPE html>");
  page.Line("<html lang=\"it\">");
  page.Line("<head>");
  page.Line("<meta charset=\"", CharsetName(data.encoding), "\">");
  page.Line("<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">");
  page.Line("<title>Grafici Corvalis</title>");
  page.Line("<link href=\"corvalis.css\" rel=\"stylesheet\" type=\"text/css\">");
  page.Line(Script(js + "crvUtils.js"));
  // A site whose own crvUtils.js lacks the record constructors still loads
  // the data scripts without an error; the page then says that the charts
  // need the shipped library.
  page.Line("<script type=\"text/javascript\">");
  page.Line("if (typeof CvTot === 'undefined') { var CvTot = function () {}; }");
  page.Line("if (typeof Cv === 'undefined') { var Cv = function () {}; }");
  page.Line("if (typeof T11 === 'undefined') { var T11 = function () {}; }");
  page.Line("</script>");
  page.Line(Script(js + kTotalsScript));
  page.Line(Script(js + MatchdayScriptName(data.rating.last_matchday)));
  page.Line(Script(js + kTop11Script));
  page.Line("<script type=\"text/javascript\">");
  AddChartData(page, data);
  page.Line("</script>");
  page.Line("</head>");
  page.Line("<body class=\"crvPagina\">");
  page.Line("<h2 class=\"crvIntestazione intest\">Grafici della stagione</h2>");
  page.Line("<p class=\"crvTorna\"><a href=\"" + links.index_page +
                 "\">&larr; Statistiche Corvalis</a></p>");
  page.Line("<p id=\"crvSenzaLibreria\" class=\"crvAvviso\" style=\"display: none;\">"
                 "I grafici non si possono disegnare: manca crvUtils.js, oppure &egrave; "
                 "una versione che non contiene le funzioni dei grafici.</p>");

  std::string exponent;
  if (data.league.gap_exponent != 1) {
    exponent = " Nella nostra lega il risultato &egrave; poi elevato alla potenza " +
               PlainNumber(data.league.gap_exponent) +
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
           (data.season_eleven.min_presences <= 0
                ? std::string("tra tutti i giocatori")
                : "tra quelli con almeno " + WholeText(data.season_eleven.min_presences) +
                      (data.season_eleven.min_presences == 1 ? " presenza" : " presenze")) +
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

  page.Line("<script type=\"text/javascript\">");
  page.Line("if (typeof crvGrafici === 'object' && crvGrafici.disegna) {");
  page.Line("  crvGrafici.disegna();");
  page.Line("} else {");
  page.Line("  document.getElementById('crvSenzaLibreria').style.display = 'block';");
  page.Line("}");
  page.Line("</script>");
  page.Line("</body>");
  page.Line("</html>");
}

void WriteChartsPage(Env& env, const ChartsData& data) {
  WritePage(env, data.league.SourcePath(kChartsPageName),
            [&](Page& page) { AddChartsPage(data, {"../js/", kSiteIndexName}, page); });
}

}  // namespace corvalis
