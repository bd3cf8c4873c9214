// Chiffrarium: the Caesar cipher for the classroom. Takes no command line,
// reads no configuration, saves nothing on exit.
#include <QApplication>

#include "app/Program.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  InstallGermanEnvironment();
  Program program;
  program.Show();
  return QApplication::exec();
}
