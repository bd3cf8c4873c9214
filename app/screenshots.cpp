// Makes the pictures of the windows for the documentation: starts the program
// on the offscreen platform, drives it as a learner would, and saves each
// window as a PNG file in the folder given on the command line.
//
//   QT_QPA_PLATFORM=offscreen chiffrarium-screenshots docs
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTest>

#include <cstdio>

#include "app/Program.h"

namespace {

bool Save(QWidget& window, const QDir& folder, const char* name) {
  const QString path = folder.filePath(QString::fromLatin1(name));
  const bool ok = window.grab().save(path);
  std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
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
  return ok ? 0 : 1;
}
