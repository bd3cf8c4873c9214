// The practice texts and their exercises without a display: the compiled-in
// collection, every text enciphered and deciphered by a real main window, the
// secret shift, and the session that follows the learner to the solution.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "allgfunkt/PosixDrive.h"
#include "ciphercore/CipherCore.h"
#include "maincaesar/model/TForm1.h"
#include "tests/support/FakePlatform.h"
#include "toolkit/model/Win1252.h"
#include "uebung/model/Exercise.h"
#include "uebung/model/ExerciseSession.h"
#include "uebung/model/PracticeTexts.h"
#include "ciphercore/TextCipher.h"

namespace {

// --- the collection -----------------------------------------------------------

TEST(PracticeTextFile, IsCompiledInByteForByteAndReadsWithoutALineLeftOut) {
  std::ifstream in(UEBUNG_TEXT_FILE, std::ios::binary);
  ASSERT_TRUE(in) << UEBUNG_TEXT_FILE;
  const std::string onDisk{std::istreambuf_iterator<char>(in), {}};
  EXPECT_EQ(PracticeTextFile(), onDisk);

  // Comments included: every character of the file is one the program can hold.
  EXPECT_TRUE(win1252::TryFromUtf8(PracticeTextFile()).has_value());
  EXPECT_EQ(ParsePracticeTexts(PracticeTextFile()).Notes, std::vector<TextFileNote>{});
}

struct LengthBounds {
  TextLength length;
  std::size_t shortest;
  std::size_t longest;
};

void PrintTo(const LengthBounds& c, std::ostream* os) {
  *os << TextLengthName(c.length);
}

class PracticeTextClass : public testing::TestWithParam<LengthBounds> {};

// The captions promise about 20, 60, 200 and 1,000 characters.
TEST_P(PracticeTextClass, HoldsSixtyDifferentTextsOfItsLength) {
  const std::vector<std::string>& texts = PracticeTexts(GetParam().length);
  EXPECT_GE(texts.size(), 60u);
  for (const std::string& text : texts) {
    EXPECT_GE(text.size(), GetParam().shortest) << win1252::ToUtf8(text);
    EXPECT_LE(text.size(), GetParam().longest) << win1252::ToUtf8(text);
  }
  // A new exercise avoids the previous text; a twin would defeat that.
  EXPECT_EQ(std::set<std::string>(texts.begin(), texts.end()).size(), texts.size());
}

INSTANTIATE_TEST_SUITE_P(Classes, PracticeTextClass,
                         testing::Values(LengthBounds{TextLength::Kurz, 10, 30},
                                         LengthBounds{TextLength::Mittel, 40, 90},
                                         LengthBounds{TextLength::Lang, 140, 300},
                                         LengthBounds{TextLength::SehrLang, 700, 1400}),
                         [](const auto& info) {
                           std::string name(TextLengthName(info.param.length));
                           std::erase(name, ' ');  // a test name has no blanks
                           return name;
                         });

TEST(ParsePracticeTexts, SortsTheLinesIntoTheirClassesAndNotesWhatItLeavesOut) {
  const std::string file =
      "\xEF\xBB\xBF"  // 1: a byte order mark before the comment
      "# Kommentar\r\n"
      "Vor jedem Abschnitt\n"         // 2
      "[kurz]\n"                      // 3
      "Grüße aus Köln.\r\n"           // 4
      "\n"                            // 5
      "   \n"                         // 6
      "[Lang]\n"                      // 7: the names are lower case
      "verloren\n"                    // 8
      "[mittel]\n"                    // 9
      "Zeichen wie ő fehlen.\n"       // 10
      "Kaputt \xC3\n"                 // 11: a sequence cut short
      "[kurz]\n"                      // 12
      "#kein Text\n"                  // 13
      "Noch einer, ohne Zeilenende";  // 14
  const PracticeCollection c = ParsePracticeTexts(file);
  EXPECT_EQ(c.Of(TextLength::Kurz),
            (std::vector<std::string>{W("Grüße aus Köln."), "Noch einer, ohne Zeilenende"}));
  EXPECT_TRUE(c.Of(TextLength::Mittel).empty());
  EXPECT_TRUE(c.Of(TextLength::Lang).empty());
  EXPECT_EQ(c.Notes, (std::vector<TextFileNote>{{2, TextFileProblem::TextBeforeSection},
                                                {7, TextFileProblem::UnknownSection},
                                                {10, TextFileProblem::NotWindows1252},
                                                {11, TextFileProblem::NotWindows1252}}));
}

// --- every text in the main window ------------------------------------------

struct CipherOptionCase {
  const char* name;
  int alphabetOption;  // RadioGroup1.ItemIndex
  int unknownOption;   // RadioGroup2.ItemIndex
};

void PrintTo(const CipherOptionCase& c, std::ostream* os) {
  *os << c.name;
}

class EveryTextInTheMainWindow : public testing::TestWithParam<CipherOptionCase> {
 protected:
  void SetUp() override {
    form.FormCreate();
    form.FormShow();
    form.RadioGroup1.ItemIndex = GetParam().alphabetOption;
    form.RadioGroup1Click();
    form.RadioGroup2.ItemIndex = GetParam().unknownOption;
    form.RadioGroup2Click();
  }

