#include "arbeitsblatt/view/WorksheetDocument.h"

#include <QPainter>

#include <algorithm>
#include <cstdio>

#include "KAnalyse1/view/FrequencyChartWidget.h"
#include "arbeitsblatt/view/CutOutDisk.h"
#include "arbeitsblatt/view/SheetCanvas.h"
#include "toolkit/view/text/QtText.h"

namespace {

// A character as it stands in a box: the blank as "␣".
QString Shown(char c) { return c == ' ' ? QString(QChar(0x2423)) : ToQString(std::string(1, c)); }

const QColor kGrey(0x60, 0x60, 0x60);
const QColor kTaskBox(0xEE, 0xEE, 0xEE);

}  // namespace

WorksheetDocument::WorksheetDocument(WorksheetSource source, const CipherCore& core, int tolerance,
                                     char decimalSeparator)
    : source_(std::move(source)), core_(core), tolerance_(tolerance), separator_(decimalSeparator) {}

WorksheetDocument::~WorksheetDocument() = default;

QString WorksheetDocument::Title() const { return U("Chiffrarium – Arbeitsblatt"); }

int WorksheetDocument::Layout(QSizeF printableMm) {
  metrics_.Width = printableMm.width();
  metrics_.Height = printableMm.height();
  plan_ = PlanWorksheet(source_, choice_, metrics_);
  chartWidget_.reset();
  return PageCount();
}

QString WorksheetDocument::Percent(double value) const {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", value);
  QString shown = QString::fromLatin1(text);
  return shown.replace(QLatin1Char('.'), ToQString(std::string(1, separator_)));
}

void WorksheetDocument::PaintPage(QPainter& painter, int page) const {
  if (page < 0 || page >= PageCount()) return;
  const SheetCanvas c(painter);
  PaintFrame(c, page);
  const SheetPage& sheet = plan_.Pages[static_cast<std::size_t>(page)];
  switch (sheet.Part) {
    case SheetPart::Task:
      PaintTask(c, sheet);
      break;
    case SheetPart::Frequencies:
      PaintFrequencies(c, sheet);
      break;
    case SheetPart::Disk:
      PaintDisk(c);
      break;
    case SheetPart::Solution:
      PaintSolution(c, sheet);
      break;
  }
}

void WorksheetDocument::PaintFrame(const SheetCanvas& c, int page) const {
  const double w = metrics_.Width;
  const bool solution = plan_.Pages[static_cast<std::size_t>(page)].Part == SheetPart::Solution;
  c.Text(QRectF(0, 0, w, 6), U("Chiffrarium · Arbeitsblatt zur Cäsar-Verschlüsselung"),
         c.Font(8), Qt::AlignLeft | Qt::AlignVCenter, kGrey);
  if (solution) {
    // The teacher's page: marked so that it is never handed out by mistake.
    c.Frame(QRectF(w - 28, 0, 28, 7), 0.5);
    c.Text(QRectF(w - 28, 0, 28, 7), U("Lösung"), c.Font(12, true), Qt::AlignCenter);
  }
  c.Line(0, 7.5, w, 7.5, 0.2, kGrey);
  const double bottom = metrics_.Height;
  c.Text(QRectF(0, bottom - 5, w, 5),
         U("Seite %1 von %2").arg(page + 1).arg(PageCount()), c.Font(8),
         Qt::AlignHCenter | Qt::AlignBottom, kGrey);
}

