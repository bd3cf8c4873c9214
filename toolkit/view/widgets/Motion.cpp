#include "toolkit/view/widgets/Motion.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QTextStream>

namespace {

bool GnomeAnimationsOff() {
  const QString gsettings = QStandardPaths::findExecutable(QStringLiteral("gsettings"));
  if (gsettings.isEmpty()) return false;
  QProcess process;
  process.start(gsettings, {QStringLiteral("get"), QStringLiteral("org.gnome.desktop.interface"),
                            QStringLiteral("enable-animations")});
  // A desktop without a settings service answers at once or not at all.
  if (!process.waitForFinished(500)) {
    process.kill();
    process.waitForFinished(100);
    return false;
  }
  return process.exitCode() == 0 &&
         QString::fromUtf8(process.readAllStandardOutput()).trimmed() == QLatin1String("false");
}

bool KdeAnimationsOff() {
  QFile file(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
             QStringLiteral("/kdeglobals"));
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return false;
  QTextStream in(&file);
  bool inKde = false;
  while (!in.atEnd()) {
    const QString line = in.readLine().trimmed();
    if (line.startsWith(QLatin1Char('['))) {
      inKde = line == QLatin1String("[KDE]");
    } else if (inKde && line.startsWith(QLatin1String("AnimationDurationFactor="))) {
      bool ok = false;
      const double factor = line.section(QLatin1Char('='), 1).toDouble(&ok);
      return ok && factor == 0;
    }
  }
  return false;
}

}  // namespace

bool ReducedMotionWanted() {
  static const bool reduced = [] {
    if (qEnvironmentVariableIsSet("CHIFFRARIUM_REDUCED_MOTION"))
      return qEnvironmentVariable("CHIFFRARIUM_REDUCED_MOTION") != QLatin1String("0");
    return KdeAnimationsOff() || GnomeAnimationsOff();
  }();
  return reduced;
}
