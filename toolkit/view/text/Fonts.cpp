#include "toolkit/view/text/Fonts.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>

namespace {

constexpr const char* kScalableSans = "Tahoma";
constexpr int kBitmapHeight = 11;  // the one size of the bitmap face we use
bool bitmapSansUsable = false;
// Courier New where the system has it, else its metric twin asked for by its
// own name: a family the system lacks makes Qt work out fallbacks first.
QString courierFamily = QString::fromLatin1(kCourierNew);

}  // namespace

QFont MakeFont(const char* family, int pixelHeight, bool bold, bool italic, int stretch) {
  QString name = QString::fromLatin1(family);
  if (name == QLatin1String(kSansSerif) &&
      (!bitmapSansUsable || bold || italic || pixelHeight != kBitmapHeight || stretch != 100))
    name = QString::fromLatin1(kScalableSans);
  const bool courier = name == QLatin1String(kCourierNew);
  if (courier) name = courierFamily;
  QFont font(name);
  font.setPixelSize(pixelHeight);
  font.setBold(bold);
  font.setItalic(italic);
  if (stretch != 100) font.setStretch(stretch);
  // Courier New is fixed-pitch; ask for it so any fallback keeps the columns.
  if (courier) font.setStyleHint(QFont::TypeWriter);
  return font;
}

QFont DefaultWindowFont() { return MakeFont(kSansSerif, kBitmapHeight); }

void InstallFonts() {
  const QString folder = QStringLiteral("/usr/share/wine/fonts/");
  for (const char* file : {"ms_sans_serif.ttf", "tahoma.ttf", "tahomabd.ttf"})
    QFontDatabase::addApplicationFont(folder + QString::fromLatin1(file));
  const QStringList families = QFontDatabase::families();
  bitmapSansUsable = families.contains(QString::fromLatin1(kSansSerif)) &&
                     qGuiApp->devicePixelRatio() <= 1.0;
  if (!families.contains(QString::fromLatin1(kCourierNew)) &&
      families.contains(QStringLiteral("Liberation Mono")))
    courierFamily = QStringLiteral("Liberation Mono");
  QFont::insertSubstitutions(QString::fromLatin1(kSansSerif),
                             {QString::fromLatin1(kScalableSans), QStringLiteral("Liberation Sans")});
  QFont::insertSubstitutions(QString::fromLatin1(kScalableSans),
                             {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
  QFont::insertSubstitutions(QString::fromLatin1(kCourierNew),
                             {QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")});
}
