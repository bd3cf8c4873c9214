#include "toolkit/view/grid/CellPlace.h"

#include <QStringList>

#include "toolkit/view/text/QtText.h"

QString CellPlace(const StringGrid& cells, GridCoord cell) {
  QStringList place;
  if (cells.FixedCols() > 0 && cell.Col >= cells.FixedCols()) {
    const QString header = ToQString(cells.Cell(0, cell.Row)).trimmed();
    place << QStringLiteral("Zeile %1").arg(header.isEmpty() ? QString::number(cell.Row) : header);
  } else if (cells.FixedCols() == 0 && cells.RowCount() - cells.FixedRows() > 1) {
    // Without a header column rows are counted; a cipher table's one row needs no number.
    place << QStringLiteral("Zeile %1").arg(cell.Row);
  }
  if (cells.FixedRows() > 0 && cell.Row >= cells.FixedRows()) {
    const QString header = ToQString(cells.Cell(cell.Col, 0)).trimmed();
    place << QStringLiteral("Spalte %1")
                 .arg(header.isEmpty() ? QString::number(cell.Col + 1) : header);
  } else if (cells.FixedRows() == 0) {
    place << QStringLiteral("Spalte %1").arg(cell.Col + 1);
  }
  if (cell.Col < cells.FixedCols() || cell.Row < cells.FixedRows())
    place << QStringLiteral("Kopfzelle");
  return place.join(QStringLiteral(", "));
}
