#include "arbeitsblatt/view/TableDocument.h"

#include <QPainter>

#include <algorithm>
#include <numeric>

#include "arbeitsblatt/view/SheetCanvas.h"
#include "toolkit/view/text/QtText.h"

namespace {

constexpr double kHeader = 10;  // the title line at the top of every page
constexpr double kFooter = 8;
constexpr double kFact = 5.5;
constexpr double kLabel = 92;  // a fact's label, before its value
constexpr double kPadding = 0.8;  // inside a cell, left and right

const QColor kGrey(0x60, 0x60, 0x60);

}  // namespace

double TableDocument::HeadHeight() const {
  double height = 12 + kFact * static_cast<double>(content_.Facts.size());
  if (!noteLines_.empty())
    height += kFact + kLine * static_cast<double>(noteLines_.size()) + 2;
  if (content_.Chart) height += kChart + 2;
  return height + 2;
}

int TableDocument::Layout(QSizeF printableMm) {
  area_ = printableMm;
  const double total = std::accumulate(content_.ColumnShares.begin(), content_.ColumnShares.end(), 0.0);
  columnWidths_.clear();
  content_.Table.ColumnChars.clear();
  // Each column as wide as on the screen, but wide enough for the longest
  // word of its head ("Anzahl" whole); the room for that comes from the
  // columns that have more than they need.
  std::vector<double> least;
  for (std::size_t col = 0; col < content_.ColumnShares.size(); ++col) {
    std::size_t word = 1;
    std::size_t run = 0;
    const std::string head = content_.Table.Rows.empty() || col >= content_.Table.Rows[0].size()
                                 ? std::string()
                                 : content_.Table.Rows[0][col];
    for (char ch : head) {
      run = (ch == ' ' || ch == '-') ? 0 : run + 1;
      word = std::max(word, run + (ch == '-' ? 1 : 0));
    }
    least.push_back(static_cast<double>(std::min<std::size_t>(word, 16)) * kCharWidth + 2 * kPadding + 0.5);
    columnWidths_.push_back(total > 0 ? area_.width() * content_.ColumnShares[col] / total
                                      : area_.width());
  }
  double missing = 0;
  double spare = 0;
  for (std::size_t col = 0; col < columnWidths_.size(); ++col) {
    if (columnWidths_[col] < least[col]) {
      missing += least[col] - columnWidths_[col];
      columnWidths_[col] = least[col];
    } else {
      spare += columnWidths_[col] - least[col];
    }
  }
  for (std::size_t col = 0; col < columnWidths_.size() && missing > 0 && spare > 0; ++col)
    if (columnWidths_[col] > least[col])
      columnWidths_[col] -= (columnWidths_[col] - least[col]) * std::min(1.0, missing / spare);
  for (double width : columnWidths_)
    content_.Table.ColumnChars.push_back(
        std::max(1, static_cast<int>((width - 2 * kPadding) / kCharWidth)));
  noteLines_ = BreakIntoLines(content_.Note, static_cast<int>(area_.width() / kCharWidth));
  // The head of the table takes its own lines on every page.
  std::size_t headLines = 1;
  if (!content_.Table.Rows.empty()) {
    const TablePlan head = PlanTable({{content_.Table.Rows[0]}, content_.Table.ColumnChars}, 1, 1);
    headLines = head.RowLines[0];
  }
  const double body = area_.height() - kHeader - kFooter - kLine * static_cast<double>(headLines) - 1;
  plan_ = PlanTable(content_.Table, HowManyFit(body - HeadHeight(), kLine), HowManyFit(body, kLine));
  return PageCount();
}

