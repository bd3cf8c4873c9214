// The numbers behind the frequency chart: the sum and place it shows for a
// shift are the ranking's, the German profile stands where the ranking pairs
// it, its bars end inside the band exactly where the table lists a match, and
// the slide wraps around the alphabet.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <sstream>
#include <string>

#include "KAnalyse1/model/FrequencyAnalysis.h"
#include "KAnalyse1/model/FrequencyChart.h"
#include "ciphercore/Upcase.h"
#include "tests/support/Encipher.h"
#include "toolkit/model/Win1252.h"

namespace {

// German prose as a learner would type it, with umlauts, ß, digits and
// punctuation, so that every alphabet finds characters of its own in it.
const std::string& GermanSample() {
  static const std::string text = UpcaseText(
      W("Am 3. Oktober 1990 wurde Deutschland wiedervereinigt. Viele Menschen feierten auf den "
        "Straßen, und in Berlin standen sie dicht gedrängt vor dem Brandenburger Tor. Die Älteren "
        "erzählten von der Zeit der Teilung, die Jüngeren hörten zu (manche zum ersten Mal). "
        "Heute lernen Schülerinnen und Schüler darüber im Geschichtsunterricht: Was bedeutet "
        "Freiheit? Warum fiel die Mauer? Ob sie die Antworten kennen, zeigt die Prüfung am 24. "
        "Mai!"));
  return text;
}

int ColumnOf(char c) {
  return static_cast<int>(MasterAlphabetCharacters().find(c));
}

class Chart : public testing::Test {
 protected:
  Chart() { core.MasterAlphabet = std::string(MasterAlphabetCharacters()); }

  // One showing of the window, then the chart built from it.
  ShiftRanking Analyse(const std::string& text, int alphabetSize, int tolerance = 3) {
    core.AnalysisText = text;
    core.AlphabetSize = alphabetSize;
    analysis.Tolerance = tolerance;
    InitAnalyseTable(analysis, core);
    CountCharacters(analysis, core);
    MatchTolerance(analysis, core);
    ShiftRanking ranking = RankShifts(analysis, core, '.');
    chart.Rebuild(analysis, core, RankShifts(analysis, core, '.'));
    return ranking;
  }

