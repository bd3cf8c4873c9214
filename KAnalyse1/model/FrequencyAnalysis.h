#pragma once
// The single-character frequency analysis: counts the characters of the
// ciphertext, compares their share of the text with the letter frequencies of
// German, lists for every character the plain letters and shifts that fit within
// the tolerance, and ranks every Caesar shift by its sum of squared differences.
//
// It draws nothing and keeps no widget: TForm2 puts the table and the ranking on
// the screen. Every number is computed in double in exactly the order written
// here, because the ranking of two shifts can hang on the last bit of their sums.

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "ciphercore/CipherCore.h"

// One row of the analysis table.
struct TAnalyseElement {
  int Index = 0;                 // fixed number 1..61, equal to the position in AnalyseTable
  int Row = 0;                   // grid row 1..61 that shows the element
  std::string Character;         // the character as a one-character string; "???" for the catch-all
  std::size_t Count = 0;         // occurrences in the text; as wide as a text can be long
  double ObservedPercent = 0.0;  // Count as a percentage of the text length
  double ExpectedPercent = 0.0;  // share of the character in German text; 0 except for A..Z
  std::string MatchingChars;     // plain characters within the tolerance, in alphabet order
  std::string MatchingShifts;    // one shift per matching character, joined by ";"
};

inline constexpr int kAnalyseTableSize = 62;  // element 0 unused, 1..60 the characters, 61 the rest
inline constexpr int kCatchAllElement = 61;   // counts every character outside the alphabet in use
inline constexpr int kMaxTolerance = 10;

// Program-wide state of the unit. The app owns one instance and hands it to
// TForm2 by reference; a test builds a fresh one.
struct FrequencyAnalysis {
  std::array<TAnalyseElement, kAnalyseTableSize> AnalyseTable{};
  int Tolerance = 0;  // percentage points 0..10; TForm2::FormCreate sets 3
};

// How many characters of MasterAlphabet are in use: core.AlphabetSize, kept
// inside the table even if a caller breaks the promise of 26, 27, 37 or 60.
int CharactersInUse(const CipherCore& core);

// The interval of reference frequencies that match an observed percentage at
// a tolerance: the observed percentage plus and minus the tolerance, clipped
// to 0..100, both ends included. MatchTolerance lists the letters inside it,
// and the chart draws it as the band around a bar.
struct ToleranceBand {
  double Low = 0.0;
  double High = 0.0;
  bool Contains(double percent) const { return Low <= percent && percent <= High; }
};
ToleranceBand MatchWindow(double observedPercent, int tolerance);

// The share of each letter in German text, in percent, by character code; 0 for
// every code other than "A".."Z". The 26 values add up to 100.
extern const std::array<double, 256> ReferenceFrequencies;

// A Caesar shift with its sum of squared frequency differences.
struct RankedShift {
  int Shift = 0;
  double ErrorSum = 0.0;
};

// The result of RankShifts: every shift of the alphabet in use, best first, and
// the four texts the window shows.
struct ShiftRanking {
  std::vector<RankedShift> Entries;  // AlphabetSize entries; ties stay in ascending shift order
  std::string BestShift;             // shift of the best entry, e.g. "0"
  std::string FurtherShifts;         // shifts of entries 1..4, e.g. "17; 22; 12; 13"
  std::string BestSum;               // "%4.2f" of the best sum, e.g. "7281.60"
  std::string FurtherSums;           // "%4.2f" of the sums of entries 1..4, joined by "; "
};

// The calling order on every showing of the window is InitAnalyseTable,
// CountCharacters, MatchTolerance, RankShifts. CountCharacters adds to the counts
// that InitAnalyseTable cleared; the later two read what CountCharacters found.
// The alphabet in use is the first core.AlphabetSize (26, 27, 37 or 60)
// characters of core.MasterAlphabet.

// Resets elements 1..60 to the characters of MasterAlphabet in character order,
// with their reference frequencies, no counts and no matches; element 61 becomes
// the catch-all "???".
void InitAnalyseTable(FrequencyAnalysis& analysis, const CipherCore& core);

// Counts every character of core.AnalysisText into its element, or into the
// catch-all when it is not one of the characters in use (lower-case letters and
// characters of MasterAlphabet beyond the alphabet in use included), then turns
// the counts into percentages of the text length. An empty text leaves every
// percentage at 0.
void CountCharacters(FrequencyAnalysis& analysis, const CipherCore& core);

// For every character in use, lists the characters whose reference frequency
// lies within +/- Tolerance points of its observed percentage (both bounds
// inclusive, clipped to 0..100), with the shift that enciphers each of them
// into this character.
void MatchTolerance(FrequencyAnalysis& analysis, const CipherCore& core);

// The position (1-based) of the character that shift s turns the character at
// position a into, counted cyclically within the alphabet in use: a + s, less
// alphabetSize once it runs past the end. RankShifts pairs the reference
// frequency of a with the observed frequency at this position, and the chart
// draws the German profile there. Needs 1 <= a <= alphabetSize and
// 0 <= s < alphabetSize.
inline int ShiftedPosition(int a, int s, int alphabetSize) {
  const int p = a + s;
  return p > alphabetSize ? p - alphabetSize : p;
}

// One term of a shift's error sum: the character in use at alphabet position
// Plain (1-based) with its reference frequency, the character the shift turns
// it into (position Cipher) with its observed frequency, and the square of the
// difference of the two.
struct ErrorTerm {
  int Plain = 0;
  int Cipher = 0;
  double Expected = 0.0;
  double Observed = 0.0;
  double Square = 0.0;
};

// The terms of a shift's error sum in the order RankShifts adds them up
// (0 <= shift < the characters in use).
std::vector<ErrorTerm> ErrorTerms(const FrequencyAnalysis& analysis, const CipherCore& core,
                                  int shift);

// Ranks every shift of the alphabet in use by the sum, over the characters in
// use, of the squared difference between a character's reference frequency and
// the observed frequency of the character the shift turns it into. Numbers with
// decimals use decimalSeparator.
ShiftRanking RankShifts(const FrequencyAnalysis& analysis, const CipherCore& core,
                        char decimalSeparator);

// Gives the characters in use and the first one after them the rows 1..
// AlphabetSize + 1 by descending count; equal counts keep ascending Index. With
// the full alphabet the catch-all takes part; otherwise it keeps row 61.
void SortByFrequency(FrequencyAnalysis& analysis, const CipherCore& core);

// Puts every element back into its own row (Row = Index).
void SortByCharacter(FrequencyAnalysis& analysis);

// printf's "%<width>.<decimals>f" with the given decimal separator, whatever the
// C locale says: FormatFixed(6.51, 6, 3, ',') is " 6,510".
std::string FormatFixed(double value, int width, int decimals, char decimalSeparator);
