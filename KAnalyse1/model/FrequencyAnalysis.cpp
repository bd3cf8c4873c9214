#include "KAnalyse1/model/FrequencyAnalysis.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <numeric>
#include <utility>

namespace {

constexpr std::array<double, 256> MakeReferenceFrequencies() {
  std::array<double, 256> f{};
  // clang-format off
  f['A'] = 6.51;  f['B'] = 1.89;  f['C'] = 3.06;  f['D'] = 5.08;  f['E'] = 17.4;
  f['F'] = 1.66;  f['G'] = 3.01;  f['H'] = 4.76;  f['I'] = 7.55;  f['J'] = 0.27;
  f['K'] = 1.21;  f['L'] = 3.44;  f['M'] = 2.53;  f['N'] = 9.78;  f['O'] = 2.51;
  f['P'] = 0.79;  f['Q'] = 0.02;  f['R'] = 7.0;   f['S'] = 7.27;  f['T'] = 6.15;
  f['U'] = 4.35;  f['V'] = 0.67;  f['W'] = 1.89;  f['X'] = 0.03;  f['Y'] = 0.04;
  f['Z'] = 1.13;
  // clang-format on
  return f;
}

// Sums above any real one (no real sum exceeds 20000), so the slots past the
// alphabet in use stay behind every real shift while the ranking sorts.
constexpr double kNoShiftSum = 600000.0;
constexpr int kRankingSlots = 63;

}  // namespace

int CharactersInUse(const CipherCore& core) {
  return std::clamp(core.AlphabetSize, 0, kCatchAllElement - 1);
}

ToleranceBand MatchWindow(double observedPercent, int tolerance) {
  // The additions and clips in this order, as the ranking of a match can hang
  // on the last bit of a bound.
  const double t = tolerance;
  double hi = t + observedPercent;
  if (hi > 100.0) hi = 100.0;
  double lo = observedPercent - t;
  if (lo < 0.0) lo = 0.0;
  return {lo, hi};
}

const std::array<double, 256> ReferenceFrequencies = MakeReferenceFrequencies();

std::string FormatFixed(double value, int width, int decimals, char decimalSeparator) {
  // to_chars writes what printf writes in the "C" locale, so the user's locale
  // reaches the text only through the separator passed in.
  std::array<char, 512> buffer;
  const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                          std::chars_format::fixed, decimals);
  std::string text = error == std::errc{} ? std::string(buffer.data(), end) : std::string("?");
  std::replace(text.begin(), text.end(), '.', decimalSeparator);
  if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), ' ');
  return text;
}

void InitAnalyseTable(FrequencyAnalysis& analysis, const CipherCore& core) {
  auto& table = analysis.AnalyseTable;
  const int length = std::min<int>(core.MasterAlphabet.size(), kCatchAllElement - 1);
  for (int i = 1; i <= length; ++i) {
    TAnalyseElement& e = table[i];
    const char c = core.MasterAlphabet[i - 1];
    e.Index = i;
    e.Row = i;
    e.Character = std::string(1, c);
    e.Count = 0;
    e.ObservedPercent = 0.0;
    e.MatchingChars.clear();
    e.MatchingShifts.clear();
    e.ExpectedPercent = ReferenceFrequencies[static_cast<unsigned char>(c)];
  }
  TAnalyseElement& rest = table[kCatchAllElement];
  rest.Character = "???";
  rest.Index = kCatchAllElement;
  rest.Row = kCatchAllElement;
  rest.Count = 0;
  rest.ObservedPercent = 0.0;
}

void CountCharacters(FrequencyAnalysis& analysis, const CipherCore& core) {
  auto& table = analysis.AnalyseTable;
  const int inUse = CharactersInUse(core);

  // One lookup per character instead of a comparison with every character in
  // use: a 65,535-character text with the full alphabet stays far below a
  // millisecond.
  std::array<std::uint8_t, 256> elementOf;
  elementOf.fill(kCatchAllElement);
  for (int a = 1; a <= inUse; ++a) {
    const std::string& c = table[a].Character;
    if (c.size() == 1) elementOf[static_cast<unsigned char>(c[0])] = static_cast<std::uint8_t>(a);
  }
  std::array<std::size_t, kAnalyseTableSize> counts{};
  for (const char c : core.AnalysisText) ++counts[elementOf[static_cast<unsigned char>(c)]];
  for (int i = 1; i < kAnalyseTableSize; ++i) table[i].Count += counts[i];

  // The main window never opens the analysis for an empty text; should it
  // happen all the same, the percentages stay 0 instead of becoming NaN.
  const std::size_t length = core.AnalysisText.size();
  if (length == 0) return;
  // Divide first, then scale: 7 of 100 characters give 7.000000000000001 %, and
  // the tolerance window of that row then just misses R's 7.0.
  const auto percent = [length](std::size_t count) {
    return static_cast<double>(count) / static_cast<double>(length) * 100.0;
  };
  for (int a = 1; a <= inUse; ++a) table[a].ObservedPercent = percent(table[a].Count);
  table[kCatchAllElement].ObservedPercent = percent(table[kCatchAllElement].Count);
}

