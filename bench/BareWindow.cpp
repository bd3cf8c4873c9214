// chiffrarium-bare-window: the yardsticks the program's start-up is measured
// against (StartupBench.cpp): an empty Qt window of the main window's size,
// and with --label the same window showing one line of text, which is what
// starts Qt's font machinery (fontconfig, a font engine) before it is mapped.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("leer"));
  window.setFixedSize(782, 540);
  if (QCoreApplication::arguments().contains(QStringLiteral("--label")))
    new QLabel(QStringLiteral("Klartext:"), &window);
  window.show();
  return QApplication::exec();
}
