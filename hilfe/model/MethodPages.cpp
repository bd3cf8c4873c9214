#include "hilfe/model/MethodPages.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "KAnalyse1/model/FrequencyAnalysis.h"
#include "KAnalyse3/model/BruteForce.h"
#include "KAnalyse3/model/WordCounter.h"
#include "ciphercore/Upcase.h"
#include "toolkit/model/StringGrid.h"
#include "toolkit/model/Win1252.h"

namespace {

// The README's message, enciphered with the 26 letters and the shift 7, for a
// window that holds no ciphertext yet.
constexpr std::string_view kSampleMessage =
    "TREFFEN WIR UNS NACH DER SCHULE AM ALTEN BRUNNEN? BRING DIE KARTE MIT!";
constexpr int kSampleShift = 7;
constexpr int kSampleAlphabet = 26;

// How many characters "a short text" has in the last page's example.
constexpr std::size_t kShortText = 20;

std::string Num(int n) { return std::to_string(n); }

// A character as a reader sees it in a table: the blank named.
std::string Shown(char c) { return c == ' ' ? std::string("&#x2423;") : HtmlEscaped(std::string(1, c)); }

// A copy of the program's core with another alphabet in use.
CipherCore WithAlphabet(const CipherCore& core, int size) {
  CipherCore copy = core;
  copy.AlphabetSize = size;
  return copy;
}

// text enciphered as the encryption table does it: through a real table.
std::string Enciphered(const CipherCore& core, const std::string& text, int shift) {
  StringGrid grid(core.AlphabetSize, 2, 0, 1);
  CipherCore scratch = core;
  BuildMasterAlphabet(scratch, grid);
  BuildShiftedRow(grid, shift);
  CipherTable table(grid);
  std::string out;
  for (const char c : text) {
    const Lookup hit = EncLookup(table, scratch.AlphabetSize, c);
    out.push_back(hit.Character ? *hit.Character : c);
  }
  return out;
}

// The frequency analysis of a text under an alphabet, as the window runs it.
struct Analysed {
  FrequencyAnalysis analysis;
  CipherCore core;
  ShiftRanking ranking;
};
Analysed Analyse(const CipherCore& core, const std::string& text, int tolerance, char separator) {
  Analysed a{{}, core, {}};
  a.core.AnalysisText = text;
  a.analysis.Tolerance = tolerance;
  InitAnalyseTable(a.analysis, a.core);
  CountCharacters(a.analysis, a.core);
  MatchTolerance(a.analysis, a.core);
  a.ranking = RankShifts(a.analysis, a.core, separator);
  return a;
}

// The brute force on a text: the shift whose trial holds the most words.
struct Forced {
  int shift = 0;
  std::uint32_t words = 0;
  std::string text;
};
Forced BruteForce(const CipherCore& core, const std::string& text, BruteForceState& state) {
  CipherCore scratch = core;
  scratch.AnalysisText = text;
  InitBruteTable(state);
  TryAllShifts(state, scratch);
  CountWords(state, scratch);
  SortByShift(state, scratch);
  SortByWordCount(state, scratch);
  const TTabElement& top = state.BruteTable[1];
  return {top.Shift, top.WordCount, top.TrialText};
}

std::string Percent(double value, char separator) {
  return FormatFixed(value, 0, 3, separator) + " %";
}

std::string CaesarPage(const CipherCore& core, const WorkbenchTexts& texts) {
  std::string html = W(
      "<p>Die Cäsar-Verschiebung ersetzt jedes Zeichen durch das Zeichen, das im Alphabet "
      "um den <b>Schlüssel</b> weiter steht. Am Ende des Alphabets geht es vorn weiter: "
      "die Verschiebung ist eine Drehung, wie bei einer Cäsar-Scheibe. Die Tabelle "
      "„Chiffre“ zeigt das: oben steht jedes Klartext-Zeichen, darunter das Zeichen, zu "
      "dem es wird. Entschlüsselt wird mit derselben Verschiebung in die Gegenrichtung.</p>"
      "<p>Das Programm kennt vier Alphabete:</p><table border=\"1\" cellpadding=\"3\">"
      "<tr><th>Option</th><th>Zeichen</th><th>Inhalt</th></tr>"
      "<tr><td>nur Buchstaben (original)</td><td>26</td><td>A bis Z</td></tr>"
      "<tr><td>Buchstaben und Leerzeichen</td><td>27</td><td>A bis Z und das Leerzeichen</td></tr>"
      "<tr><td>Buchstaben, Ziffern u. Leerz.</td><td>37</td><td>dazu 0 bis 9</td></tr>"
      "<tr><td>erweiterte Zeichenliste</td><td>60</td><td>dazu Ä, Ö, Ü, ß und Satzzeichen</td></tr>"
      "</table><p>Zeichen, die nicht im Alphabet stehen, werden je nach der Option für "
      "unbekannte Zeichen übersprungen, übernommen oder durch ein Leerzeichen ersetzt. Mit "
      "dem Schlüssel 0 (oder der Zahl der Zeichen) bleibt jeder Text, wie er ist.</p>");
  // The example: the plaintext in the window, or the README's message.
  const int n = core.AlphabetSize;
  const std::string plain = texts.Plaintext.empty() ? std::string(kSampleMessage)
                                                    : UpcaseText(texts.Plaintext);
  const int shift = n > 0 ? texts.EncShift % n : 0;
  const std::string part = plain.substr(0, std::min<std::size_t>(plain.size(), 12));
  const std::string cipher = Enciphered(core, part, shift);
  html += W("<h2>Beispiel</h2><p>Mit dem eingestellten Alphabet (") + Num(n) +
          W(" Zeichen) und dem Schlüssel ") + Num(shift) + W(" werden die ersten Zeichen ") +
          (texts.Plaintext.empty() ? W("eines Beispieltexts") : W("des Klartexts")) +
          W(" so verschlüsselt:</p><table border=\"1\" cellpadding=\"3\"><tr><th>Klartext</th>");
  for (const char c : part) html += "<td>" + Shown(c) + "</td>";
  html += W("</tr><tr><th>Geheimtext</th>");
  for (const char c : cipher) html += "<td>" + Shown(c) + "</td>";
  html += "</tr></table>";
  return html;
}

std::string FrequencyPage(const Analysed& a, const std::string& source, char separator) {
  std::string html = W(
      "<p>Im Deutschen kommen die Buchstaben verschieden oft vor: E steht in etwa jedem "
      "sechsten Buchstaben, N, I, S, R und A folgen. Eine Cäsar-Verschiebung ändert daran "
      "nichts, sie verschiebt das Muster nur. Die Häufigkeitsanalyse zählt deshalb jedes "
      "Zeichen des Geheimtexts und vergleicht die Anteile mit den deutschen.</p>"
      "<p>Für jede mögliche Verschiebung s bildet sie die <b>Summe der Fehler-Quadrate</b>: "
      "für jedes Zeichen a des Alphabets den Unterschied zwischen seinem deutschen Anteil "
      "und dem beobachteten Anteil des Zeichens, zu dem s es macht, zum Quadrat genommen "
      "und addiert:</p><p align=\"center\"><i>E</i>(<i>s</i>) = &Sigma;<sub>a</sub> ( "
      "erwartet(a) &minus; beobachtet(a + s) )²</p><p>Die Verschiebung mit der kleinsten Summe "
      "wird empfohlen, die nächsten vier stehen unter „ev. auch“. Das Quadrat macht große "
      "Abweichungen teuer: ein falsch gelegenes E kostet viel mehr als ein falsches Q.</p>"
      "<p>Die <b>Bewertungstoleranz</b> (± Prozentpunkte) wirkt nur auf die Spalten "
      "„passende Klar-Zeichen“ und „passende Cäsar-Verschiebungen“: ein Buchstabe passt zu "
      "einem Geheim-Zeichen, wenn sein deutscher Anteil höchstens so weit vom beobachteten "
      "entfernt liegt. Die Empfehlung hängt von der Toleranz nicht ab.</p>");
  if (a.ranking.Entries.empty()) return html;
  const int best = a.ranking.Entries.front().Shift;
  std::vector<ErrorTerm> terms = ErrorTerms(a.analysis, a.core, best);
  std::stable_sort(terms.begin(), terms.end(),
                   [](const ErrorTerm& x, const ErrorTerm& y) { return x.Square > y.Square; });
  const auto& table = a.analysis.AnalyseTable;
  html += W("<h2>Beispiel</h2><p>") + source + W(" empfiehlt die Analyse die Verschiebung <b>") +
          Num(best) + W("</b> mit der Summe ") + a.ranking.BestSum +
          W(". Ihre fünf größten Summanden:</p><table border=\"1\" cellpadding=\"3\"><tr>"
            "<th>Klar-Zeichen</th><th>erwartet</th><th>wird zu</th><th>beobachtet</th>"
            "<th>Quadrat</th></tr>");
  for (std::size_t i = 0; i < terms.size() && i < 5; ++i) {
    const ErrorTerm& t = terms[i];
    html += "<tr><td>" + Shown(table[t.Plain].Character[0]) + "</td><td>" +
            Percent(t.Expected, separator) + "</td><td>" + Shown(table[t.Cipher].Character[0]) +
            "</td><td>" + Percent(t.Observed, separator) + "</td><td>" +
            FormatFixed(t.Square, 0, 2, separator) + "</td></tr>";
  }
  html += "</table>";
  return html;
}

std::string BruteForcePage(const CipherCore& core, const std::string& text,
                           const std::string& source, BruteForceState& state) {
  std::string words;
  for (int i = 0; i < kWordListLength; ++i) words += (i ? ", " : "") + state.WordList[i];
  std::string html = W(
      "<p>Die brachiale Analyse probiert einfach jede Verschiebung: sie entschlüsselt den "
      "Geheimtext mit jeder und zählt in jedem Ergebnis, wie oft die 40 Einträge ihrer "
      "Wortliste vorkommen:</p><p>") + HtmlEscaped(words) + W(
      "</p><p>Gezählt wird überall im Text, ohne auf Wortgrenzen zu achten, auch "
      "überlappend: DASS enthält DAS, DASS und ASS und zählt dreimal, NUNUN enthält NUN "
      "zweimal. Einträge, die doppelt in der Liste stehen (AUF, DES), zählen doppelt. Nach "
      "„dt. Wörtern“ sortiert steht das Ergebnis oben, das am deutschesten aussieht.</p>");
  if (text.empty()) return html;
  const Forced top = BruteForce(core, text, state);
  html += W("<h2>Beispiel</h2><p>") + source + W(" liest die Verschiebung <b>") +
          Num(top.shift) + W("</b> am meisten Wörter (") + Num(static_cast<int>(top.words)) +
          W("):</p><p><tt>") + HtmlEscaped(top.text.substr(0, 120)) +
          (top.text.size() > 120 ? W(" …") : std::string()) +
          W("</tt></p><table border=\"1\" cellpadding=\"3\"><tr><th>Wort</th><th>Treffer</th></tr>");
  for (int i = 0; i < kWordListLength; ++i) {
    const std::string& word = state.WordList[i];
    const auto hits = WordCounter(std::span<const std::string>(&word, 1)).Count(top.text);
    if (hits > 0)
      html += "<tr><td>" + HtmlEscaped(word) + "</td><td>" + Num(static_cast<int>(hits)) +
              "</td></tr>";
  }
  html += "</table>";
  return html;
}

std::string ShortTextPage(const CipherCore& core, const std::string& text, int tolerance,
                          char separator, BruteForceState& state) {
  std::string html = W(
      "<p>Die Häufigkeitsanalyse rechnet mit Anteilen. In einem langen Text liegen sie nahe "
      "bei den deutschen; in einem kurzen entscheidet der Zufall: zwanzig Zeichen enthalten "
      "vielleicht kein einziges E, aber drei U. Dann passt eine falsche Verschiebung besser "
      "zum deutschen Muster als die richtige, und die Analyse empfiehlt sie.</p>"
      "<p>Die brachiale Analyse braucht dagegen nur ein oder zwei Wörter ihrer Liste im "
      "richtigen Ergebnis. Kurze Texte knackt man deshalb besser brachial, lange gehen mit "
      "beiden Verfahren.</p>");
  if (text.size() <= kShortText) return html;
  const Analysed whole = Analyse(core, text, tolerance, separator);
  const Analysed shortOne = Analyse(core, text.substr(0, kShortText), tolerance, separator);
  const Forced forced = BruteForce(core, text.substr(0, kShortText), state);
  const int wholeBest = whole.ranking.Entries.front().Shift;
  const int shortBest = shortOne.ranking.Entries.front().Shift;
  int place = 0;
  for (std::size_t k = 0; k < shortOne.ranking.Entries.size(); ++k)
    if (shortOne.ranking.Entries[k].Shift == wholeBest) place = static_cast<int>(k) + 1;
  html += W("<h2>Beispiel</h2><p>Für den ganzen Geheimtext (") + Num(static_cast<int>(text.size())) +
          W(" Zeichen) empfiehlt die Häufigkeitsanalyse die Verschiebung <b>") + Num(wholeBest) +
          W("</b>. Für nur seine ersten ") + Num(static_cast<int>(kShortText)) +
          W(" Zeichen <tt>") + HtmlEscaped(text.substr(0, kShortText)) + W("</tt> empfiehlt sie ") +
          Num(shortBest) + W("; die Verschiebung ") + Num(wholeBest) + W(" steht dort auf Platz ") +
          Num(place) + W(" von ") + Num(static_cast<int>(shortOne.ranking.Entries.size())) +
          W(". Die brachiale Analyse liest in den ersten ") + Num(static_cast<int>(kShortText)) +
          W(" Zeichen mit der Verschiebung ") + Num(forced.shift) + W(" die meisten Wörter (") +
          Num(static_cast<int>(forced.words)) + W(").</p>");
  return html;
}

}  // namespace

