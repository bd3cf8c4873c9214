// main() of every window test: the real widgets on the offscreen platform,
// with the program's translations and fonts. The decimal separator comes from
// the locale CTest sets (C.UTF-8); tests that show numbers ask the platform
// for it rather than assume one.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>

#include "app/Program.h"

int main(int argc, char** argv) {
  // The offscreen platform, also where the test's environment names none;
  // a scaled run brings its own screen in the platform's options.
  if (!qEnvironmentVariable("QT_QPA_PLATFORM").startsWith(QLatin1String("offscreen")))
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
  testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  InstallGermanEnvironment();
  return RUN_ALL_TESTS();
}
