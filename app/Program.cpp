#include "app/Program.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QScreen>
#include <QStandardPaths>
#include <QTranslator>

#include "toolkit/view/Fonts.h"

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
  window2.Create();
  window3.Create();
  platform.SetModalShower(TForm1::kForm2, [this] {
    window2.ShowModal();
    return form2.Frame.Reply();
  });
  platform.SetModalShower(TForm1::kForm3, [this] {
    window3.ShowModal();
    return form3.Frame.Reply();
  });
  platform.AddRedrawHook([this] { window1.Sync(); });
}

void Program::Show() {
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
