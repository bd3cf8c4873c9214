// glyph-preview: draws every button glyph into one PNG sheet, normal and
// disabled, at device-pixel-ratio 1 and 2, each enlarged four times with
// nearest-neighbour scaling so that every pixel can be judged, next to the
// glyph at its real size on a push button.
//
//   QT_QPA_PLATFORM=offscreen glyph-preview [output.png]
//
// Exits with 1 when an icon lacks a pixmap of the expected pixel size.

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QTextStream>

#include "toolkit/view/widgets/Glyphs.h"

namespace {

struct Entry {
  Glyph glyph;
  QString name;
  QString caption;
};

const QColor kButtonFace(0xF0, 0xF0, 0xF0);
constexpr int kZoom = 4;
constexpr int kMargin = 16;
constexpr int kLabelWidth = 300;
constexpr int kButtonWidth = 270;
constexpr int kGap = 40;
constexpr int kHeaderHeight = 40;
constexpr int kRowHeight = 16 * 2 * kZoom + kGap;

QList<Entry> Entries() {
  return {
      {Glyph::ClearText, QStringLiteral("ClearText"), QStringLiteral("Klartext löschen")},
      {Glyph::LoadFromDiskette, QStringLiteral("LoadFromDiskette"),
       QStringLiteral("Klartext einlesen ...")},
      {Glyph::SaveToDiskette, QStringLiteral("SaveToDiskette"),
       QStringLiteral("Klartext speichern ...")},
      {Glyph::Restart, QStringLiteral("Restart"), QStringLiteral("von vorn beginnen")},
      {Glyph::EncryptOne, QStringLiteral("EncryptOne"),
       QStringLiteral("ein Zeichen verschlüsseln")},
      {Glyph::EncryptStepwise, QStringLiteral("EncryptStepwise"),
       QStringLiteral("schrittweise verschlüsseln")},
      {Glyph::EncryptAll, QStringLiteral("EncryptAll"), QStringLiteral("alles verschlüsseln")},
      {Glyph::DecryptOne, QStringLiteral("DecryptOne"),
       QStringLiteral("ein Zeichen entschlüsseln")},
      {Glyph::DecryptStepwise, QStringLiteral("DecryptStepwise"),
       QStringLiteral("schrittweise alle Zeichen entschlüsseln")},
      {Glyph::DecryptAll, QStringLiteral("DecryptAll"),
       QStringLiteral("sofort alle Zeichen entschlüsseln")},
      {Glyph::FrequencyAnalysis, QStringLiteral("FrequencyAnalysis"),
       QStringLiteral("Kryptoanalyse Einzelzeichen")},
      {Glyph::PairAnalysis, QStringLiteral("PairAnalysis"),
       QStringLiteral("Kryptoanalyse Zeichenpaare")},
      {Glyph::BruteForce, QStringLiteral("BruteForce"),
       QStringLiteral("brachiale Kryptoanalyse (Brute Force)")},
      {Glyph::Close, QStringLiteral("Close"), QStringLiteral("Beenden")},
      {Glyph::SortDown, QStringLiteral("SortDown"), QString()},
      {Glyph::Chart, QStringLiteral("Chart"), QStringLiteral("Diagramm")},
  };
}

// The icon's own pixmap for one mode and ratio, enlarged with square pixels.
// Reports a pixmap that is not exactly 16 × 16 logical pixels at that ratio.
QImage Enlarged(const QIcon& icon, QIcon::Mode mode, int ratio, const QString& name, bool& ok) {
  QImage image = icon.pixmap(QSize(16, 16), ratio, mode).toImage();
  if (image.size() != QSize(16 * ratio, 16 * ratio) || image.devicePixelRatio() != ratio) {
    QTextStream(stderr) << name << QStringLiteral(": pixmap ") << image.width()
                        << QStringLiteral("x") << image.height() << QStringLiteral(" @")
                        << image.devicePixelRatio() << QStringLiteral(" for ratio ") << ratio
                        << QStringLiteral("\n");
    ok = false;
  }
  image.setDevicePixelRatio(1);
  return image.scaled(image.size() * kZoom, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// A real push button with the glyph and caption, as the windows will show it.
QImage ButtonShot(const QIcon& icon, const QString& caption, bool enabled) {
  QPushButton button(icon, caption);
  button.setEnabled(enabled);
  button.setFixedSize(caption.isEmpty() ? 41 : 240, 25);
  return button.grab().toImage();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("glyphs.png");
  const QList<Entry> entries = Entries();

  const int cell1 = 16 * kZoom;
  const int cell2 = 32 * kZoom;
  const int columnsX = kMargin + kLabelWidth + kButtonWidth;
  const int width = columnsX + 2 * (cell1 + kGap) + 2 * (cell2 + kGap) + kMargin;
  const int height = kMargin + kHeaderHeight + int(entries.size()) * kRowHeight + kMargin;

  QImage sheet(width, height, QImage::Format_ARGB32);
  sheet.fill(kButtonFace);
  QPainter p(&sheet);
  QFont font = app.font();
  font.setPixelSize(13);
  QFont bold = font;
  bold.setBold(true);

  const int xs[4] = {columnsX, columnsX + cell1 + kGap, columnsX + 2 * (cell1 + kGap),
                     columnsX + 2 * (cell1 + kGap) + cell2 + kGap};
  const QString headers[4] = {QStringLiteral("normal 1×"), QStringLiteral("disabled 1×"),
                              QStringLiteral("normal 2×"), QStringLiteral("disabled 2×")};
  p.setFont(bold);
  p.setPen(Qt::black);
  p.drawText(kMargin, kMargin + 20, QStringLiteral("glyph"));
  p.drawText(kMargin + kLabelWidth, kMargin + 20, QStringLiteral("on a button (real size)"));
  for (int c = 0; c < 4; ++c) p.drawText(xs[c], kMargin + 20, headers[c]);
  p.setFont(font);
  p.drawText(xs[0], kMargin + 36, QStringLiteral("each enlarged 4×"));

  bool ok = true;
  int y = kMargin + kHeaderHeight;
  for (const Entry& entry : entries) {
    const QIcon icon = GlyphIcon(entry.glyph);
    p.setFont(bold);
    p.drawText(kMargin, y + 16, entry.name);
    p.setFont(font);
    p.drawText(kMargin, y + 34,
               entry.caption.isEmpty()
                   ? QStringLiteral("(sort buttons)")
                   : QStringLiteral("\u201E") + entry.caption + QStringLiteral("\u201C"));
    p.drawImage(kMargin + kLabelWidth, y + 4, ButtonShot(icon, entry.caption, true));
    p.drawImage(kMargin + kLabelWidth, y + 36, ButtonShot(icon, entry.caption, false));
    p.drawImage(xs[0], y, Enlarged(icon, QIcon::Normal, 1, entry.name, ok));
    p.drawImage(xs[1], y, Enlarged(icon, QIcon::Disabled, 1, entry.name, ok));
    p.drawImage(xs[2], y, Enlarged(icon, QIcon::Normal, 2, entry.name, ok));
    p.drawImage(xs[3], y, Enlarged(icon, QIcon::Disabled, 2, entry.name, ok));
    y += kRowHeight;
  }
  p.end();

  if (!sheet.save(out)) {
    QTextStream(stderr) << QStringLiteral("cannot write ") << out << QStringLiteral("\n");
    return 1;
  }
  return ok ? 0 : 1;
}
