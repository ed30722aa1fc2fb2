#include "rankings/eleven_pages.h"

#include <optional>
#include <vector>

#include "rankings/eleven_preparation.h"
#include "rankings/eleven_selection.h"
#include "rankings/ranking_page.h"
#include "rankings/short_display_name.h"
#include "util/encoding.h"
#include "util/escaping.h"
#include "util/text.h"

namespace corvalis {
namespace {

// The rows of a chosen eleven: 1..11, fewer when the source ran out.
int ElevenRows(const TextTable& eleven) {
  int s = 0;
  while (s < 11 && !eleven.at(s + 1, 1).empty()) ++s;
  return s;
}

void ChooseEleven(SeasonStore& store, TextTable& source, const ElevenCaps& caps,
                  std::optional<int> min_presences) {
  SelectEleven(store, source, caps, min_presences);
  OrderElevenByRole(store);
  ShortenNames(store.elevenTable, 2);
}

}  // namespace

Lines ElevenPage(const SeasonStore& store, const std::string& title) {
  const TextTable& eleven = store.elevenTable;
  std::vector<RankingRow> rows;
  for (int s = 1; s <= ElevenRows(eleven); ++s) {
    rows.push_back({eleven.at(s, 1), eleven.at(s, 2) + " (" +
                                         LowerText(eleven.at(s, 3), store.encoding) + ")" +
                                         " [" + TrimSpaces(eleven.at(s, 4)) + "]"});
  }
  return RankingPage({"estremi", "kx", "RUOLO", title}, rows);
}

Lines Top11Script(const SeasonStore& store) {
  const TextTable& eleven = store.elevenTable;
  Lines lines = {"var arrTop11=new Array()", "a = arrTop11"};
  auto text = [&](const std::string& cell) { return JsString(cell, store.encoding); };
  for (int s = 1; s <= ElevenRows(eleven); ++s) {
    lines.push_back("a[" + PlainNumber(s) + "]=new T11(" + text(TrimSpaces(eleven.at(s, 1))) +
                    "," + text(TrimSpaces(eleven.at(s, 2))) + "," + text(eleven.at(s, 3)) +
                    "," + JsValue(eleven.at(s, 4), store.encoding) + ")");
  }
  return lines;
}

std::string SeasonTopTitle(int min_presences) {
  return "TOP 11 Stagione (min pres:" + NumberText(min_presences) + ")";
}

std::string SeasonFlopTitle(int min_presences) {
  return "FLOP11 Stagione (min pres:" + NumberText(min_presences) + ")";
}

void WriteElevenPages(Env& env, SeasonStore& store) {
  PrepareMatchdayElevens(store);
  ChooseEleven(store, store.matchdayPlayers, kElevenCaps, std::nullopt);
  WriteSourceFile(env, store, "top11.htm", ElevenPage(store, "TOP 11 di giornata"));
  WriteSourceFile(env, store, "crvTop11.js", Top11Script(store));
  ChooseEleven(store, store.flopCandidates, kElevenCaps, std::nullopt);
  WriteSourceFile(env, store, "flop11.htm", ElevenPage(store, "FLOP 11 di giornata"));

  PrepareSeasonElevens(store);
  // The season Flop 11 is chosen from flopCandidates, which the season Top
  // 11 leaves untouched.
  ChooseEleven(store, store.seasonPlayerTotals, kElevenCaps, store.min_presences);
  WriteSourceFile(env, store, "top11s.htm", ElevenPage(store, SeasonTopTitle(store.min_presences)));
  store.seasonTop11 = store.elevenTable;
  ChooseEleven(store, store.flopCandidates, kSeasonFlopCaps, store.min_presences);
  WriteSourceFile(env, store, "flop11s.htm",
                  ElevenPage(store, SeasonFlopTitle(store.min_presences)));
}

}  // namespace corvalis
