// Makes the pictures of the windows for the documentation: starts the program
// on the offscreen platform, drives it as a learner would, and saves each
// window as a PNG file in the folder given on the command line.
//
//   QT_QPA_PLATFORM=offscreen chiffrarium-screenshots docs
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QTest>
#include <QTimer>

#include <cstdio>

#include "app/Program.h"
#include "toolkit/model/Win1252.h"
#include "toolkit/view/GridWidget.h"
#include "toolkit/view/UpDownWidget.h"

namespace {

bool Save(QWidget& window, const QDir& folder, const char* name) {
  const QString path = folder.filePath(QString::fromLatin1(name));
  const bool ok = window.grab().save(path);
  std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
  return ok;
}

void Click(QWidget& window, const char* name) {
  auto* button = window.findChild<QAbstractButton*>(QString::fromLatin1(name));
  if (button) QTest::mouseClick(button, Qt::LeftButton);
}

// The main window after three single steps on a word typed in lower case: the
// plaintext upper-cased, the marker under the third character, its table
// column highlighted.
bool SaveSteps(Program& program, const QDir& folder) {
  auto* plaintext = program.window1.findChild<QLineEdit*>(QStringLiteral("Edit1"));
  QTest::mouseClick(plaintext, Qt::LeftButton);
  QTest::keyClicks(plaintext, QStringLiteral("geheimnis"));
  for (int i = 0; i < 3; ++i) Click(program.window1, "BitBtn1");  // "ein Zeichen verschlüsseln"
  QTest::qWait(50);
  return Save(program.window1, folder, "hauptfenster-schritte.png");
}

// The brute-force window on a German text enciphered with the extended
// alphabet, sorted by score: the readable row stands on top.
bool SaveBruteForce(Program& program, const QDir& folder) {
  program.form1.Edit1.SetText(
      W("Die Klasse 9b besucht morgen das Museum für Naturkunde. Dort zeigt Frau Weber den "
        "Schülern, wie man eine geheime Nachricht mit der Cäsar-Verschiebung verschlüsselt. Wer "
        "den Schlüssel nicht kennt, muss alle Verschiebungen ausprobieren; mit dem Rechner dauert "
        "das nur einen Augenblick."));
  program.window1.Sync();
  Click(program.window1, "RadioGroup1Item3");  // "erweiterte Zeichenliste", 60 characters
  Click(program.window1, "BitBtn3");           // "alles verschlüsseln"
  bool ok = false;
  QTimer::singleShot(0, &program.window3, [&] {
    if (QTest::qWaitForWindowExposed(&program.window3)) {
      Click(program.window3, "BitBtn2");  // sort by "dt. Wörter"
      // The learner picks the row that reads as German.
      GridWidget& grid = program.window3.Grid();
      QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.CellRect(2, 1).center());
      QTest::qWait(50);
      ok = Save(program.window3, folder, "brute-force.png");
    }
    Click(program.window3, "BitBtn1");  // "Beenden"
  });
  Click(program.window1, "BitBtn12");  // "brachiale Kryptoanalyse (Brute Force)"
  return ok;
}

// A few German sentences for the analysis window, long enough for the letter
// frequencies to point at the shift.
constexpr const char* kGermanText =
    "Am Montag fuhr die Klasse mit dem Zug nach Trier. Dort besuchten wir die Porta Nigra, "
    "das alte Stadttor der Römer, und hörten viel über Kaiser und Legionen. Unsere Lehrerin "
    "erklärte, wie Cäsar geheime Nachrichten verschlüsselte: Jeder Buchstabe wurde um einige "
    "Stellen im Alphabet verschoben. Auf der Rückfahrt schrieben wir einander kurze Botschaften "
    "und versuchten, sie ohne Schlüssel zu lesen. Am Ende des Tages konnte fast jeder die "
    "Verschiebung allein durch Zählen der Buchstaben finden.";

// The learner takes a few German sentences, picks the 26 letters, turns the
// shift down from 17 to 7, encrypts and opens "Kryptoanalyse Einzelzeichen";
// the picture is taken once the window has drawn. It recommends the shift 7.
bool SaveFrequencyAnalysis(Program& program, const QDir& folder) {
  program.form1.Edit1.SetText(W(kGermanText));
  program.window1.Sync();
  Click(program.window1, "RadioGroup1Item0");  // "nur Buchstaben (original)"
  auto* shift = program.window1.findChild<UpDownWidget*>(QStringLiteral("UpDown1"));
  for (int i = 0; i < 10; ++i)
    QTest::mouseClick(shift, Qt::LeftButton, {}, shift->DownRect().center());
  Click(program.window1, "BitBtn3");  // "alles verschlüsseln"
  bool ok = false;
  QTimer::singleShot(0, &program.window2, [&] {
    if (QTest::qWaitForWindowExposed(&program.window2)) {
      QTest::qWait(50);
      ok = Save(program.window2, folder, "kryptoanalyse-einzelzeichen.png");
    }
    Click(program.window2, "BitBtn1");  // "Beenden"
  });
  Click(program.window1, "BitBtn10");  // "Kryptoanalyse Einzelzeichen"
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  InstallGermanEnvironment();
  const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
  if (!folder.exists()) {
    std::fprintf(stderr, "no such folder: %s\n", qPrintable(folder.path()));
    return 2;
  }
  Program program;
  program.Show();
  QTest::qWait(50);
  bool ok = Save(program.window1, folder, "hauptfenster-start.png");
  ok = SaveSteps(program, folder) && ok;
  ok = SaveBruteForce(program, folder) && ok;
  {
    // A program of its own, so that the text and settings of the pictures
    // above do not leak into this one.
    Program fresh;
    fresh.Show();
    QTest::qWait(50);
    ok = SaveFrequencyAnalysis(fresh, folder) && ok;
  }
  return ok ? 0 : 1;
}