void MatchTolerance(FrequencyAnalysis& analysis, const CipherCore& core) {
  auto& table = analysis.AnalyseTable;
  const int inUse = CharactersInUse(core);
  for (int a = 1; a <= inUse; ++a) {
    TAnalyseElement& cipher = table[a];
    cipher.MatchingChars.clear();
    cipher.MatchingShifts.clear();
    const ToleranceBand band = MatchWindow(cipher.ObservedPercent, analysis.Tolerance);
    for (int b = 1; b <= inUse; ++b) {
      const TAnalyseElement& plain = table[b];
      if (band.Contains(plain.ExpectedPercent)) {
        cipher.MatchingChars += plain.Character;
        if (!cipher.MatchingShifts.empty()) cipher.MatchingShifts += ';';
        cipher.MatchingShifts += std::to_string((a - b + inUse) % inUse);
      }
    }
  }
}

std::vector<ErrorTerm> ErrorTerms(const FrequencyAnalysis& analysis, const CipherCore& core,
                                  int shift) {
  const auto& table = analysis.AnalyseTable;
  const int inUse = CharactersInUse(core);
  std::vector<ErrorTerm> terms;
  if (shift < 0 || shift >= inUse) return terms;
  terms.reserve(inUse);
  for (int a = 1; a <= inUse; ++a) {
    const int p = ShiftedPosition(a, shift, inUse);
    const double difference = table[a].ExpectedPercent - table[p].ObservedPercent;
    terms.push_back(
        {a, p, table[a].ExpectedPercent, table[p].ObservedPercent, difference * difference});
  }
  return terms;
}

ShiftRanking RankShifts(const FrequencyAnalysis& analysis, const CipherCore& core,
                        char decimalSeparator) {
  const int inUse = CharactersInUse(core);

  std::array<double, kRankingSlots> sums;
  sums.fill(kNoShiftSum);
  std::array<int, kRankingSlots> shifts;
  std::iota(shifts.begin(), shifts.end(), 0);

  // Each sum is accumulated character by character in alphabet order. Some
  // pairs of shifts have sums that are equal on paper and differ only in the
  // last bit; that bit decides which one the learner is recommended, so the
  // order of the additions is part of the result.
  for (int s = 0; s < inUse; ++s) {
    double sum = 0.0;
    for (const ErrorTerm& term : ErrorTerms(analysis, core, s)) sum += term.Square;
    sums[s] = sum;
  }

  // Neighbour exchanges on strictly greater sums only, so equal sums keep
  // ascending shift order.
  for (bool swapped = true; swapped;) {
    swapped = false;
    for (int k = 0; k < inUse; ++k) {
      if (sums[k] > sums[k + 1]) {
        std::swap(sums[k], sums[k + 1]);
        std::swap(shifts[k], shifts[k + 1]);
        swapped = true;
      }
    }
  }

  ShiftRanking ranking;
  ranking.Entries.reserve(inUse);
  for (int k = 0; k < inUse; ++k) ranking.Entries.push_back({shifts[k], sums[k]});
  ranking.BestShift = std::to_string(shifts[0]);
  ranking.BestSum = FormatFixed(sums[0], 4, 2, decimalSeparator);
  for (int k = 1; k <= 4; ++k) {
    if (k > 1) {
      ranking.FurtherShifts += "; ";
      ranking.FurtherSums += "; ";
    }
    ranking.FurtherShifts += std::to_string(shifts[k]);
    ranking.FurtherSums += FormatFixed(sums[k], 4, 2, decimalSeparator);
  }
  return ranking;
}

void SortByFrequency(FrequencyAnalysis& analysis, const CipherCore& core) {
  auto& table = analysis.AnalyseTable;
  const int inUse = CharactersInUse(core);
  // The sorted range ends one past the characters in use: with the full
  // alphabet that is the catch-all, otherwise the first unused character,
  // whose count is always 0.
  const int last = inUse + 1;

  std::array<int, kAnalyseTableSize> order;
  std::iota(order.begin(), order.end(), 0);
  for (bool swapped = true; swapped;) {
    swapped = false;
    for (int k = 1; k < last; ++k) {
      if (table[order[k]].Count < table[order[k + 1]].Count) {
        std::swap(order[k], order[k + 1]);
        swapped = true;
      }
    }
  }
  for (int k = 1; k <= last; ++k) table[order[k]].Row = k;
}

void SortByCharacter(FrequencyAnalysis& analysis) {
  for (int i = 1; i < kAnalyseTableSize; ++i)
    analysis.AnalyseTable[i].Row = analysis.AnalyseTable[i].Index;
}
