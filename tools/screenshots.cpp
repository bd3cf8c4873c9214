// Makes the pictures of the windows that the README shows: starts the program
// on the offscreen platform, drives it as a learner would, and saves each
// window as a PNG file in the folder given on the command line.
//
//   QT_QPA_PLATFORM=offscreen chiffrarium-screenshots docs
#include <QAbstractButton>
#include <QCheckBox>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <functional>

#include "KAnalyse1/view/FrequencyChartWidget.h"
#include "app/Program.h"
#include "arbeitsblatt/view/PrintDialog.h"
#include "toolkit/view/form/FormBinder.h"
#include "toolkit/view/grid/GridWidget.h"
#include "toolkit/view/widgets/Zoom.h"
#include "toolkit/view/widgets/UpDownWidget.h"
#include "uebung/view/ExerciseDialog.h"

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

// The example the README walks through: a learner's message, enciphered one
// character at a time with the 26 letters and the shift 7, then broken without
// the key by both analyses.
constexpr const char* kMessage =
    "Treffen wir uns nach der Schule am alten Brunnen? Bring die Karte mit!";
constexpr int kStepsShown = 12;

// The main window in the middle of the encryption: the plaintext upper-cased,
// the marker under the character just enciphered, its table column selected.
bool SaveSteps(Program& program, const QDir& folder) {
  auto* plaintext = program.window1.findChild<QLineEdit*>(QStringLiteral("Edit1"));
  QTest::mouseClick(plaintext, Qt::LeftButton);
  QTest::keyClicks(plaintext, QString::fromLatin1(kMessage).toLower());
  Click(program.window1, "RadioGroup1Item0");  // "nur Buchstaben (original)"
  auto* shift = program.window1.findChild<UpDownWidget*>(QStringLiteral("UpDown1"));
  for (int i = 0; i < 10; ++i)  // from 17 down to 7
    QTest::mouseClick(shift, Qt::LeftButton, {}, shift->DownRect().center());
  for (int i = 0; i < kStepsShown; ++i)
    Click(program.window1, "BitBtn1");  // "ein Zeichen verschlüsseln"
  QTest::qWait(50);
  return Save(program.window1, folder, "hauptfenster-schritte.png");
}

// Shows an analysis window as its button does, lets act() work in it once it
// is on screen, saves it and closes it with "Beenden".
template <typename Window>
bool SaveAnalysis(Program& program, Window& window, const char* button, const QDir& folder,
                  const char* file, std::function<void()> act) {
  bool ok = false;
  QTimer::singleShot(0, &window, [&] {
    if (QTest::qWaitForWindowExposed(&window)) {
      if (act) act();
      QTest::qWait(50);
      ok = Save(window, folder, file);
    }
    Click(window, "BitBtn1");  // "Beenden"
  });
  Click(program.window1, button);
  return ok;
}

// The whole message enciphered, then both analyses on the ciphertext: the
// frequency analysis recommends a shift, and its chart shows the German
// profile slid onto the bars of the ciphertext; the brute-force window sorted
// by German words shows the message on top.
bool SaveAnalyses(Program& program, const QDir& folder) {
  Click(program.window1, "BitBtn3");  // "alles verschlüsseln"
  bool ok = SaveAnalysis(program, program.Window2(), "BitBtn10", folder,
                         "kryptoanalyse-einzelzeichen.png", nullptr);
  // "Diagramm" pressed; the learner starts from shift 0 and slides the
  // profile right until its peaks stand on the bars.
  const auto slideTo7 = [&] {
    Click(program.Window2(), "SpeedButton1");
    auto* chart = program.Window2().findChild<FrequencyChartWidget*>(QStringLiteral("Chart1"));
    QTest::mouseClick(chart, Qt::LeftButton);
    QTest::keyClick(chart, Qt::Key_Home);
    for (int i = 0; i < 7; ++i) QTest::keyClick(chart, Qt::Key_Right);
  };
  ok = SaveAnalysis(program, program.Window2(), "BitBtn10", folder, "kryptoanalyse-diagramm.png",
                    slideTo7) &&
       ok;
  ok = SaveAnalysis(program, program.Window3(), "BitBtn12", folder, "brute-force.png",
                    [&] {
                      Click(program.Window3(), "BitBtn2");  // sort by "dt. Wörter"
                      // The learner picks the row that reads as German.
                      GridWidget& grid = program.Window3().Grid();
                      QTest::mouseClick(grid.viewport(), Qt::LeftButton, {},
                                        grid.CellRect(2, 1).center());
                    }) &&
       ok;
  return ok;
}

