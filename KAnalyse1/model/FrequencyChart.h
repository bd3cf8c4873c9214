#pragma once
// The numbers behind the frequency chart: one bar per character in use, as
// high as its share of the ciphertext, the characters outside the alphabet as
// a bar of their own, the German letter frequencies moved along the alphabet
// by the chart's shift, the tolerance band around each bar, and for every
// shift its sum of squared differences and its place in the ranking.
//
// It reads the analysis once per showing and never counts the text again:
// sliding only changes ChartState. The sums and places are the ranking's own
// (RankShifts), so the line under the chart cannot disagree with the
// recommendation. It draws nothing; FrequencyChartWidget does, and knows
// nothing of the numbers' meaning.

#include <cstdint>
#include <string>
#include <vector>

#include "KAnalyse1/model/FrequencyAnalysis.h"
#include "ciphercore/CipherCore.h"
#include "toolkit/model/Controls.h"

// What the learner has slid the German profile to. Every change bumps
// Revision, so a view can tell in constant time whether it is up to date.
struct ChartState {
  int Shift = 0;   // 0..Shifts - 1
  int Shifts = 0;  // how many shifts there are: the alphabet size; 0 before any analysis
  std::uint64_t Revision = 0;  // also bumped when the chart's contents change

  // Moves to shift, wrapped into 0..Shifts - 1 from either side (-1 is the
  // last shift, Shifts is 0 again). Returns whether the shift changed.
  bool SlideTo(int shift);
};

// A percent axis from 0 to Top in steps of Step: Top is the smallest multiple
// of a round step (1, 2, 2.5 or 5 times a power of ten) that reaches the
// highest value, with no more intervals than asked for.
struct PercentAxis {
  double Top = 0.0;
  double Step = 0.0;
  int Decimals = 0;           // as many as the step needs: 0 for 5, 1 for 2.5, 2 for 0.25
  std::vector<double> Ticks;  // 0, Step, 2 Step, ..., Top

  // The tick's text, "%.<Decimals>f" with the separator given: "7,5".
  std::string Label(double tick, char decimalSeparator) const;
};

// highest <= 0 gives the axis 0..1; maxIntervals below 1 counts as 1.
PercentAxis MakePercentAxis(double highest, int maxIntervals);

class FrequencyChart : public Control {
 public:
  // Takes the analysis of a showing (after InitAnalyseTable, CountCharacters
  // and MatchTolerance have run on it) with the ranking RankShifts made of it,
  // and opens at the recommended shift.
  void Rebuild(const FrequencyAnalysis& analysis, const CipherCore& core,
               const ShiftRanking& ranking);
  // Only the band follows the tolerance; bars, profile, sums and the shift stay.
  void SetTolerance(int tolerance);

  // Columns are numbered 0..Size() - 1 in alphabet order: column c is the
  // character at alphabet position c + 1.
  int Size() const { return static_cast<int>(columns_.size()); }
  const std::string& Character(int column) const { return columns_[column].Character; }
  double Observed(int column) const { return columns_[column].Observed; }    // percent of the text
  double Reference(int column) const { return columns_[column].Reference; }  // German, percent
  // The interval a profile bar ends in when it counts as a match (MatchWindow).
  ToleranceBand Band(int column) const { return MatchWindow(Observed(column), tolerance_); }
  double CatchAll() const { return catchAll_; }  // percent of the text outside the alphabet
  int Tolerance() const { return tolerance_; }

  // Under shift s the reference frequency of the plain character in column c
  // stands in ProfileColumn(c, s), the column of the character s enciphers it
  // into, and is compared with that column's bar: the pairing RankShifts uses.
  int ProfileColumn(int plainColumn, int shift) const;
  // The inverse: which plain character's frequency stands in column under shift.
  int PlainColumnAt(int column, int shift) const;
  double ProfileAt(int column, int shift) const { return Reference(PlainColumnAt(column, shift)); }

  // The ranking's error sum of shift, and its place in the ranking (1 = best).
  double Sum(int shift) const { return sums_[shift]; }
  int Place(int shift) const { return places_[shift]; }
  int RecommendedShift() const { return recommended_; }

  // The highest percentage the chart must show at any shift: bars, band
  // tops and the German profile.
  double Highest() const { return highest_; }

  // "Verschiebung 7 · Summe der Fehler-Quadrate 87,42 · Platz 1 von 26" for
  // State.Shift, the sum as the window shows the best sum ("%4.2f");
  // Windows-1252. Empty before any analysis.
  std::string ShiftLine(char decimalSeparator) const;
  // The legend of the profile: "Deutsch, verschoben um 7"; Windows-1252.
  std::string ProfileCaption() const;
  // What a column holds at State.Shift, for a tooltip: "Geheim-Zeichen H:
  // 17,250 % · Klar-Zeichen E (verschoben um 3): 17,400 %". Column Size()
  // is the rest: "??? (nicht im Alphabet): 1,250 %". Windows-1252.
  std::string ColumnTip(int column, char decimalSeparator) const;

  // Bumped by Rebuild and SetTolerance, not by sliding: a view keeps what it
  // drew of bars, band and axis while this stays.
  std::uint64_t ContentRevision() const { return contentRevision_; }

  ChartState State;

 private:
  struct Column {
    std::string Character;
    double Observed = 0.0;
    double Reference = 0.0;
  };
  void UpdateHighest();
  void Changed();

  std::vector<Column> columns_;
  double catchAll_ = 0.0;
  int tolerance_ = 0;
  std::vector<double> sums_;  // by shift
  std::vector<int> places_;   // by shift
  int recommended_ = 0;
  double highest_ = 0.0;
  std::uint64_t contentRevision_ = 0;
};