std::string HtmlEscaped(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '&': out += "&amp;"; break;
      case '"': out += "&quot;"; break;
      default: out.push_back(c);
    }
  }
  return out;
}

std::vector<HelpPage> MethodPages(const CipherCore& core, const WorkbenchTexts& texts,
                                  char decimalSeparator) {
  // The analyses' examples run on the ciphertext in the window under its
  // alphabet; without one, on the README's message under the 26 letters.
  const bool own = !texts.Ciphertext.empty();
  const CipherCore analysed = own ? core : WithAlphabet(core, kSampleAlphabet);
  const std::string ciphertext =
      own ? UpcaseText(texts.Ciphertext)
          : Enciphered(analysed, std::string(kSampleMessage), kSampleShift);
  const std::string source = own ? W("Für den Geheimtext im Hauptfenster")
                                 : W("Für einen Beispieltext, mit 26 Buchstaben und dem "
                                     "Schlüssel 7 verschlüsselt,");
  BruteForceState state;
  FillWordList(state);
  const Analysed frequency = Analyse(analysed, ciphertext, texts.Tolerance, decimalSeparator);
  return {
      {"caesar", W("Die Cäsar-Verschiebung und die vier Alphabete"), CaesarPage(core, texts)},
      {"haeufigkeit", W("Wie die Häufigkeitsanalyse eine Verschiebung bewertet"),
       FrequencyPage(frequency, source, decimalSeparator)},
      {"brachial", W("Wie die brachiale Analyse die Wörter zählt"),
       BruteForcePage(analysed, ciphertext, source, state)},
      {"kurz", W("Warum kurze Texte täuschen"),
       ShortTextPage(analysed, ciphertext, texts.Tolerance, decimalSeparator, state)},
  };
}
