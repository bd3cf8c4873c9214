#include "KAnalyse1/model/FrequencyChart.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "toolkit/model/Win1252.h"

namespace {

// The round steps an axis may take, ascending, up to a step that spans any
// percentage in one interval.
constexpr std::array kAxisSteps = {0.1, 0.2,  0.25, 0.5,  1.0,  2.0,  2.5,
                                   5.0, 10.0, 20.0, 25.0, 50.0, 100.0};

// Sums a hair above a multiple of the step (17.500000000000004) still end the
// axis at that multiple rather than one step higher.
constexpr double kAxisSlack = 1e-9;

}  // namespace

bool ChartState::SlideTo(int shift) {
  if (Shifts <= 0) return false;
  const int wrapped = ((shift % Shifts) + Shifts) % Shifts;
  if (wrapped == Shift) return false;
  Shift = wrapped;
  ++Revision;
  return true;
}

std::string PercentAxis::Label(double tick, char decimalSeparator) const {
  return FormatFixed(tick, 0, Decimals, decimalSeparator);
}

PercentAxis MakePercentAxis(double highest, int maxIntervals) {
  if (!(highest > 0.0)) highest = 1.0;  // NaN included
  highest = std::min(highest, 100.0);
  maxIntervals = std::max(maxIntervals, 1);
  PercentAxis axis;
  for (const double step : kAxisSteps) {
    const double intervals = std::ceil(highest / step - kAxisSlack);
    if (intervals <= maxIntervals || step == kAxisSteps.back()) {
      axis.Step = step;
      axis.Top = intervals * step;
      axis.Decimals = step == std::floor(step) ? 0 : (step * 10 == std::floor(step * 10) ? 1 : 2);
      for (int i = 0; i <= static_cast<int>(intervals); ++i) axis.Ticks.push_back(i * step);
      break;
    }
  }
  return axis;
}

void FrequencyChart::Rebuild(const FrequencyAnalysis& analysis, const CipherCore& core,
                             const ShiftRanking& ranking) {
  const int size = CharactersInUse(core);
  const auto& table = analysis.AnalyseTable;
  columns_.clear();
  for (int a = 1; a <= size; ++a)
    columns_.push_back({table[a].Character, table[a].ObservedPercent, table[a].ExpectedPercent});
  catchAll_ = table[kCatchAllElement].ObservedPercent;
  tolerance_ = analysis.Tolerance;

  // The sums and places come from the ranking itself: whatever the learner
  // reads under the chart is what the window recommends by.
  sums_.assign(size, 0.0);
  places_.assign(size, 0);
  recommended_ = 0;
  for (int k = 0; k < static_cast<int>(ranking.Entries.size()); ++k) {
    const RankedShift& entry = ranking.Entries[k];
    if (entry.Shift < 0 || entry.Shift >= size) continue;
    sums_[entry.Shift] = entry.ErrorSum;
    places_[entry.Shift] = k + 1;
  }
  if (size > 0 && !ranking.Entries.empty()) recommended_ = ranking.Entries.front().Shift;

  State.Shifts = size;
  State.Shift = recommended_;
  Changed();
}

void FrequencyChart::SetTolerance(int tolerance) {
  if (tolerance == tolerance_) return;
  tolerance_ = tolerance;
  Changed();
}

int FrequencyChart::ProfileColumn(int plainColumn, int shift) const {
  return ShiftedPosition(plainColumn + 1, shift, Size()) - 1;
}

int FrequencyChart::PlainColumnAt(int column, int shift) const {
  return (column - shift + Size()) % Size();
}

std::string FrequencyChart::ShiftLine(char decimalSeparator) const {
  if (Size() == 0) return {};
  const int s = State.Shift;
  const std::string dot = W(" · ");
  return "Verschiebung " + std::to_string(s) + dot + "Summe der Fehler-Quadrate " +
         FormatFixed(Sum(s), 4, 2, decimalSeparator) + dot + "Platz " + std::to_string(Place(s)) +
         " von " + std::to_string(Size());
}

std::string FrequencyChart::ProfileCaption() const {
  return "Deutsch, verschoben um " + std::to_string(State.Shift);
}

std::string FrequencyChart::ColumnTip(int column, char decimalSeparator) const {
  const auto percent = [decimalSeparator](double value) {
    return FormatFixed(value, 0, 3, decimalSeparator) + " %";
  };
  // A blank would be read as nothing at all.
  const auto name = [](const std::string& character) {
    return character == " " ? std::string("Leerzeichen") : character;
  };
  if (column == Size()) return W("??? (nicht im Alphabet): ") + percent(CatchAll());
  if (column < 0 || column > Size()) return {};
  const int plain = PlainColumnAt(column, State.Shift);
  return "Geheim-Zeichen " + name(Character(column)) + ": " + percent(Observed(column)) +
         W(" · Klar-Zeichen ") + name(Character(plain)) + " (verschoben um " +
         std::to_string(State.Shift) + "): " + percent(Reference(plain));
}

void FrequencyChart::UpdateHighest() {
  highest_ = catchAll_;
  for (int c = 0; c < Size(); ++c)
    highest_ = std::max({highest_, Band(c).High, Observed(c), Reference(c)});
}

void FrequencyChart::Changed() {
  UpdateHighest();
  ++contentRevision_;
  ++State.Revision;
}