  CipherCore core;
  FrequencyAnalysis analysis;
  FrequencyChart chart;
};

class EveryAlphabet : public Chart, public testing::WithParamInterface<int> {};

// For every shift: the sum under the chart is the ranking's, to the bit; the
// place is the shift's position in the ranking; and the sum of the squared
// gaps between what the chart draws in each column, added in alphabet order,
// is that very sum, so the picture pairs the profile exactly as the ranking does.
TEST_P(EveryAlphabet, SumAndPlaceOfEveryShiftAreTheRankings) {
  const int size = GetParam();
  const int key = 7;
  const ShiftRanking ranking = Analyse(Encipher(GermanSample(), size, key), size);
  ASSERT_EQ(chart.Size(), size);
  ASSERT_EQ(static_cast<int>(ranking.Entries.size()), size);
  EXPECT_EQ(ranking.Entries[0].Shift, key) << "the sample no longer gives the key away";
  EXPECT_EQ(chart.RecommendedShift(), key);
  EXPECT_EQ(chart.State.Shift, key) << "the chart opens at the recommended shift";

  for (int k = 0; k < size; ++k) {
    const RankedShift& entry = ranking.Entries[k];
    EXPECT_EQ(chart.Sum(entry.Shift), entry.ErrorSum) << "shift " << entry.Shift;
    EXPECT_EQ(chart.Place(entry.Shift), k + 1) << "shift " << entry.Shift;
  }
  for (int s = 0; s < size; ++s) {
    double drawn = 0.0;
    for (int a = 0; a < size; ++a) {
      const int column = chart.ProfileColumn(a, s);
      EXPECT_EQ(chart.ProfileAt(column, s), chart.Reference(a));
      const double difference = chart.ProfileAt(column, s) - chart.Observed(column);
      drawn += difference * difference;
    }
    EXPECT_EQ(drawn, chart.Sum(s)) << "shift " << s;
  }
}

// A profile bar ends inside its column's band exactly when the table lists
// that plain character with that shift as a match of the column's character.
TEST_P(EveryAlphabet, ProfileInsideTheBandIsATableMatch) {
  const int size = GetParam();
  for (const int tolerance : {0, 3, 10}) {
    Analyse(Encipher(GermanSample(), size, 11), size, tolerance);
    for (int column = 0; column < size; ++column) {
      const TAnalyseElement& row = analysis.AnalyseTable[column + 1];
      std::stringstream shifts(row.MatchingShifts);
      std::string matches;  // "plain character:shift" of every match, each followed by " "
      std::string shift;
      for (const char plain : row.MatchingChars) {
        std::getline(shifts, shift, ';');
        matches += std::string(1, plain) + ":" + shift + " ";
      }
      for (int s = 0; s < size; ++s) {
        const std::string plain = chart.Character(chart.PlainColumnAt(column, s));
        const bool listed =
            matches.find(plain + ":" + std::to_string(s) + " ") != std::string::npos;
        EXPECT_EQ(chart.Band(column).Contains(chart.ProfileAt(column, s)), listed)
            << "tolerance " << tolerance << ", column " << row.Character << ", shift " << s;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Alphabets, EveryAlphabet, testing::Values(26, 27, 37, 60),
                         [](const auto& info) { return std::to_string(info.param); });

struct MoveCase {
  const char* name;
  int size;
  int shift;
  char plain;   // the plain character whose German frequency moves
  char column;  // the character whose column it lands in
};

TEST_F(Chart, ProfileMovesToTheColumnTheShiftEnciphersInto) {
  const MoveCase cases[] = {
      {"no shift leaves E on E", 26, 0, 'E', 'E'},
      {"shift 3 takes A to D", 26, 3, 'A', 'D'},
      {"shift 3 wraps X round to A", 26, 3, 'X', 'A'},
      {"the last shift takes B to A", 26, 25, 'B', 'A'},
      {"with the blank, Z moves onto the blank", 27, 1, 'Z', ' '},
      {"and the blank wraps to A", 27, 1, ' ', 'A'},
      {"start settings take E to V", 37, 17, 'E', 'V'},
      {"37 characters wrap 9 to D", 37, 4, '9', 'D'},
      {"E onto a digit of the full alphabet", 60, 30, 'E', '7'},
      {"the last shift of 60 takes A to the underscore", 60, 59, 'A', '_'},
      {"and the underscore to the one before it", 60, 59, '_', '@'},
  };
  for (const MoveCase& c : cases) {
    SCOPED_TRACE(c.name);
    Analyse("EEEE", c.size);
    const int from = ColumnOf(c.plain);
    const int to = ColumnOf(c.column);
    EXPECT_EQ(chart.ProfileColumn(from, c.shift), to);
    EXPECT_EQ(chart.PlainColumnAt(to, c.shift), from);
    EXPECT_EQ(chart.ProfileAt(to, c.shift),
              ReferenceFrequencies[static_cast<unsigned char>(c.plain)]);
  }
}

TEST_F(Chart, BarsAreTheTablesPercentagesWithTheRestApart) {
  // E, blank, E under 26 characters: the blank is outside the alphabet.
  Analyse("E E", 26);
  ASSERT_EQ(chart.Size(), 26);
  EXPECT_EQ(chart.Character(ColumnOf('E')), "E");
  EXPECT_EQ(chart.Observed(ColumnOf('E')), analysis.AnalyseTable[5].ObservedPercent);
  EXPECT_EQ(chart.Observed(ColumnOf('A')), 0.0);
  EXPECT_EQ(chart.CatchAll(), analysis.AnalyseTable[kCatchAllElement].ObservedPercent);
  EXPECT_DOUBLE_EQ(chart.CatchAll(), 100.0 / 3);
  EXPECT_EQ(chart.Reference(ColumnOf('E')), 17.4);
  // The band of E reaches 66.67 + 3; nothing needs more room.
  EXPECT_EQ(chart.Highest(), chart.Band(ColumnOf('E')).High);
  EXPECT_DOUBLE_EQ(chart.Highest(), 3 + 200.0 / 3);

  // The full alphabet has a bar for the blank, and the rest is empty.
  Analyse("E E", 60);
  EXPECT_EQ(chart.Size(), 60);
  EXPECT_EQ(chart.Character(ColumnOf(' ')), " ");
  EXPECT_EQ(chart.CatchAll(), 0.0);
}

TEST_F(Chart, BandFollowsTheToleranceClippedTo0And100) {
  Analyse("EEEE", 26, 3);
  EXPECT_EQ(chart.Band(ColumnOf('E')).Low, 97.0);
  EXPECT_EQ(chart.Band(ColumnOf('E')).High, 100.0);
  EXPECT_EQ(chart.Band(ColumnOf('A')).Low, 0.0);
  EXPECT_EQ(chart.Band(ColumnOf('A')).High, 3.0);
  EXPECT_EQ(chart.Highest(), 100.0);

  chart.State.SlideTo(5);
  const std::uint64_t revision = chart.State.Revision;
  const std::uint64_t contents = chart.ContentRevision();
  chart.SetTolerance(10);
  EXPECT_EQ(chart.Band(ColumnOf('A')).High, 10.0);
  EXPECT_EQ(chart.Band(ColumnOf('E')).Low, 90.0);
  EXPECT_EQ(chart.State.Shift, 5) << "the slide stays where the learner left it";
  EXPECT_GT(chart.State.Revision, revision);
  EXPECT_GT(chart.ContentRevision(), contents);
}

TEST_F(Chart, LineAndLegendFollowTheSlide) {
  // Four Es: shift 0 is best with 7281.60, 17 second with 8805.60.
  Analyse("EEEE", 26);
  EXPECT_EQ(chart.ShiftLine(','),
            W("Verschiebung 0 · Summe der Fehler-Quadrate 7281,60 · Platz 1 von 26"));
  EXPECT_EQ(chart.ProfileCaption(), "Deutsch, verschoben um 0");
  chart.State.SlideTo(17);
  EXPECT_EQ(chart.ShiftLine('.'),
            W("Verschiebung 17 · Summe der Fehler-Quadrate 8805.60 · Platz 2 von 26"));
  EXPECT_EQ(chart.ProfileCaption(), "Deutsch, verschoben um 17");
  // A column's tooltip names what stands there under the shift.
  EXPECT_EQ(chart.ColumnTip(ColumnOf('E'), ','),
            W("Geheim-Zeichen E: 100,000 % · Klar-Zeichen N (verschoben um 17): 9,780 %"));
  EXPECT_EQ(chart.ColumnTip(26, ','), "??? (nicht im Alphabet): 0,000 %");
  // "·" is one Windows-1252 byte.
  EXPECT_NE(chart.ShiftLine(',').find('\xB7'), std::string::npos);

  // Every letter once: all sums equal, so places follow the shifts.
  Analyse("ZYXWVUTSRQPONMLKJIHGFEDCBA", 26);
  chart.State.SlideTo(25);
  EXPECT_NE(chart.ShiftLine(',').find(W("· Platz 26 von 26")), std::string::npos);

  // The blank is named, not left invisible.
  Analyse("E E", 27);
  chart.State.SlideTo(1);
  EXPECT_EQ(chart.ColumnTip(ColumnOf('A'), '.'),
            W("Geheim-Zeichen A: 0.000 % · Klar-Zeichen Leerzeichen (verschoben um 1): 0.000 %"));

  FrequencyChart empty;
  EXPECT_EQ(empty.ShiftLine(','), "");
}

TEST_F(Chart, ANewShowingStartsAgainAtTheRecommendedShift) {
  Analyse(Encipher(GermanSample(), 26, 4), 26);
  EXPECT_EQ(chart.State.Shift, 4);
  const std::uint64_t contents = chart.ContentRevision();
  chart.State.SlideTo(20);
  EXPECT_EQ(chart.ContentRevision(), contents) << "sliding keeps the bars";
  Analyse(Encipher(GermanSample(), 37, 30), 37);
  EXPECT_EQ(chart.State.Shift, 30);
  EXPECT_EQ(chart.State.Shifts, 37);
  EXPECT_GT(chart.ContentRevision(), contents);
}

struct SlideCase {
  const char* name;
  int from;
  int to;        // SlideTo's argument
  int expected;  // the shift afterwards, of 26
};

TEST(ChartState, WrapsAroundTheAlphabet) {
  const SlideCase cases[] = {
      {"left from 0 wraps to the last shift", 0, -1, 25},
      {"right from the last shift wraps to 0", 25, 26, 0},
      {"a whole turn stays", 7, 33, 7},
      {"more than a turn back", 3, -24, 2},
      {"the count itself is 0", 9, 26, 0},
      {"minus one is the last shift", 9, -1, 25},
      {"Home goes to 0", 13, 0, 0},
      {"far out", 0, 2'000'000'001, 2'000'000'001 % 26},
      {"far out below", 0, -2'000'000'001, 26 - 2'000'000'001 % 26},
  };
  for (const SlideCase& c : cases) {
    SCOPED_TRACE(c.name);
    ChartState state{c.from, 26, 100};
    const bool moved = state.SlideTo(c.to);
    EXPECT_EQ(state.Shift, c.expected);
    EXPECT_EQ(moved, c.expected != c.from);
    EXPECT_EQ(state.Revision, moved ? 101u : 100u) << "only a change counts";
  }

  ChartState none;  // no analysis yet: nothing to slide
  EXPECT_FALSE(none.SlideTo(3));
  EXPECT_EQ(none.Shift, 0);
}

struct AxisCase {
  const char* name;
  double highest;
  int maxIntervals;
  double top;
  const char* labels;  // with ',' as the separator
};

TEST(PercentAxis, EndsAtTheFirstRoundStepThatReachesTheHighest) {
  const AxisCase cases[] = {
      {"German E with room for nine", 17.4, 10, 18.0, "0 2 4 6 8 10 12 14 16 18"},
      {"German E with room for eight", 17.4, 8, 17.5, "0,0 2,5 5,0 7,5 10,0 12,5 15,0 17,5"},
      {"an exact multiple adds no step", 20.0, 8, 20.0, "0,0 2,5 5,0 7,5 10,0 12,5 15,0 17,5 20,0"},
      {"a hair above a multiple", 17.500000000000004, 8, 17.5,
       "0,0 2,5 5,0 7,5 10,0 12,5 15,0 17,5"},
      {"one character alone", 100.0, 6, 100.0, "0 20 40 60 80 100"},
      {"no room at all", 100.0, 0, 100.0, "0 100"},
      {"nothing to show", 0.0, 4, 1.0, "0,00 0,25 0,50 0,75 1,00"},
      {"small numbers", 0.3, 4, 0.3, "0,0 0,1 0,2 0,3"},
      {"a quarter step", 0.9, 4, 1.0, "0,00 0,25 0,50 0,75 1,00"},
  };
  for (const AxisCase& c : cases) {
    SCOPED_TRACE(c.name);
    const PercentAxis axis = MakePercentAxis(c.highest, c.maxIntervals);
    EXPECT_DOUBLE_EQ(axis.Top, c.top);
    std::string labels;
    for (const double tick : axis.Ticks)
      labels += (labels.empty() ? "" : " ") + axis.Label(tick, ',');
    EXPECT_EQ(labels, c.labels);
    EXPECT_LE(static_cast<int>(axis.Ticks.size()) - 1, std::max(c.maxIntervals, 1));
  }
}

}  // namespace
