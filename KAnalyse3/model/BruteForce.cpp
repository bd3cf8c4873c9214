#include "KAnalyse3/model/BruteForce.h"

#include <algorithm>
#include <span>
#include <string_view>
#include <utility>

#include "KAnalyse3/model/WordCounter.h"
#include "toolkit/model/Win1252.h"

namespace {

// Passes of neighbour exchanges over entries 1 to N until a pass exchanges
// nothing: entries the comparison does not put out of order keep their order.
// The entries are swapped in place rather than copied through entry 0, so a
// 65,535-character trial text is moved, never copied, and entry 0 keeps what
// InitBruteTable left in it.
template <typename OutOfOrder>
void SortTrials(BruteForceState& state, int n, OutOfOrder outOfOrder) {
  auto& table = state.BruteTable;
  for (bool exchanged = true; exchanged;) {
    exchanged = false;
    for (int i = 1; i < n; ++i) {
      if (outOfOrder(table[i], table[i + 1])) {
        std::swap(table[i], table[i + 1]);
        exchanged = true;
      }
    }
  }
  for (int i = 1; i <= n; ++i) table[i].Row = static_cast<std::uint16_t>(i);
}

}  // namespace

int TrialCount(const CipherCore& core) {
  const int available = std::min(kMaxTrials, static_cast<int>(core.MasterAlphabet.size()));
  return std::clamp(core.AlphabetSize, 0, available);
}

void FillWordList(BruteForceState& state) {
  static constexpr const char* kWords[kWordListLength] = {
      "DER", "DIE", "UND",    "IN",     "DES",   "DEN",    "ZU",      "DAS",    "VON",    "FUER",
      "FÜR", "AUF", "MIT",    "SICH",   "DASS",  "DEM",    "SIE",     "IST",    "IM",     "EIN",
      "ER",  "ICH", "NUN",    "ASS",    "WIE",   "AUF",    "SEI",     "AB",     "BIN",    "DES",
      "VOR", "UNS", "GEHEIM", "KRYPTO", "CÄSAR", "CAESAR", "ANALYSE", "SCHULE", "LEHRER", "DU",
  };
  for (int i = 0; i < kWordListLength; ++i) state.WordList[i] = W(kWords[i]);
}

void InitBruteTable(BruteForceState& state) {
  for (int i = 0; i < kBruteTableLength; ++i) {
    TTabElement& entry = state.BruteTable[i];
    entry.Shift = static_cast<std::uint16_t>(i);
    entry.Row = static_cast<std::uint16_t>(i);
    entry.WordCount = 0;
    entry.TrialText.clear();
  }
}

void TryAllShifts(BruteForceState& state, const CipherCore& core) {
  const int n = TrialCount(core);
  const std::string_view alphabet(core.MasterAlphabet.data(), n);
  const std::string& text = core.AnalysisText;
  for (int a = 1; a <= n; ++a) {
    TTabElement& entry = state.BruteTable[a];
    entry.Shift = static_cast<std::uint16_t>((2 * n - a - 1) % n);

    // The character at 1-based position j of the alphabet becomes the one at
    // position ((a + j) mod N) + 1; every other byte stays itself.
    std::array<char, 256> decipher;
    for (int b = 0; b < 256; ++b) decipher[b] = static_cast<char>(b);
    for (int j = n; j >= 1; --j)  // downwards, so that the first occurrence wins
      decipher[static_cast<unsigned char>(alphabet[j - 1])] = alphabet[(a + j) % n];

    entry.TrialText.resize(text.size());
    char* out = entry.TrialText.data();
    for (std::size_t i = 0; i < text.size(); ++i)
      out[i] = decipher[static_cast<unsigned char>(text[i])];
  }
}

void CountWords(BruteForceState& state, const CipherCore& core) {
  const WordCounter counter(state.WordList);
  const int n = TrialCount(core);
  std::array<std::string_view, kMaxTrials> texts;
  std::array<std::uint32_t, kMaxTrials> counts;
  for (int i = 1; i <= n; ++i) texts[i - 1] = state.BruteTable[i].TrialText;
  counter.CountEach(std::span(texts).first(n), std::span(counts).first(n));
  for (int i = 1; i <= n; ++i) state.BruteTable[i].WordCount = counts[i - 1];
}

void SortByShift(BruteForceState& state, const CipherCore& core) {
  SortTrials(state, TrialCount(core), [](const TTabElement& first, const TTabElement& second) {
    return first.Shift > second.Shift;
  });
}

void SortByWordCount(BruteForceState& state, const CipherCore& core) {
  SortTrials(state, TrialCount(core), [](const TTabElement& first, const TTabElement& second) {
    return first.WordCount < second.WordCount;
  });
}