void TableDocument::PaintPage(QPainter& painter, int page) const {
  if (page < 0 || page >= PageCount()) return;
  const SheetCanvas c(painter);
  const double w = area_.width();
  c.Text(QRectF(0, 0, w, 6), QStringLiteral("Chiffrarium · ") + content_.Title, c.Font(8),
         Qt::AlignLeft | Qt::AlignVCenter, kGrey);
  c.Line(0, 7.5, w, 7.5, 0.2, kGrey);
  c.Text(QRectF(0, area_.height() - 5, w, 5),
         QString::fromUtf8("Seite %1 von %2").arg(page + 1).arg(PageCount()), c.Font(8),
         Qt::AlignHCenter | Qt::AlignBottom, kGrey);
  double y = kHeader;
  const QFont mono = c.Font(8.5, false, true);
  if (page == 0) {
    c.Text(QRectF(0, y, w, 9), content_.Title, c.Font(15, true), Qt::AlignLeft | Qt::AlignVCenter);
    y += 12;
    for (const auto& [label, value] : content_.Facts) {
      c.Text(QRectF(0, y, kLabel, kFact), label, c.Font(9.5), Qt::AlignLeft | Qt::AlignVCenter);
      c.Text(QRectF(kLabel + 2, y, w - kLabel - 2, kFact), value, c.Font(9.5, true),
             Qt::AlignLeft | Qt::AlignVCenter);
      y += kFact;
    }
    if (!noteLines_.empty()) {
      c.Text(QRectF(0, y, w, kFact), content_.NoteHead, c.Font(9.5), Qt::AlignLeft | Qt::AlignVCenter);
      y += kFact;
      for (const TextLine& line : noteLines_) {
        c.Text(QRectF(0, y, w, kLine), ToQString(content_.Note.substr(line.Begin, line.Length)), mono,
               Qt::AlignLeft | Qt::AlignVCenter);
        y += kLine;
      }
      y += 2;
    }
    if (content_.Chart) {
      // Drawn as on a screen 700 pixels wide, scaled: a vector drawing still.
      constexpr double kVirtualWidth = 700;
      const double scale = w * c.PerMm() / kVirtualWidth;
      const double chart = kChart - 6;
      painter.save();
      painter.translate(c.At(0, y));
      painter.scale(scale, scale);
      content_.Chart(painter, QSize(static_cast<int>(kVirtualWidth),
                                    static_cast<int>(chart * c.PerMm() / scale)));
      painter.restore();
      c.Text(QRectF(0, y + chart, w, 6), content_.ChartLine, c.Font(9.5),
             Qt::AlignLeft | Qt::AlignVCenter);
      y += kChart + 2;
    }
    y += 2;
  }
  if (content_.Table.Rows.empty()) return;
  // The head, then this page's slices of the body.
  const auto paintRow = [&](std::size_t row, std::size_t firstLine, std::size_t lines, bool head) {
    const double height = kLine * static_cast<double>(lines);
    double x = 0;
    for (std::size_t col = 0; col < columnWidths_.size(); ++col) {
      c.Frame(QRectF(x, y, columnWidths_[col], height), 0.2,
              head ? QColor(0xDD, 0xDD, 0xDD) : QColor());
      if (col < plan_.CellLines[row].size()) {
        const auto& cellLines = plan_.CellLines[row][col];
        const std::string& text = content_.Table.Rows[row][col];
        for (std::size_t i = 0; i < lines && firstLine + i < cellLines.size(); ++i) {
          const TextLine& line = cellLines[firstLine + i];
          c.Text(QRectF(x + kPadding, y + kLine * static_cast<double>(i),
                        columnWidths_[col] - 2 * kPadding, kLine),
                 ToQString(text.substr(line.Begin, line.Length)),
                 head ? c.Font(8.5, true, true) : mono, Qt::AlignLeft | Qt::AlignVCenter);
        }
      }
      x += columnWidths_[col];
    }
    y += height;
  };
  paintRow(0, 0, plan_.RowLines[0], true);
  for (const RowSlice& slice : plan_.Pages[static_cast<std::size_t>(page)].Slices)
    paintRow(slice.Row, slice.FirstLine, slice.Lines, false);
}