  CipherCore core;
  FakePlatform platform;
  PosixDrive driveA{"/nonexistent/Laufwerk-A", false};
  TForm1 form{core, platform, driveA};
};

// The exercise's ciphertext is what "alles verschlüsseln" makes of the text,
// and its expected text what the decryption gives once the learner has the
// secret shift on the decryption spinner.
TEST_P(EveryTextInTheMainWindow, EnciphersAndDecipherAsTheExerciseSays) {
  const int n = AlphabetSizeForOption(GetParam().alphabetOption);
  ASSERT_EQ(core.AlphabetSize, n);
  SeededRandom random(20240917u + GetParam().alphabetOption * 3 + GetParam().unknownOption);
  std::optional<int> previous;
  for (const TextLength length : kTextLengths) {
    const std::vector<std::string>& texts = PracticeTexts(length);
    for (std::size_t i = 0; i < texts.size(); ++i) {
      const int shift = DrawShift(n, random, previous);
      previous = shift;
      const Exercise e = BuildExercise(length, i, n, GetParam().unknownOption, shift);
      SCOPED_TRACE(std::string(TextLengthName(length)) + " #" + std::to_string(i) + ", shift " +
                   std::to_string(shift));

      form.UpDown1.Position = shift;
      form.UpDown1Click();
      form.Edit1.SetText(texts[i]);
      form.BitBtn3Click();  // "alles verschlüsseln"
      EXPECT_EQ(form.Edit1.Text(), e.PlainText);
      EXPECT_EQ(form.Edit3.Text(), e.CipherText);

      // As an exercise hands it out: the ciphertext alone, the shift set by hand.
      form.BitBtn16Click();  // "Klartext löschen"
      form.Edit3.SetText(e.CipherText);
      form.UpDown2.Position = shift;
      form.UpDown2Click();
      form.BitBtn9Click();  // "sofort alle Zeichen entschlüsseln"
      // The decryption's upper-casing leaves the ciphertext as it came, so a
      // main window that ends the exercise when the ciphertext changes keeps it.
      EXPECT_EQ(form.Edit3.Text(), e.CipherText);
      EXPECT_EQ(form.Edit5.Text(), e.ExpectedText);
      if (GetParam().unknownOption == kUnknownKeep) {
        EXPECT_EQ(e.ExpectedText, e.PlainText);
      }
      if (HasFailure()) return;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Options, EveryTextInTheMainWindow,
                         testing::Values(CipherOptionCase{"Letters_skip", 0, 0},
                                         CipherOptionCase{"Letters_keep", 0, 1},
                                         CipherOptionCase{"Letters_blank", 0, 2},
                                         CipherOptionCase{"LettersSpace_skip", 1, 0},
                                         CipherOptionCase{"LettersSpace_keep", 1, 1},
                                         CipherOptionCase{"LettersSpace_blank", 1, 2},
                                         CipherOptionCase{"LettersDigitsSpace_skip", 2, 0},
                                         CipherOptionCase{"LettersDigitsSpace_keep", 2, 1},
                                         CipherOptionCase{"LettersDigitsSpace_blank", 2, 2},
                                         CipherOptionCase{"Extended_skip", 3, 0},
                                         CipherOptionCase{"Extended_keep", 3, 1},
                                         CipherOptionCase{"Extended_blank", 3, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- chance -------------------------------------------------------------------

TEST(DrawShift, NeverZeroNeverTheAlphabetNeverThePreviousAndEveryOtherComes) {
  for (const int n : {26, 27, 37, 60}) {
    SCOPED_TRACE(n);
    SeededRandom random(static_cast<std::uint32_t>(n));
    std::set<int> seen;
    std::optional<int> previous;
    for (int draw = 0; draw < 5000; ++draw) {
      const int shift = DrawShift(n, random, previous);
      ASSERT_GE(shift, 1);
      ASSERT_LT(shift, n);
      ASSERT_NE(std::optional<int>(shift), previous);
      seen.insert(shift);
      previous = shift;
    }
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(n - 1));
  }
}

TEST(MakeExercise, FollowsTheOptionsAndRepeatsNeitherTextNorShift) {
  SeededRandom random(7u);
  std::optional<Exercise> previous;
  std::set<std::size_t> textsSeen;
  for (int i = 0; i < 2000; ++i) {
    // Mostly the same class, as a learner who stays with a length; now and
    // then another, whose shift must still differ from the last one.
    const ExerciseOptions options{i % 50 == 49 ? TextLength::Lang : TextLength::Kurz, i % 4, i % 3};
    const Exercise e = MakeExercise(options, random, previous ? &*previous : nullptr);
    ASSERT_EQ(e.Length, options.Length);
    ASSERT_EQ(e.AlphabetSize, AlphabetSizeForOption(options.AlphabetOption));
    ASSERT_EQ(e.UnknownOption, options.UnknownOption);
    ASSERT_LT(e.TextIndex, PracticeTexts(e.Length).size());
    ASSERT_EQ(e.CipherText, EncipherText(e.PlainText, e.AlphabetSize, e.Shift, e.UnknownOption));
    if (previous) {
      ASSERT_NE(e.Shift, previous->Shift);
      if (previous->Length == e.Length) {
        ASSERT_NE(e.TextIndex, previous->TextIndex);
      }
    }
    if (e.Length == TextLength::Kurz) textsSeen.insert(e.TextIndex);
    previous = e;
  }
  EXPECT_EQ(textsSeen.size(), PracticeTexts(TextLength::Kurz).size());  // none is left out
}

// --- the session ----------------------------------------------------------------

// "HALLO, WELT!" over the 26 letters with shift 7, the comma, blank and "!" kept.
Exercise Hallo() {
  Exercise e;
  e.AlphabetSize = 26;
  e.UnknownOption = kUnknownKeep;
  e.Shift = 7;
  e.PlainText = "HALLO, WELT!";
  e.CipherText = "OHSSV, DLSA!";
  e.ExpectedText = "HALLO, WELT!";
  return e;
}

TEST(HalloExercise, IsWhatTheCipherMakes) {
  const Exercise e = Hallo();
  EXPECT_EQ(EncipherText(e.PlainText, 26, 7, kUnknownKeep), e.CipherText);
  EXPECT_EQ(DecipherText(e.CipherText, 26, 7), e.ExpectedText);
}

// One thing the learner does: sets the decryption shift, or makes the
// decrypted field hold a text.
struct Move {
  int shift = -1;  // -1: not a shift but a text
  ShiftSource source = ShiftSource::Spinner;
  const char* text = nullptr;
};
Move Set(int shift, ShiftSource source) {
  return {shift, source, nullptr};
}
Move Shows(const char* text) {
  return {-1, ShiftSource::Spinner, text};
}

struct SolveCase {
  const char* name;
  int startShift;  // where the decryption shift stood when the exercise began
  std::vector<Move> moves;
  const char* message;  // what the last move says, UTF-8; every earlier move says nothing
};

void PrintTo(const SolveCase& c, std::ostream* os) {
  *os << c.name;
}

class Solving : public testing::TestWithParam<SolveCase> {};

TEST_P(Solving, SaysOnceHowTheShiftWasFoundAndHowManyWereTried) {
  ExerciseSession session;
  session.Start(Hallo(), GetParam().startShift);
  std::optional<std::string> said;
  for (const Move& move : GetParam().moves) {
    ASSERT_FALSE(said) << "spoke before the last move: " << *said;
    if (move.text)
      said = session.DecryptedTextChanged(move.text);
    else
      session.DecryptionShiftSet(move.shift, move.source);
  }
  ASSERT_TRUE(said);
  EXPECT_EQ(win1252::ToUtf8(*said), GetParam().message);
  EXPECT_EQ(session.Phase(), ExercisePhase::Solved);
}

const char* const kHallo = "HALLO, WELT!";

INSTANTIATE_TEST_SUITE_P(
    Learners, Solving,
    testing::Values(
        SolveCase{"FrequencyAnalysisAfterAWrongStart",
                  17,
                  {Shows("XQBBE, MUBJ!"), Set(7, ShiftSource::FrequencyAnalysis), Shows(""),
                   Shows(kHallo)},
                  "Geknackt! Die Verschiebung ist 7. Gefunden mit der Häufigkeitsanalyse; "
                  "2 Verschiebungen ausprobiert."},
        SolveCase{"BruteForceAtTheFirstGo",
                  17,
                  {Set(7, ShiftSource::BruteForce), Shows(kHallo)},
                  "Geknackt! Die Verschiebung ist 7. Gefunden mit der brachialen "
                  "Kryptoanalyse; 1 Verschiebung ausprobiert."},
        // Spinning past shifts without deciphering with them tries none of them
        // (every spinner click empties the decrypted field); a shift deciphered
        // with twice, step by step too, counts once.
        SolveCase{"SpinnerStepByStep",
                  10,
                  {Shows("E"), Shows("EX"), Set(9, ShiftSource::Spinner), Shows(""),
                   Set(8, ShiftSource::Spinner), Shows(""), Shows("GZKKN, VDKS!"),
                   Set(10, ShiftSource::Spinner), Shows(""), Shows("EXIIL, TBIQ!"),
                   Set(7, ShiftSource::Spinner), Shows(""), Shows("HALLO"), Shows(kHallo)},
                  "Geknackt! Die Verschiebung ist 7. Von Hand eingestellt; "
                  "3 Verschiebungen ausprobiert."},
        SolveCase{"ShiftAlreadyStanding",
                  7,
                  {Shows(kHallo)},
                  "Geknackt! Die Verschiebung ist 7. Sie war schon eingestellt; "
                  "1 Verschiebung ausprobiert."},
        // After a switch from a larger alphabet the spinner can stand above
        // the 26 columns; the table takes 33 as 7.
        SolveCase{"SpinnerAboveTheAlphabet",
                  0,
                  {Set(33, ShiftSource::Spinner), Shows(kHallo)},
                  "Geknackt! Die Verschiebung ist 7. Von Hand eingestellt; "
                  "1 Verschiebung ausprobiert."},
        // Typed in, or the table written over: how it was found is unknown.
        SolveCase{"TypedWithAnotherShift",
                  3,
                  {Set(4, ShiftSource::FrequencyAnalysis), Shows(kHallo)},
                  "Geknackt! Die Verschiebung ist 7. 1 Verschiebung ausprobiert."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ExerciseSession, SolvedOnceAndThenSilent) {
  ExerciseSession session;
  session.Start(Hallo(), 7);
  EXPECT_TRUE(session.DecryptedTextChanged(kHallo));
  EXPECT_FALSE(session.DecryptedTextChanged(kHallo));
  EXPECT_FALSE(session.DecryptedTextChanged(""));
  EXPECT_FALSE(session.DecryptedTextChanged(kHallo));
  EXPECT_EQ(session.Phase(), ExercisePhase::Solved);
}

TEST(ExerciseSession, WrongOrUnfinishedDecryptionsAreSilent) {
  ExerciseSession session;
  session.Start(Hallo(), 8);
  EXPECT_FALSE(session.DecryptedTextChanged("GZKKN, VDKS!"));  // complete, with shift 8
  EXPECT_FALSE(session.DecryptedTextChanged("HALLO, WELT"));   // one short
  EXPECT_FALSE(session.DecryptedTextChanged("hallo, welt!"));  // typed, in lower case
  EXPECT_EQ(session.Phase(), ExercisePhase::Running);
}

TEST(ExerciseSession, ShowingTheSolutionGivesUpAndALaterSolveSaysNothing) {
  ExerciseSession session;
  EXPECT_FALSE(session.ShowSolution());  // no exercise yet
  session.Start(Hallo(), 17);
  const std::string solution = "Die Verschiebung ist 7. Der Klartext lautet: HALLO, WELT!";
  EXPECT_EQ(session.ShowSolution(), solution);
  EXPECT_EQ(session.Phase(), ExercisePhase::GivenUp);
  session.DecryptionShiftSet(7, ShiftSource::Spinner);
  EXPECT_FALSE(session.DecryptedTextChanged(kHallo));
  EXPECT_EQ(session.ShowSolution(), solution);
  EXPECT_EQ(session.Phase(), ExercisePhase::GivenUp);
}

TEST(ExerciseSession, EndedSilentlyItKeepsTheExerciseForTheNextToAvoid) {
  ExerciseSession session;
  EXPECT_EQ(session.LastExercise(), nullptr);
  session.Start(Hallo(), 17);
  EXPECT_FALSE(session.DecryptedTextChanged("XQBBE, MUBJ!"));
  session.End();
  EXPECT_EQ(session.Phase(), ExercisePhase::None);
  EXPECT_FALSE(session.DecryptedTextChanged(kHallo));
  EXPECT_FALSE(session.ShowSolution());
  ASSERT_NE(session.LastExercise(), nullptr);
  EXPECT_EQ(session.LastExercise()->Shift, 7);

  // The next exercise starts afresh: nothing tried yet.
  session.Start(Hallo(), 7);
  EXPECT_EQ(session.ShiftsTried(), 0u);
  EXPECT_EQ(win1252::ToUtf8(*session.DecryptedTextChanged(kHallo)),
            "Geknackt! Die Verschiebung ist 7. Sie war schon eingestellt; "
            "1 Verschiebung ausprobiert.");
}

}  // namespace
