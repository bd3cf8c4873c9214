#include "app/Program.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QScreen>
#include <QStandardPaths>
#include <QTranslator>

#include "toolkit/model/Zoom.h"
#include "toolkit/view/widgets/Zoom.h"
#include "toolkit/view/widgets/Fonts.h"

namespace {

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

Program::Program() : driveRoot(DriveARoot()) {
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
}

AnalyseWindow& Program::Window2() {
  if (!window2_) window2_ = std::make_unique<AnalyseWindow>(form2, &window1);
  return *window2_;
}

BruteForceWindow& Program::Window3() {
  if (!window3_) window3_ = std::make_unique<BruteForceWindow>(form3, &window1);
  return *window3_;
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
