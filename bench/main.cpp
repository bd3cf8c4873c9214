// chiffrarium-bench: runs every registered scenario and prints one line each
// with the median of its runs. An argument keeps only the scenarios whose name
// contains it: chiffrarium-bench steps/model
//
// Window scenarios drive the real widgets on Qt's offscreen platform, so the
// program needs no display.
#include <QApplication>

#include <cstdio>
#include <string>

#include "app/Program.h"
#include "bench/Scenario.h"

int main(int argc, char** argv) {
  const std::string filter = argc > 1 ? argv[1] : "";
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
  int qtArgc = 1;
  QApplication app(qtArgc, argv);
  InstallGermanEnvironment();
  int failures = 0;
  for (const bench::Scenario& scenario : bench::Scenarios()) {
    if (scenario.Name.find(filter) == std::string::npos) continue;
    const bench::Measurement m = bench::Measure(scenario);
    std::printf("%s: median %.2f ms (%d runs)%s%s%s\n", scenario.Name.c_str(),
                m.MedianMilliseconds, m.Runs, m.Note.empty() ? "" : "; ", m.Note.c_str(),
                m.Verified ? "" : " WRONG RESULT");
    std::fflush(stdout);
    if (!m.Verified) ++failures;
  }
  return failures == 0 ? 0 : 1;
}
