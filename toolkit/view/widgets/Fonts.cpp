#include "toolkit/view/widgets/Fonts.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QStringList>

#include "toolkit/model/Zoom.h"

namespace {

constexpr const char* kScalableSans = "Tahoma";
constexpr int kBitmapHeight = 11;  // the one size of the bitmap face we use
bool bitmapSansUsable = false;
// Courier New where the system has it, else its metric twin asked for by its
// own name: a family the system lacks makes Qt work out fallbacks first.
QString courierFamily = QString::fromLatin1(kCourierNew);
// Wine's Tahoma Bold is drawn hardly bolder than its regular face; a zoomed
// view, which need not keep the layout's bitmap widths, shows bold text in the
// face Wine's Tahoma was drawn after, which has a true bold cut. (Bold italic,
// the banner's, stays Tahoma: the wider cut would run into the Extras menu.)
// Empty where the system lacks it.
QString zoomedEmphasisFamily;

}  // namespace

QFont MakeFont(const char* family, int pixelHeight, bool bold, bool italic, int stretch,
               int zoomPercent) {
  pixelHeight = ZoomLength(pixelHeight, zoomPercent);
  QString name = QString::fromLatin1(family);
  if (name == QLatin1String(kSansSerif) &&
      (!bitmapSansUsable || bold || italic || pixelHeight != kBitmapHeight || stretch != 100))
    name = QString::fromLatin1(kScalableSans);
  const bool courier = name == QLatin1String(kCourierNew);
  if (courier) name = courierFamily;
  if (zoomPercent != kNoZoom && bold && !italic && name == QLatin1String(kScalableSans) &&
      !zoomedEmphasisFamily.isEmpty())
    name = zoomedEmphasisFamily;
  QFont font(name);
  font.setPixelSize(pixelHeight);
  font.setBold(bold);
  font.setItalic(italic);
  if (stretch != 100) font.setStretch(stretch);
  // Courier New is fixed-pitch; ask for it so any fallback keeps the columns.
  if (courier) font.setStyleHint(QFont::TypeWriter);
  return font;
}

QFont DefaultWindowFont(int zoomPercent) {
  return MakeFont(kSansSerif, kBitmapHeight, false, false, 100, zoomPercent);
}

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
  if (families.contains(QStringLiteral("DejaVu Sans")))
    zoomedEmphasisFamily = QStringLiteral("DejaVu Sans");
  QFont::insertSubstitutions(QString::fromLatin1(kSansSerif),
                             {QString::fromLatin1(kScalableSans), QStringLiteral("Liberation Sans")});
  QFont::insertSubstitutions(QString::fromLatin1(kScalableSans),
                             {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
  QFont::insertSubstitutions(QString::fromLatin1(kCourierNew),
                             {QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")});
}
