// Practice texts as a learner uses them: "Übungstext …" puts a ciphertext
// into the main window as a load does; deciphering it with the right shift
// says "Geknackt!" once, with how the shift was found; "Lösung zeigen" gives
// up; typing over the ciphertext ends the exercise; a teacher saves it as a
// task on drive A:, and the worksheet's solution is the exercise's secret.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

#include "app/Program.h"
#include "tests/support/Typing.h"
#include "tests/support/WindowTest.h"
#include "toolkit/view/form/FormBinder.h"
#include "toolkit/view/text/QtText.h"
#include "uebung/view/ExerciseDialog.h"

namespace {

QString U8(const char* utf8) { return QString::fromUtf8(utf8); }

class ExerciseTest : public testing::Test {
 protected:
  void SetUp() override {
    qputenv("CHIFFRARIUM_LAUFWERK_A", drive.path().toLocal8Bit());
    program = std::make_unique<Program>();
    program->Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&program->window1));
  }
  void TearDown() override { qunsetenv("CHIFFRARIUM_LAUFWERK_A"); }

  // "Übungstext …" in Extras, and inside() in the dialog it opens. (The
  // offscreen platform loses the window's keys after some boxes; Strg+N is
  // the entry's own shortcut.)
  void InsideDialog(const std::function<void(QDialog&)>& inside) {
    bool ran = false;
    QTimer::singleShot(0, &program->window1, [&] {
      auto* dialog = qobject_cast<ExerciseDialog*>(QApplication::activeModalWidget());
      ran = dialog != nullptr;
      if (!dialog) return;
      inside(*dialog);
      if (dialog->isVisible()) dialog->reject();
    });
    QAction* entry = Extra("Exercise");
    EXPECT_EQ(entry->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    entry->trigger();
    ASSERT_TRUE(ran) << "no exercise dialog";
  }
  // A new exercise of the length with that item index.
  void NewExercise(int length) {
    InsideDialog([&](QDialog& dialog) {
      EXPECT_EQ(dialog.windowTitle(), U8("Übungstext"));
      // Alt+N fetches; a screen reader hears the caption without its "&".
      EXPECT_EQ(Find<QWidget>(&dialog, "BitBtn1")->accessibleName(), U8("Neuen Text holen"));
      Click(&dialog, qPrintable(QStringLiteral("RadioGroup1Item%1").arg(length)));
      Click(&dialog, "BitBtn1");  // "Neuen Text holen"
      EXPECT_FALSE(dialog.isVisible()) << "the learner goes to work";
    });
    ASSERT_NE(program->exerciseForm.Current(), nullptr);
  }
  int Secret() const { return program->exerciseForm.Current()->Shift; }
  // The decryption spinner clicked to the shift.
  void SpinTo(int shift) {
    while (program->form1.State.DecShift < shift) ClickArrow(&program->window1, "UpDown2", true);
    while (program->form1.State.DecShift > shift) ClickArrow(&program->window1, "UpDown2", false);
  }
  QAction* Extra(const char* name) {
    return program->window1.findChild<QAction*>(QString::fromLatin1(name));
  }

  QTemporaryDir drive;
  std::unique_ptr<Program> program;
};

TEST_F(ExerciseTest, ASolvedExerciseSaysGeknacktOnceWithHowItWasFound) {
  TypeText(Find<QLineEdit>(&program->window1, "Edit1"), U8("etwas"));
  NewExercise(0);  // "kurz"
  const Exercise& exercise = *program->exerciseForm.Current();
  EXPECT_EQ(ToQString(program->form1.Edit3.Text()), ToQString(exercise.CipherText));
  EXPECT_EQ(TextOf(&program->window1, "Edit1"), QString()) << "as after a load";
  EXPECT_GE(exercise.Shift, 1);
  EXPECT_LE(exercise.Shift, 36);
  EXPECT_TRUE(Extra("ShowSolution")->isEnabled());

  // A wrong shift, deciphered completely: nothing.
  SpinTo(exercise.Shift == 1 ? 2 : 1);
  {
    BoxAnswerer boxes({"OK"});
    Click(&program->window1, "BitBtn9");  // "sofort alle Zeichen entschlüsseln"
    EXPECT_TRUE(boxes.Seen.isEmpty());
  }
  SpinTo(exercise.Shift);
  {
    BoxAnswerer boxes({"OK", "OK"});
    Click(&program->window1, "BitBtn9");
    ASSERT_EQ(boxes.Seen.size(), 1);
    EXPECT_EQ(boxes.Seen[0], U8("Information: Geknackt! Die Verschiebung ist %1. Von Hand "
                                "eingestellt; 2 Verschiebungen ausprobiert.")
                                 .arg(exercise.Shift));
    Click(&program->window1, "BitBtn9");  // once only
    EXPECT_EQ(boxes.Seen.size(), 1);
  }
}