// For the classroom: the main window as the projector shows it at 150 %, and
// the help opened by F1 on "Kryptoanalyse Einzelzeichen".
bool SaveClassroom(Program& program, const QDir& folder) {
  ViewZoom::Get().SetPercent(150);
  QTest::qWait(50);
  bool ok = Save(program.window1, folder, "hauptfenster-150.png");
  ViewZoom::Get().Reset();
  // The offscreen platform has no window manager to hand the main window
  // back the keys after the analyses.
  program.window1.activateWindow();
  QTest::qWaitForWindowActive(&program.window1);
  auto* button = program.window1.findChild<QWidget*>(QStringLiteral("BitBtn10"));
  button->setFocus(Qt::TabFocusReason);
  QTest::keyClick(button, Qt::Key_F1);
  QTest::qWait(50);
  return Save(program.Help(), folder, "hilfe.png") && ok;
}

// The cipher disk beside the main window during the README's example: the
// encryption started anew, the disk opened, and eleven single steps: the
// eleventh character, R, is lit as it becomes Y (the twelfth is a blank, which
// the 26 letters do not hold, and would light nothing).
bool SaveDisk(Program& program, const QDir& folder) {
  program.window1.activateWindow();
  QTest::qWaitForWindowActive(&program.window1);
  Click(program.window1, "BitBtn14");  // "von vorn beginnen"
  program.Disk().Open();
  QTest::qWaitForWindowExposed(&program.Disk());
  for (int i = 0; i < kStepsShown - 1; ++i) Click(program.window1, "BitBtn1");
  QTest::qWait(50);
  return Save(program.Disk(), folder, "scheibe.png");
}

// The worksheet of the example with all four pages, as a PDF beside the
// pictures (`make screenshots` renders its first page for the README).
bool SaveWorksheet(Program& program, const QDir& folder) {
  Click(program.window1, "BitBtn3");  // "alles verschlüsseln"
  bool ok = false;
  QTimer::singleShot(0, &program.window1, [&] {
    auto* dialog = qobject_cast<PrintDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    if (auto* solution = dialog->findChild<QCheckBox*>(QStringLiteral("Solution")))
      solution->setChecked(true);
    const QString path = folder.filePath(QStringLiteral("arbeitsblatt.pdf"));
    ok = dialog->SaveAsPdf(path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    dialog->reject();
  });
  program.ShowWorksheet();
  return ok;
}

// "Übungstext" after a short text was fetched, over the main window that
// holds it. The texts and shifts are drawn from a fixed seed, so the picture
// stays the same from one run to the next.
bool SaveExercise(Program& program, const QDir& folder) {
  program.random = SeededRandom(21);
  program.window1.Binder().Run([&] { program.exerciseForm.BitBtn1Click(); });
  bool ok = false;
  QTimer::singleShot(0, &program.window1, [&] {
    auto* dialog = qobject_cast<ExerciseDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    QTest::qWaitForWindowExposed(dialog);
    QTest::qWait(50);
    QPixmap picture = program.window1.grab();
    {
      QPainter painter(&picture);
      painter.drawPixmap(program.window1.mapFromGlobal(dialog->mapToGlobal(QPoint(0, 0))),
                         dialog->grab());
    }
    const QString path = folder.filePath(QStringLiteral("uebung.png"));
    ok = picture.save(path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    dialog->reject();
  });
  program.ShowExercise();
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
  bool ok = SaveSteps(program, folder);
  ok = SaveAnalyses(program, folder) && ok;
  ok = SaveClassroom(program, folder) && ok;
  ok = SaveDisk(program, folder) && ok;
  ok = SaveWorksheet(program, folder) && ok;
  ok = SaveExercise(program, folder) && ok;
  return ok ? 0 : 1;
}
