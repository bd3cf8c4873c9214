#pragma once
// The brute-force engine: deciphers the analysed text under every shift of the
// alphabet in use and scores each result by how often the entries of a German
// word list occur in it. It knows no window; TForm3 shows its table.
//
// Each operation works on the unit's state (the word list and the result
// table) and reads the shared values of the cipher core: MasterAlphabet,
// AlphabetSize (N below) and AnalysisText.

#include <array>
#include <cstdint>
#include <string>

#include "ciphercore/CipherCore.h"

inline constexpr int kWordListLength = 40;
// Entry 0 plus one entry for each of up to 60 shifts.
inline constexpr int kBruteTableLength = 61;
inline constexpr int kMaxTrials = kBruteTableLength - 1;

// One trial: a shift, the grid row that shows it, its score and its text.
struct TTabElement {
  std::uint16_t Shift = 0;  // the Caesar shift this trial undoes, 0 to N - 1
  std::uint16_t Row = 0;    // 1-based row of the result grid that shows the entry
  // The score, shown under "dt. Wörter". Wider than the 16 bits a shift needs:
  // a text of 65,535 repeated "ER" scores far above 65,535 and must not wrap.
  std::uint32_t WordCount = 0;
  std::string TrialText;  // AnalysisText deciphered under Shift, just as long
};

// Program-wide state of the unit. The app owns one instance and hands it to
// TForm3 by reference; FormCreate fills it.
struct BruteForceState {
  std::array<std::string, kWordListLength> WordList;  // Windows-1252, upper case
  // Entry 0 is never shown: the sorts keep it as their spare entry. Entries 1
  // to N hold the current analysis; entries N + 1 to 60 keep whatever a showing
  // with a larger alphabet left there.
  std::array<TTabElement, kBruteTableLength> BruteTable;
};

// N as the engine uses it: AlphabetSize, but never more than the table holds
// nor than MasterAlphabet has characters, so that a value out of range can
// never index past the table.
int TrialCount(const CipherCore& core);

// Sets the 40 entries of the word list in their fixed order ("FÜR" and "CÄSAR"
// as Windows-1252; "AUF" and "DES" stand twice and count twice).
void FillWordList(BruteForceState& state);

// Every entry i from 0 to 60: Shift = Row = i, WordCount 0, TrialText empty.
void InitBruteTable(BruteForceState& state);

// Entries 1 to N: trial a gets the shift (2N - a - 1) mod N, so trial 1 undoes
// shift N - 2, trial N - 1 shift 0 and trial N shift N - 1, and its text is
// AnalysisText with every character of the alphabet in use moved Shift places
// back; other characters stay. Row and WordCount are left as they are.
void TryAllShifts(BruteForceState& state, const CipherCore& core);

// Entries 1 to N: WordCount := the occurrences of all WordList entries in
// TrialText (see WordCounter.h).
void CountWords(BruteForceState& state, const CipherCore& core);

// Orders entries 1 to N by ascending Shift, then sets Row of entry i to i.
void SortByShift(BruteForceState& state, const CipherCore& core);

// Orders entries 1 to N by descending WordCount, entries with equal counts
// keeping their order, then sets Row of entry i to i. Called on a table in
// shift order, equal counts therefore stand in ascending shift.
void SortByWordCount(BruteForceState& state, const CipherCore& core);
