// Chiffrarium: the Caesar cipher for the classroom. Takes no command line,
// reads no configuration, saves nothing on exit.
#include <QApplication>

#include "app/Program.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // Wayland docks find the installed menu entry and its icon by this name.
  QGuiApplication::setDesktopFileName(QStringLiteral("de.chiffrarium.Chiffrarium"));
  InstallGermanEnvironment();
  Program program;
  program.Show();
  return QApplication::exec();
}
