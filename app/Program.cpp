#include "app/Program.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QMenu>
#include <QScreen>
#include <QStandardPaths>
#include <QTranslator>

#include <random>

#include "toolkit/model/Zoom.h"
#include "toolkit/view/widgets/Zoom.h"
#include "arbeitsblatt/view/AnalysisPrints.h"
#include "arbeitsblatt/view/TableDocument.h"
#include "arbeitsblatt/view/WorksheetDialog.h"
#include "scheibe/view/DiskWidget.h"
#include "uebung/view/ExerciseDialog.h"
#include "arbeitsblatt/view/WorksheetDocument.h"
#include "hilfe/model/MethodPages.h"
#include "toolkit/model/Win1252.h"
#include "toolkit/view/form/ControlRow.h"
#include "hilfe/view/AboutBox.h"
#include "toolkit/view/text/QtText.h"
#include "toolkit/view/form/FormBinder.h"
#include "toolkit/view/widgets/Fonts.h"

namespace {

const QString kMainWindow = QStringLiteral("Form1");

// Drive A: is a folder in the learner's documents folder, unless the
// environment names another directory. Qt knows the documents folder while
// HOME is set; without it, the account's home folder stands in.
DriveRoot DriveARoot() {
  const auto desktopDocuments = [] {
    return QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
        .toStdString();
  };
  return ChooseDriveRoot(DefaultDriveFolder(CurrentAccountFolders(), desktopDocuments));
}

// What the tooltips of the diskette buttons name as drive A:'s folder.
QString DriveFolderName(const DriveRoot& root) {
  if (root.Directory.empty()) return QString::fromUtf8("(keiner: kein persönlicher Ordner gefunden)");
  return QString::fromStdString(root.Directory);
}

}  // namespace

Program::Program() : driveRoot(DriveARoot()), random(std::random_device{}()) {
  form1.FormCreate();
  window1.ShowDriveDirectory(DriveFolderName(driveRoot));
  // The analysis windows are created with the program, their models at once:
  // the tolerance and the word list are there before the first showing.
  form2.FormCreate();
  form3.FormCreate();
  form1.ReadTakenShiftsFrom(form2, form3);
  platform.SetModalShower(TForm1::kForm2, [this] { return Window2().ShowModal(); });
  platform.SetModalShower(TForm1::kForm3, [this] { return Window3().ShowModal(); });
  platform.AddRedrawHook([this] { window1.Sync(); });
  QObject::connect(&window1, &MainWindow::HelpWanted,
                   [this](const QString& control) { Help().OpenEntry(kMainWindow, control); });
  QObject::connect(&window1, &MainWindow::HelpPageWanted,
                   [this] { Help().Open(QStringLiteral("start")); });
  QObject::connect(&window1, &MainWindow::AboutWanted,
                   [this] { ShowAbout(&window1, DriveFolderName(driveRoot)); });
  QObject::connect(window1.AddExtra("OpenDisk", QString::fromUtf8("Cäsar-Scheibe"),
                                    QKeySequence(Qt::CTRL | Qt::Key_D)),
                   &QAction::triggered, [this] { Disk().Open(); });
  QObject::connect(window1.AddExtra("Worksheet", QString::fromUtf8("Arbeitsblatt …"),
                                    QKeySequence(Qt::CTRL | Qt::Key_P)),
                   &QAction::triggered, [this] { ShowWorksheet(); });
  QObject::connect(window1.AddExtra("Exercise", QString::fromUtf8("Übungstext …"),
                                    QKeySequence(Qt::CTRL | Qt::Key_N)),
                   &QAction::triggered, [this] { ShowExercise(); });
  QAction* solution = window1.AddExtra("ShowSolution", QString::fromUtf8("Lösung zeigen"), {});
  QObject::connect(solution, &QAction::triggered, [this] {
    window1.Binder().Run([this] { exerciseForm.BitBtn2Click(); });
  });
  const auto enableSolution = [this, solution] { solution->setEnabled(exerciseForm.Running()); };
  // The windows of their own follow whatever the main window's handlers did,
  // in the same redraw, a run's steps too. "Geknackt!" waits for the end of
  // the handler that cracked it.
  window1.Binder().AddSync([this, enableSolution] {
    if (disk_) disk_->Follow();
    exerciseForm.Follow();
    enableSolution();
    if (exerciseForm.CrackedToSay())
      window1.Binder().WhenIdle([this] {
        window1.Binder().Run([this] { exerciseForm.ShowCracked(); });
      });
  });
  enableSolution();
  // Typing into the ciphertext raises no handler: the menu asks afresh.
  QObject::connect(window1.ExtrasMenu(), &QMenu::aboutToShow, enableSolution);
}

