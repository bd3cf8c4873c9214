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
// environment names another directory.
DriveRoot DriveARoot() {
  QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (documents.isEmpty()) documents = QDir::homePath();
  return ChooseDriveRoot(QDir(documents).filePath(QString::fromLatin1(kDefaultDriveAFolder)).toStdString());
}

}  // namespace

Program::Program() : driveRoot(DriveARoot()) {
  form1.FormCreate();
  window1.ShowDriveDirectory(QString::fromStdString(driveRoot.Directory));
  window2.Create();
  window3.Create();
  platform.SetModalShower(TForm1::kForm2, [this] { window2.ShowModal(); });
  platform.SetModalShower(TForm1::kForm3, [this] { window3.ShowModal(); });
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