void WorksheetDocument::PaintTask(const SheetCanvas& c, const SheetPage& page) const {
  const double w = metrics_.Width;
  double y = SheetMetrics::kHeader;
  if (page.FirstOfPart) {
    c.Text(QRectF(0, y, w, 9),
           plan_.Deciphering ? U("Geheimtext entschlüsseln") : U("Klartext verschlüsseln"),
           c.Font(16, true), Qt::AlignLeft | Qt::AlignVCenter);
    y += 12;
    const QFont normal = c.Font(10.5);
    c.Text(QRectF(0, y, 18, 6), U("Name:"), normal, Qt::AlignLeft | Qt::AlignBottom);
    c.Line(14, y + 5.5, 88, y + 5.5, 0.2);
    c.Text(QRectF(92, y, 18, 6), U("Klasse:"), normal, Qt::AlignLeft | Qt::AlignBottom);
    c.Line(107, y + 5.5, 128, y + 5.5, 0.2);
    c.Text(QRectF(132, y, 18, 6), U("Datum:"), normal, Qt::AlignLeft | Qt::AlignBottom);
    c.Line(146, y + 5.5, w, y + 5.5, 0.2);
    y += 10;
    QString instruction;
    if (plan_.TaskText.empty())
      instruction = U("Im Hauptfenster steht noch kein Text: Schreibe zuerst einen Klartext "
                      "oder lies einen Geheimtext ein.");
    else if (plan_.Deciphering)
      instruction = U("Unter jedem Zeichen des Geheimtexts steht ein leeres Kästchen. Finde die "
                      "Verschiebung heraus und schreibe das Klartext-Zeichen hinein.");
    else if (plan_.ShiftGiven)
      instruction = U("Verschlüssle den Klartext mit der Verschiebung %1: Schreibe unter jedes "
                      "Zeichen das Geheimtext-Zeichen.")
                        .arg(plan_.Key);
    else
      instruction = U("Verschlüssle den Klartext mit der Verschiebung, die du bekommst: Schreibe "
                      "unter jedes Zeichen das Geheimtext-Zeichen.");
    y += c.Text(QRectF(0, y, w, 12), instruction, normal, Qt::AlignLeft | Qt::TextWordWrap) + 2;
    QString alphabet;
    for (char ch : plan_.Alphabet) alphabet += Shown(ch);
    c.Text(QRectF(0, y, w, 12),
           U("Alphabet „%1“ (%2 Zeichen): %3")
               .arg(ToQString(plan_.AlphabetName))
               .arg(plan_.Alphabet.size())
               .arg(alphabet),
           c.Font(9), Qt::AlignLeft | Qt::TextWordWrap, kGrey);
    y = SheetMetrics::kHeader + SheetMetrics::kTaskHead;
  }
  // One character per box, the answer's box under it.
  const double bw = SheetMetrics::kBoxWidth;
  const double bh = SheetMetrics::kBoxHeight;
  const QFont type = c.Font(15, true, true);
  QPainter& p = c.Painter();
  for (std::size_t i = 0; i < page.Items.Length; ++i) {
    const TextLine& line = plan_.TaskLines[page.Items.Begin + i];
    const double top = y + static_cast<double>(i) * metrics_.LinePitch();
    for (std::size_t k = 0; k < line.Length; ++k) {
      const double x = static_cast<double>(k) * bw;
      c.Frame(QRectF(x, top, bw, bh), 0.2, kTaskBox);
      c.Frame(QRectF(x, top + bh, bw, bh), 0.35);
      const char ch = plan_.TaskText[line.Begin + k];
      c.Text(QRectF(x, top, bw, bh), Shown(ch), type, Qt::AlignCenter,
             ch == ' ' ? kGrey : QColor(Qt::black));
    }
  }
  p.setBrush(Qt::NoBrush);
}