DiskWindow& Program::Disk() {
  if (!disk_) {
    disk_ = std::make_unique<DiskWindow>(diskForm, form1, window1.Binder(), &window1);
    QObject::connect(disk_.get(), &DiskWindow::HelpWanted, [this](const QString& control) {
      Help().OpenEntry(QStringLiteral("Scheibe"), control);
    });
    auto* cutOut = new QAction(QString::fromUtf8("Zum Ausschneiden drucken …"), &disk_->Disk());
    cutOut->setObjectName(QStringLiteral("PrintCutOut"));
    QObject::connect(cutOut, &QAction::triggered, [this] { ShowCutOutDisk(); });
    disk_->Disk().Menu()->addAction(cutOut);
  }
  return *disk_;
}

AnalyseWindow& Program::Window2() {
  if (!window2_) {
    window2_ = std::make_unique<AnalyseWindow>(form2, &window1);
    QObject::connect(window2_.get(), &ModalFormDialog::HelpWanted, [this](const QString& control) {
      Help().OpenEntry(QStringLiteral("Form2"), control);
    });
    QObject::connect(window2_.get(), &ModalFormDialog::PrintWanted, [this] {
      PrintDialog dialog(U("Drucken – Kryptoanalyse -- Einzelzeichen"),
                         FrequencyAnalysisPrint(form2, platform.DecimalSeparator()),
                         QString::fromStdString(driveRoot.Directory), QStringLiteral("Einzelzeichen.pdf"),
                         nullptr, window2_.get());
      ShowPrintDialog(dialog);
    });
  }
  return *window2_;
}

BruteForceWindow& Program::Window3() {
  if (!window3_) {
    window3_ = std::make_unique<BruteForceWindow>(form3, &window1);
    QObject::connect(window3_.get(), &ModalFormDialog::HelpWanted, [this](const QString& control) {
      Help().OpenEntry(QStringLiteral("Form3"), control);
    });
    QObject::connect(window3_.get(), &ModalFormDialog::PrintWanted, [this] {
      PrintDialog dialog(U("Drucken – Brachiale Kryptoanalyse (Brute Force)"), BruteForcePrint(form3),
                         QString::fromStdString(driveRoot.Directory), QStringLiteral("Brute-Force.pdf"),
                         nullptr, window3_.get());
      ShowPrintDialog(dialog);
    });
  }
  return *window3_;
}

WorksheetSource Program::Worksheet() const {
  WorksheetSource source;
  source.Ciphertext = form1.Edit3.Text();
  source.Plaintext = form1.Edit1.Text();
  for (int c = 0; c < form1.StringGrid1.ColCount(); ++c) {
    const std::string& cell = form1.StringGrid1.Cell(c, 0);
    source.Alphabet.push_back(cell.empty() ? ' ' : cell[0]);
  }
  for (const ControlRow& row : MainWindow::ControlRows(const_cast<TForm1&>(form1)))
    if (row.Name == std::string_view("RadioGroup1") && form1.RadioGroup1.ItemIndex >= 0 &&
        form1.RadioGroup1.ItemIndex < static_cast<int>(row.Items.size()))
      source.AlphabetName = W(row.Items[static_cast<std::size_t>(form1.RadioGroup1.ItemIndex)]);
  source.EncShift = form1.State.EncShift;
  source.DecShift = form1.State.DecShift;
  source.UnknownOption = form1.RadioGroup2.ItemIndex;
  // The ciphertext of an exercise: its secret is the solution.
  if (const Exercise* exercise = exerciseForm.Current()) {
    source.SecretShift = exercise->Shift;
    source.SecretPlaintext = exercise->PlainText;
  }
  return source;
}

void Program::ShowPrintDialog(PrintDialog& dialog) {
  // Over the window that asked for it: the main window, or the disk's.
  dialog.exec();
}

void Program::ShowExercise() {
  ExerciseDialog dialog(exerciseForm, window1.Binder(), &window1);
  QObject::connect(&dialog, &ExerciseDialog::HelpWanted, [this](const QString& control) {
    Help().OpenEntry(QStringLiteral("Uebung"), control);
  });
  dialog.exec();
}

