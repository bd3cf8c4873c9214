// Not a check but a report: how often the two analyses hand the learner the
// secret shift of an exercise, over the whole collection, per length class and
// alphabet. Each exercise goes into a real main window, and each analysis is
// opened from it and left with "Verschiebung übernehmen", as a learner would:
// the frequency analysis with its recommended shift, the brute force with its
// top row once sorted by "dt. Wörter". It always passes and prints a Markdown
// table. The unknown characters are kept ("übernehmen"); the seed is fixed.
#include <gtest/gtest.h>

#include <cstdio>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "KAnalyse1/model/TForm2.h"
#include "KAnalyse3/model/TForm3.h"
#include "allgfunkt/PosixDrive.h"
#include "maincaesar/model/TForm1.h"
#include "tests/support/FakePlatform.h"
#include "uebung/model/Exercise.h"
#include "uebung/model/PracticeTexts.h"
#include "ciphercore/TextCipher.h"

namespace {

// The program's windows as the app makes them, with the fake platform
// clicking "Verschiebung übernehmen" in whichever analysis is opened.
struct Program {
  Program() {
    form1.FormCreate();
    form2.FormCreate();
    form3.FormCreate();
    form1.ReadTakenShiftsFrom(form2, form3);
    form1.FormShow();
    platform.OnShowModal = [this](ModalForm form) {
      if (form == TForm1::kForm2) {
        form2.Frame.StartShowing();
        form2.FormShow();
        form2.BitBtn4Click();
      } else {
        form3.Frame.StartShowing();
        form3.FormShow();
        form3.BitBtn2Click();  // sorted by "dt. Wörter": the top row has the most
        form3.BitBtn4Click();  // no row picked: the top row's shift
      }
    };
  }

  // The decryption shift the main window stands at after the analysis.
  int TakenBy(void (TForm1::*openAnalysis)()) {
    form1.UpDown2.Position = 0;
    form1.UpDown2Click();
    (form1.*openAnalysis)();
    return form1.State.DecShift;
  }

  CipherCore core;
  FakePlatform platform;
  FrequencyAnalysis analysis;
  BruteForceState bruteForce;
  PosixDrive driveA{"/nonexistent/Laufwerk-A", false};
  TForm1 form1{core, platform, driveA};
  TForm2 form2{analysis, core, platform};
  TForm3 form3{bruteForce, core};
};

std::string Share(int hits, int of) {
  char cell[32];
  std::snprintf(cell, sizeof cell, "%d (%.0f %%)", hits, of ? 100.0 * hits / of : 0.0);
  return cell;
}

TEST(UebungReport, HowOftenTheAnalysesFindTheSecretShift) {
  Program program;
  SeededRandom random(1000u);
  std::ostringstream table;
  table << "| Länge | Alphabet | Texte | Häufigkeitsanalyse | Brute Force | mindestens eine |\n"
        << "|---|---:|---:|---:|---:|---:|\n";
  for (const TextLength length : kTextLengths) {
    const std::vector<std::string>& texts = PracticeTexts(length);
    for (int option = 0; option < 4; ++option) {
      const int n = AlphabetSizeForOption(option);
      program.form1.RadioGroup1.ItemIndex = option;
      program.form1.RadioGroup1Click();
      program.form1.RadioGroup2.ItemIndex = kUnknownKeep;
      program.form1.RadioGroup2Click();
      int frequencyHits = 0, bruteForceHits = 0, eitherHits = 0;
      std::optional<int> previous;
      for (std::size_t i = 0; i < texts.size(); ++i) {
        const int shift = DrawShift(n, random, previous);
        previous = shift;
        const Exercise e = BuildExercise(length, i, n, kUnknownKeep, shift);
        program.form1.Edit3.SetText(e.CipherText);
        const bool frequency = program.TakenBy(&TForm1::BitBtn10Click) == shift;
        const bool brute = program.TakenBy(&TForm1::BitBtn12Click) == shift;
        frequencyHits += frequency;
        bruteForceHits += brute;
        eitherHits += frequency || brute;
      }
      const int count = static_cast<int>(texts.size());
      table << "| " << TextLengthName(length) << " | " << n << " | " << count << " | "
            << Share(frequencyHits, count) << " | " << Share(bruteForceHits, count) << " | "
            << Share(eitherHits, count) << " |\n";
    }
  }
  std::cout << "\n" << table.str() << "\n";
}

}  // namespace