void WorksheetDocument::PaintFrequencies(const SheetCanvas& c, const SheetPage& page) const {
  const double w = metrics_.Width;
  double y = SheetMetrics::kHeader;
  if (page.FirstOfPart) {
    c.Text(QRectF(0, y, w, 9), U("Häufigkeiten zum Auszählen"), c.Font(16, true),
           Qt::AlignLeft | Qt::AlignVCenter);
    c.Text(QRectF(0, y + 11, w, 10),
           U("Zähle im Geheimtext, wie oft jedes Zeichen vorkommt, und trage seinen Anteil in "
             "Prozent ein. Daneben steht, wie häufig es in deutschen Texten ist."),
           c.Font(10), Qt::AlignLeft | Qt::TextWordWrap);
  }
  y = SheetMetrics::kHeader + SheetMetrics::kTableHead - SheetMetrics::kTableRow;
  const double widths[] = {16, 20, 24, 24};
  const QString heads[] = {U("Zeichen"), U("Anzahl"), U("Anteil in %"), U("Deutsch in %")};
  const int perBlock = plan_.RowsPerBlock;
  const double rowH = SheetMetrics::kTableRow;
  for (int block = 0; block < plan_.BlocksPerPage; ++block) {
    const std::size_t first = page.Items.Begin + static_cast<std::size_t>(block * perBlock);
    const std::size_t end = std::min(page.Items.Begin + page.Items.Length,
                                     first + static_cast<std::size_t>(perBlock));
    if (first >= end) break;
    double x = block * (SheetMetrics::kTableBlockWidth + SheetMetrics::kTableBlockGap);
    double cx = x;
    for (int col = 0; col < 4; ++col) {
      c.Frame(QRectF(cx, y, widths[col], rowH), 0.3, QColor(0xDD, 0xDD, 0xDD));
      c.Text(QRectF(cx, y, widths[col], rowH), heads[col], c.Font(8.5, true), Qt::AlignCenter);
      cx += widths[col];
    }
    for (std::size_t r = first; r < end; ++r) {
      const double top = y + rowH * static_cast<double>(r - first + 1);
      const char ch = plan_.Alphabet[r];
      cx = x;
      for (int col = 0; col < 4; ++col) {
        c.Frame(QRectF(cx, top, widths[col], rowH), 0.2);
        cx += widths[col];
      }
      c.Text(QRectF(x, top, widths[0], rowH), Shown(ch), c.Font(11, true, true), Qt::AlignCenter);
      c.Text(QRectF(x + 60, top, widths[3] - 2, rowH),
             Percent(ReferenceFrequencies[static_cast<unsigned char>(ch)]), c.Font(9.5),
             Qt::AlignRight | Qt::AlignVCenter);
    }
  }
}

void WorksheetDocument::PaintDisk(const SheetCanvas& c) const {
  const double w = metrics_.Width;
  const double y = SheetMetrics::kHeader;
  c.Text(QRectF(0, y, w, 9), U("Cäsar-Scheibe zum Ausschneiden"), c.Font(16, true),
         Qt::AlignLeft | Qt::AlignVCenter);
  const double used = c.Text(
      QRectF(0, y + 11, w, 16),
      U("Schneide beide Scheiben aus. Lege die kleine auf die große und stecke eine "
        "Musterklammer durch beide Mittelpunkte. Dreh die kleine Scheibe, bis unter dem A "
        "das Zeichen steht, zu dem es werden soll: Dann steht unter jedem Klartext-Zeichen sein "
        "Geheimtext-Zeichen."),
      c.Font(10), Qt::AlignLeft | Qt::TextWordWrap);
  const double top = y + 13 + used;
  PaintCutOutDisks(c, 0, top, w, metrics_.Body() + SheetMetrics::kHeader - top,
                   plan_.Alphabet);
}

void WorksheetDocument::PaintChart(const SheetCanvas& c, double top, double height) const {
  if (!chartWidget_) {
    // The ciphertext of the solution analysed as the frequency window does.
    core_.AnalysisText = plan_.Deciphering ? plan_.TaskText : plan_.SolutionText;
    analysis_.Tolerance = tolerance_;
    InitAnalyseTable(analysis_, core_);
    CountCharacters(analysis_, core_);
    MatchTolerance(analysis_, core_);
    chart_.Rebuild(analysis_, core_, RankShifts(analysis_, core_, separator_));
    chart_.State.SlideTo(plan_.Key);
    chartWidget_ = std::make_unique<FrequencyChartWidget>(chart_, separator_);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.05);  // no ligatures: the words stay searchable
    chartWidget_->setFont(font);
  }
  // Drawn as on a screen 700 pixels wide, scaled onto the page: it stays a
  // vector drawing.
  constexpr double kVirtualWidth = 700;
  QPainter& p = c.Painter();
  const double scale = metrics_.Width * c.PerMm() / kVirtualWidth;
  const double lineHeight = 6;
  p.save();
  p.translate(c.At(0, top));
  p.scale(scale, scale);
  chartWidget_->PaintWhole(
      p, QSize(static_cast<int>(kVirtualWidth),
               static_cast<int>((height - lineHeight) * c.PerMm() / scale)));
  p.restore();
  c.Text(QRectF(0, top + height - lineHeight, metrics_.Width, lineHeight),
         ToQString(chart_.ShiftLine(separator_)), c.Font(9.5), Qt::AlignLeft | Qt::AlignVCenter);
}