void Program::ShowWorksheet() {
  WorksheetDialog dialog(std::make_unique<WorksheetDocument>(Worksheet(), core, frequency.Tolerance,
                                                             platform.DecimalSeparator()),
                         QString::fromStdString(driveRoot.Directory), &window1);
  ShowPrintDialog(dialog);
}

void Program::ShowCutOutDisk() {
  auto document = std::make_unique<WorksheetDocument>(Worksheet(), core, frequency.Tolerance,
                                                      platform.DecimalSeparator());
  WorksheetChoice disk;
  disk.Task = false;
  disk.Frequencies = false;
  document->SetChoice(disk);
  PrintDialog dialog(QString::fromUtf8("Cäsar-Scheibe zum Ausschneiden"), std::move(document),
                     QString::fromStdString(driveRoot.Directory), QStringLiteral("Scheibe.pdf"),
                     nullptr, &Disk());
  ShowPrintDialog(dialog);
}

HelpWindow& Program::Help() {
  if (help_) return *help_;
  // The pages on the method work their examples out on what the main window
  // holds when the help opens.
  auto methodPages = [this] {
    const WorkbenchTexts texts{form1.Edit1.Text(), form1.Edit3.Text(), form1.State.EncShift,
                               frequency.Tolerance};
    return MethodPages(core, texts, platform.DecimalSeparator());
  };
  std::vector<WindowHelp> windows;
  windows.push_back(
      {kMainWindow, window1.windowTitle(),
       U("Die Werkbank: oben wird der Klartext verschlüsselt, in der Mitte steht der "
         "Geheimtext, unten wird er wieder entschlüsselt."),
       MainWindow::ControlRows(form1), window1.actions() + window1.ExtrasMenu()->actions()});
  windows.push_back(
      {QStringLiteral("Form2"), U("Kryptoanalyse -- Einzelzeichen"),
       U("Die Häufigkeitsanalyse des Geheimtexts: wie oft jedes Zeichen vorkommt, welche "
         "Verschiebung das deutsche Muster am besten trifft, als Tabelle oder Diagramm."),
       AnalyseWindow::ControlRows(form2), {}});
  windows.push_back(
      {QStringLiteral("Form3"), U("Brachiale Kryptoanalyse (Brute Force)"),
       U("Der Geheimtext mit jeder Verschiebung entschlüsselt und nach deutschen Wörtern "
         "bewertet."),
       BruteForceWindow::ControlRows(form3), {}});
  windows.push_back(
      {QStringLiteral("Scheibe"), U("Cäsar-Scheibe"),
       U("Die Cäsar-Scheibe (Extras, Strg+D): eine Tabelle des Hauptfensters als zwei Ringe. "
         "Außen stehen die Klartext-Zeichen, innen die Geheimtext-Zeichen, um die Verschiebung "
         "gedreht; wer die Scheibe dreht, stellt die Verschiebung ein."),
       DiskWindow::ControlRows(diskForm), {}});
  windows.push_back(
      {QStringLiteral("Uebung"), U("Übungstext"),
       U("Übungstexte (Extras, Strg+N): ein deutscher Text, mit einer geheimen Verschiebung "
         "verschlüsselt, als Geheimtext im Hauptfenster. Ist er ganz entschlüsselt, meldet das "
         "Programm „Geknackt!“."),
       ExerciseDialog::ControlRows(exerciseForm), {}});
  help_ = std::make_unique<HelpWindow>(std::move(methodPages), std::move(windows));
  return *help_;
}

Program::~Program() {
  // The zoom lasts for the run of this program, not beyond it (a test builds
  // one program after another).
  ViewZoom::Get().Reset();
}

void Program::Show() {
  // CHIFFRARIUM_ZOOM=150 (or =max, the largest that fits) starts large, for
  // the projector.
  ViewZoom& zoom = ViewZoom::Get();
  if (const auto percent =
          ParseZoom(qEnvironmentVariable("CHIFFRARIUM_ZOOM").toStdString(), zoom.Largest()))
    zoom.SetPercent(*percent);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = window1.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window1.move(frame.topLeft());
  }
  window1.show();
}

void InstallGermanEnvironment() {
  auto* translator = new QTranslator(qApp);
  if (translator->load(QStringLiteral("qtbase_de"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(translator);
  InstallFonts();
  QApplication::setFont(DefaultWindowFont());
}
