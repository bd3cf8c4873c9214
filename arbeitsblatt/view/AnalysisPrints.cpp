#include "arbeitsblatt/view/AnalysisPrints.h"

#include <QFont>
#include <QPainter>

#include "KAnalyse1/model/TForm2.h"
#include "KAnalyse1/view/FrequencyChartWidget.h"
#include "KAnalyse3/model/TForm3.h"
#include "arbeitsblatt/view/TableDocument.h"
#include "toolkit/view/text/QtText.h"

namespace {

// A grid's texts as shown, its columns as wide as on the screen.
// Columns and rows at the end that hold nothing, not even a head, take no
// room on paper.
void TakeGrid(const StringGrid& grid, TableDocumentContent& content) {
  int columns = grid.ColCount();
  const auto emptyColumn = [&grid](int c) {
    for (int r = 0; r < grid.RowCount(); ++r)
      if (!grid.Cell(c, r).empty()) return false;
    return true;
  };
  while (columns > 1 && emptyColumn(columns - 1)) --columns;
  int rows = grid.RowCount();
  const auto emptyRow = [&grid, columns](int r) {
    for (int c = 0; c < columns; ++c)
      if (!grid.Cell(c, r).empty()) return false;
    return true;
  };
  while (rows > 1 && emptyRow(rows - 1)) --rows;
  for (int r = 0; r < rows; ++r) {
    std::vector<std::string> row;
    for (int c = 0; c < columns; ++c) row.push_back(grid.Cell(c, r));
    content.Table.Rows.push_back(std::move(row));
  }
  for (int c = 0; c < columns; ++c) content.ColumnShares.push_back(grid.ColWidth(c));
}

}  // namespace

std::unique_ptr<TableDocument> FrequencyAnalysisPrint(const TForm2& form, char decimalSeparator) {
  TableDocumentContent content;
  content.Title = U("Kryptoanalyse -- Einzelzeichen");
  content.Facts = {
      {U("Analyse beruht auf dem eingestellten Alphabet mit:"), ToQString(form.Edit6.Text()) + U(" Zeichen")},
      {U("Bewertungstoleranz: +/- %"), ToQString(form.Edit1.Text())},
      {U("empfohlene Cäsar-Verschiebung:"), ToQString(form.Edit2.Text())},
      {U("ev. auch:"), ToQString(form.Edit3.Text())},
      {U("Summe der Fehler-Quadrate:"), ToQString(form.Edit4.Text())},
      {U("weitere Summen der Fehler-Quadrate:"), ToQString(form.Edit5.Text())},
  };
  // The chart as the window draws it, at the shift it stands on, in a type
  // that a PDF keeps as text.
  auto chart = std::make_shared<FrequencyChartWidget>(const_cast<FrequencyChart&>(form.Chart1),
                                                      decimalSeparator);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(11);
  font.setLetterSpacing(QFont::AbsoluteSpacing, 0.05);  // no ligatures: the words stay searchable
  chart->setFont(font);
  content.Chart = [chart](QPainter& p, QSize size) { chart->PaintWhole(p, size); };
  content.ChartLine = ToQString(form.Chart1.ShiftLine(decimalSeparator));
  TakeGrid(form.StringGrid1, content);
  return std::make_unique<TableDocument>(std::move(content));
}

std::unique_ptr<TableDocument> BruteForcePrint(const TForm3& form) {
  TableDocumentContent content;
  content.Title = U("Brachiale Kryptoanalyse (Brute Force)");
  content.Facts = {{U("Analyse beruht auf dem eingestellten Alphabet mit:"),
                    ToQString(form.Edit1.Text()) + U(" Zeichen")}};
  content.NoteHead = U("benutzte Wortliste:");
  content.Note = form.RichEdit1.Text;
  TakeGrid(form.StringGrid1, content);
  return std::make_unique<TableDocument>(std::move(content));
}