void WorksheetDocument::PaintSolution(const SheetCanvas& c, const SheetPage& page) const {
  const double w = metrics_.Width;
  double y = SheetMetrics::kHeader;
  const QFont mono = c.Font(10, false, true);
  if (page.FirstOfPart) {
    c.Text(QRectF(0, y, w, 9), U("Lösung"), c.Font(16, true), Qt::AlignLeft | Qt::AlignVCenter);
    const char first = plan_.Alphabet.empty() ? 'A' : plan_.Alphabet[0];
    const char becomes = plan_.Alphabet.empty()
                             ? 'A'
                             : plan_.Alphabet[static_cast<std::size_t>(plan_.Key) %
                                              plan_.Alphabet.size()];
    c.Text(QRectF(0, y + 11, w, 7),
           U("Verschiebung: %1 (%2 wird zu %3)").arg(plan_.Key).arg(Shown(first), Shown(becomes)),
           c.Font(11, true), Qt::AlignLeft | Qt::AlignVCenter);
    y += SheetMetrics::kSolutionHead;
    // The substitution table, filled: the plain row over the cipher row.
    const int n = static_cast<int>(plan_.Alphabet.size());
    const double cell = std::min(6.0, (w - 24) / SheetMetrics::kSubstitutionColumns);
    const double rowH = SheetMetrics::kSubstitutionRow;
    for (int part = 0; part < plan_.SubstitutionRows; ++part) {
      const double top = y + part * (2 * rowH + 3);
      c.Text(QRectF(0, top, 24, rowH), U("Klartext"), c.Font(8), Qt::AlignLeft | Qt::AlignVCenter);
      c.Text(QRectF(0, top + rowH, 24, rowH), U("Geheimtext"), c.Font(8),
             Qt::AlignLeft | Qt::AlignVCenter);
      for (int k = 0; k < SheetMetrics::kSubstitutionColumns; ++k) {
        const int col = part * SheetMetrics::kSubstitutionColumns + k;
        if (col >= n) break;
        const double x = 24 + k * cell;
        c.Frame(QRectF(x, top, cell, rowH), 0.2, kTaskBox);
        c.Frame(QRectF(x, top + rowH, cell, rowH), 0.2);
        c.Text(QRectF(x, top, cell, rowH), Shown(plan_.Alphabet[static_cast<std::size_t>(col)]),
               c.Font(9, true, true), Qt::AlignCenter);
        c.Text(QRectF(x, top + rowH, cell, rowH),
               Shown(plan_.Alphabet[static_cast<std::size_t>((col + plan_.Key) % n)]),
               c.Font(9, true, true), Qt::AlignCenter);
      }
    }
    y += plan_.SubstitutionRows * (2 * rowH + 3);
    PaintChart(c, y, SheetMetrics::kChart);
    y += SheetMetrics::kChart;
    c.Text(QRectF(0, y, w, SheetMetrics::kSolutionTextHead),
           plan_.Deciphering ? U("Klartext:") : U("Geheimtext:"), c.Font(11, true),
           Qt::AlignLeft | Qt::AlignVCenter);
    y += SheetMetrics::kSolutionTextHead;
  }
  for (std::size_t i = 0; i < page.Items.Length; ++i) {
    const TextLine& line = plan_.SolutionLines[page.Items.Begin + i];
    c.Text(QRectF(0, y + static_cast<double>(i) * SheetMetrics::kTextLine, w,
                  SheetMetrics::kTextLine),
           ToQString(plan_.SolutionText.substr(line.Begin, line.Length)), mono,
           Qt::AlignLeft | Qt::AlignVCenter);
  }
}
