#pragma once
// What an analysis window prints of itself: its title, the values it shows
// (the recommendation, the tolerance, the word list), its chart where it has
// one, and its table as it is sorted on the screen, every cell wrapped to its
// column, the head again on every page (arbeitsblatt/model/TablePages.h).

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <QSize>

#include "arbeitsblatt/model/TablePages.h"
#include "arbeitsblatt/view/SheetDocument.h"

struct TableDocumentContent {
  QString Title;
  std::vector<std::pair<QString, QString>> Facts;  // a label and its value, one line each
  // A text of its own under the facts, wrapped: the word list.
  QString NoteHead;
  std::string Note;  // Windows-1252
  // The chart, if any, drawn into a rectangle of the given size at the
  // painter's origin, and the line under it.
  std::function<void(QPainter&, QSize)> Chart;
  QString ChartLine;
  PrintedTable Table;                // ColumnChars are worked out from ColumnShares
  std::vector<double> ColumnShares;  // each column's share of the width
};

class TableDocument : public SheetDocument {
 public:
  explicit TableDocument(TableDocumentContent content) : content_(std::move(content)) {}

  int Layout(QSizeF printableMm) override;
  int PageCount() const override { return static_cast<int>(plan_.Pages.size()); }
  void PaintPage(QPainter& painter, int page) const override;
  QString Title() const override { return content_.Title; }

  static constexpr double kLine = 3.9;       // a line of the table, in millimetres
  static constexpr double kCharWidth = 1.82;  // of its 8.5-point monospaced type
  static constexpr double kChart = 78;

 private:
  double HeadHeight() const;  // above the table on the first page

  TableDocumentContent content_;
  QSizeF area_;
  std::vector<double> columnWidths_;
  std::vector<TextLine> noteLines_;
  TablePlan plan_;
};