TEST_F(ExerciseTest, ShiftTakenFromTheFrequencyAnalysisIsNamed) {
  NewExercise(3);  // "sehr lang": the analysis finds it
  // Even when its shift stands already, by hand: taken over, it is the
  // analysis that found it.
  SpinTo(Secret());
  InsideModal(
      program->Window2(), [&] { Click(&program->window1, "BitBtn10"); },
      [&] { Click(&program->Window2(), "BitBtn4"); });  // "Verschiebung übernehmen"
  ASSERT_EQ(program->form1.State.DecShift % 37, Secret());
  BoxAnswerer boxes({"OK"});
  Click(&program->window1, "BitBtn9");
  ASSERT_EQ(boxes.Seen.size(), 1);
  EXPECT_TRUE(boxes.Seen[0].contains(U8("Gefunden mit der Häufigkeitsanalyse")))
      << qPrintable(boxes.Seen[0]);
}

TEST_F(ExerciseTest, GivingUpShowsTheSolutionAndTypingEndsTheExercise) {
  NewExercise(1);
  const Exercise exercise = *program->exerciseForm.Current();
  {
    BoxAnswerer boxes({"OK"});
    Extra("ShowSolution")->trigger();
    ASSERT_EQ(boxes.Seen.size(), 1);
    EXPECT_TRUE(boxes.Seen[0].startsWith(
        U8("Information: Die Verschiebung ist %1. Der Klartext lautet: ").arg(exercise.Shift)));
  }
  SpinTo(exercise.Shift);
  {
    BoxAnswerer boxes({"OK"});
    Click(&program->window1, "BitBtn9");
    EXPECT_TRUE(boxes.Seen.isEmpty()) << "given up";
  }
  NewExercise(1);
  EXPECT_NE(program->exerciseForm.Current()->Shift, exercise.Shift) << "never the last shift";
  auto* ciphertext = Find<QLineEdit>(&program->window1, "Edit3");
  ciphertext->setFocus();
  TypeText(ciphertext, QStringLiteral("x"));
  EXPECT_EQ(program->exerciseForm.Current(), nullptr);
  Q_EMIT program->window1.ExtrasMenu()->aboutToShow();
  EXPECT_FALSE(Extra("ShowSolution")->isEnabled());
}

TEST_F(ExerciseTest, ATeacherSavesItAsATask) {
  NewExercise(2);
  const std::string cipher = program->exerciseForm.Current()->CipherText;
  {
    BoxAnswerer boxes({"OK"});  // the teacher looks at the solution first
    Extra("ShowSolution")->trigger();
  }
  InsideDialog([&](QDialog& dialog) {
    BoxAnswerer boxes({"&Ja", "OK", "OK"});
    Click(&dialog, "BitBtn3");  // "Als Aufgabe speichern ..."
    EXPECT_EQ(boxes.Seen.size(), 3);
  });
  QFile file(drive.filePath(QStringLiteral("GEHEIM.TXT")));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), QByteArray::fromStdString(cipher + "\r\n"));
  ASSERT_NE(program->exerciseForm.Current(), nullptr) << "saving ends nothing";
  // The worksheet's solution is the exercise's secret.
  const WorksheetSource sheet = program->Worksheet();
  EXPECT_EQ(sheet.Ciphertext, cipher);
  EXPECT_EQ(sheet.SecretShift, program->exerciseForm.Current()->Shift);
  EXPECT_EQ(sheet.SecretPlaintext, program->exerciseForm.Current()->PlainText);
}

}  // namespace
