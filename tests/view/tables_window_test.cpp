// The four tables as the learner meets them beyond the eye: read by a screen
// reader through Qt's accessibility interfaces, and copied into a worksheet.
//
// A screen reader sees the cells outside the fixed rows and columns as a table
// under the header cells, every cell named by its text, the highlighted cells
// as the selection and the current cell as the focus, each checked against
// what the grid shows. (The offscreen platform has no bridge to a screen
// reader, so the tests read the interfaces directly; tools/read-tables.py
// reads them over the accessibility bus.)
//
// A copy, by Ctrl+C or by "Kopieren" and "Alles markieren" from the context
// menu, is read back from the clipboard: the header line and the rows, tabs
// between the cells, as text and as an HTML table, umlauts included; it leaves
// the window as it was.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>

#include <functional>
#include <set>
#include <tuple>
#include <string>
#include <utility>
#include <vector>

#include "app/Program.h"
#include "tests/support/WindowTest.h"
#include "toolkit/model/Win1252.h"
#include "toolkit/view/grid/GridWidget.h"
#include "toolkit/view/text/QtText.h"

namespace {

QString U8(const char* utf8) {
  return QString::fromUtf8(utf8);
}

const QStringList kMenu{U8("Kopieren"), U8("Alles markieren")};
// An analysis window's table prints the window as well.
const QStringList kAnalysisMenu = kMenu + QStringList{QString(), U8("Drucken …")};

using Cell = std::pair<int, int>;  // row, column of the table

class Tables : public testing::Test {
 protected:
  void SetUp() override {
    program.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&program.window1));
    QApplication::clipboard()->clear();
  }

  void Click(const char* name) { ::Click(&program.window1, name); }
  void ChooseAlphabet(int item) { Click(("RadioGroup1Item" + std::to_string(item)).c_str()); }
  void TypeInto(const char* field, const char* utf8) {
    auto* edit = Find<QLineEdit>(&program.window1, field);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, U8(utf8));
  }
  // A ciphertext as long as a pasted one, without typing it key by key.
  void PutCiphertext(const std::string& win1252) {
    auto* edit3 = Find<QLineEdit>(&program.window1, "Edit3");
    edit3->setText(ToQString(win1252));
    Q_EMIT edit3->textEdited(edit3->text());
  }
  void InsideAnalysis(QDialog& dialog, const char* button, const std::function<void()>& body) {
    InsideModal(
        dialog, [&] { Click(button); }, body);
  }

  // Everything the table interface says agrees with what the grid shows:
  // counts, header names, cell names and places, selection, focus.
  static void ExpectTableShowsGrid(GridWidget& grid) {
    const StringGrid& cells = grid.Model();
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&grid);
    ASSERT_NE(iface, nullptr);
    QAccessibleTableInterface* table = iface->tableInterface();
    ASSERT_NE(table, nullptr);
    const int fc = cells.FixedCols();
    const int fr = cells.FixedRows();
    ASSERT_EQ(table->rowCount(), cells.RowCount() - fr);
    ASSERT_EQ(table->columnCount(), cells.ColCount() - fc);
    std::set<Cell> highlighted;
    for (int row = 0; row < table->rowCount(); ++row) {
      for (int col = 0; col < table->columnCount(); ++col) {
        SCOPED_TRACE(testing::Message() << "row " << row << ", column " << col);
        QAccessibleInterface* cell = table->cellAt(row, col);
        ASSERT_NE(cell, nullptr);
        EXPECT_EQ(cell->role(), QAccessible::Cell);
        EXPECT_EQ(cell->text(QAccessible::Name), ToQString(cells.Cell(col + fc, row + fr)));
        QAccessibleTableCellInterface* place = cell->tableCellInterface();
        ASSERT_NE(place, nullptr);
        EXPECT_EQ(place->rowIndex(), row);
        EXPECT_EQ(place->columnIndex(), col);
        EXPECT_EQ(place->table(), iface);
        const bool shown = grid.IsCellHighlighted(col + fc, row + fr);
        EXPECT_EQ(place->isSelected(), shown);
        if (shown) highlighted.insert({row, col});
        const QList<QAccessibleInterface*> columnHeaders = place->columnHeaderCells();
        ASSERT_EQ(columnHeaders.size(), fr);
        if (fr > 0) {
          EXPECT_EQ(columnHeaders[0]->role(), QAccessible::ColumnHeader);
          EXPECT_EQ(columnHeaders[0]->text(QAccessible::Name), ToQString(cells.Cell(col + fc, 0)));
        }
        const QList<QAccessibleInterface*> rowHeaders = place->rowHeaderCells();
        ASSERT_EQ(rowHeaders.size(), fc);
        if (fc > 0) {
          EXPECT_EQ(rowHeaders[0]->role(), QAccessible::RowHeader);
          EXPECT_EQ(rowHeaders[0]->text(QAccessible::Name), ToQString(cells.Cell(0, row + fr)));
        }
      }
    }
    std::set<Cell> selected;
    for (QAccessibleInterface* cell : table->selectedCells())
      selected.insert(
          {cell->tableCellInterface()->rowIndex(), cell->tableCellInterface()->columnIndex()});
    EXPECT_EQ(selected, highlighted);
    EXPECT_EQ(table->selectedCellCount(), static_cast<int>(highlighted.size()));

    QAccessibleInterface* focus = iface->focusChild();
    if (!grid.hasFocus()) {
      EXPECT_EQ(focus, nullptr);
      return;
    }
    ASSERT_NE(focus, nullptr);
    EXPECT_TRUE(focus->state().focused);
    const GridCoord current = cells.Current();
    EXPECT_EQ(focus->text(QAccessible::Name), ToQString(cells.Cell(current.Col, current.Row)));
    EXPECT_EQ(iface->indexOfChild(focus), current.Row * cells.ColCount() + current.Col);
  }

  static QStringList Names(const QList<QAccessibleInterface*>& cells) {
    QStringList names;
    for (QAccessibleInterface* cell : cells) names << cell->text(QAccessible::Name);
    return names;
  }

  // The clipboard's text as lines of cells.
  static std::vector<QStringList> CopiedLines() {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (!data) return {};
    QString text = data->text();
    EXPECT_TRUE(text.endsWith(QLatin1Char('\n'))) << "every line ends with a line break";
    text.chop(1);
    std::vector<QStringList> lines;
    for (const QString& line : text.split(QLatin1Char('\n')))
      lines.push_back(line.split(QLatin1Char('\t')));
    return lines;
  }
  static QString CopiedHtml() {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    return data ? data->html() : QString();
  }
  // The cells of a grid row as the grid holds them.
  static QStringList GridRow(const StringGrid& cells, int row, int first, int last) {
    QStringList line;
    for (int col = first; col <= last; ++col) line << ToQString(cells.Cell(col, row));
    return line;
  }
  static QStringList Menu(GridWidget& grid, const char* entry) {
    return ChooseFromContextMenu(grid.viewport(),
                                 grid.CellRect(grid.LeftCol(), grid.TopRow()).center(), entry);
  }

  Program program;
};

TEST_F(Tables, TheCipherTableHasTheAlphabetAsHeadersAndAStepsColumnSelected) {
  auto* grid = Find<GridWidget>(&program.window1, "StringGrid1");
  QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(grid)->tableInterface();
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->selectedCellCount(), 0) << "no step yet, nothing highlighted";

  TypeInto("Edit1", "hallo");
  Click("BitBtn1");  // "ein Zeichen verschlüsseln": H is encrypted to Y in column 7
  ASSERT_TRUE(grid->hasFocus());
  ExpectTableShowsGrid(*grid);
  EXPECT_EQ(table->rowCount(), 1);
  EXPECT_EQ(table->columnCount(), 37);
  EXPECT_EQ(table->columnDescription(7), QStringLiteral("H"));
  EXPECT_EQ(table->selectedColumns(), QList<int>{7});
  EXPECT_TRUE(table->isColumnSelected(7));
  EXPECT_FALSE(table->isRowSelected(0));
  EXPECT_EQ(Names(table->selectedCells()), QStringList{QStringLiteral("Y")});
  QAccessibleInterface* focus = QAccessible::queryAccessibleInterface(grid)->focusChild();
  ASSERT_NE(focus, nullptr);
  EXPECT_EQ(focus->text(QAccessible::Name), QStringLiteral("Y"));
  EXPECT_EQ(focus->text(QAccessible::Description), QStringLiteral("Spalte H"));

  // The decryption table, stepped too: while it has the focus its current cell
  // shows a focus frame rather than the highlight, and is the focused cell.
  Click("BitBtn3");  // "alles verschlüsseln"
  Click("BitBtn7");  // Y is decrypted to H
  auto* decryption = Find<GridWidget>(&program.window1, "StringGrid2");
  ASSERT_TRUE(decryption->hasFocus());
  ExpectTableShowsGrid(*decryption);
  QAccessibleInterface* decrypted = QAccessible::queryAccessibleInterface(decryption)->focusChild();
  ASSERT_NE(decrypted, nullptr);
  EXPECT_EQ(decrypted->text(QAccessible::Name), QStringLiteral("Y"));
  EXPECT_FALSE(decrypted->state().selected);
}

// A cell object stands for one cell: when an option changes the column count,
// the table hands out cells of the new shape, never one left from the old.
TEST_F(Tables, AnOptionThatChangesTheColumnCountGivesTheTableItsNewCells) {
  auto* grid = Find<GridWidget>(&program.window1, "StringGrid1");
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(grid);
  QAccessibleTableInterface* table = iface->tableInterface();
  // With 37 columns, child 42 is row 1, column 5 ("F" over "W").
  EXPECT_EQ(table->cellAt(0, 5)->text(QAccessible::Name), QStringLiteral("W"));
  EXPECT_EQ(iface->child(42)->text(QAccessible::Name), QStringLiteral("W"));

  ChooseAlphabet(0);  // "nur Buchstaben (original)": 26 columns
  EXPECT_EQ(table->columnCount(), 26);
  EXPECT_EQ(table->cellAt(0, 26), nullptr);
  EXPECT_EQ(iface->childCount(), 52);
  ExpectTableShowsGrid(*grid);  // child 42 is now row 1, column 16

  ChooseAlphabet(3);  // "erweiterte Zeichenliste": 60 columns, umlauts among the headers
  ExpectTableShowsGrid(*grid);
  EXPECT_EQ(table->columnDescription(37), QString::fromUtf8("Ä"));
}

TEST_F(Tables, TheFrequencyTableSortedByCountReadsRowByRowUnderItsHeaders) {
  TypeInto("Edit3", "EEEEE NNN RR ÄÄ S");
  ChooseAlphabet(3);
  InsideAnalysis(program.Window2(), "BitBtn10", [&] {  // "Kryptoanalyse Einzelzeichen"
    QDialog* dialog = &program.Window2();
    ::Click(dialog, "BitBtn3");  // sort by count
    auto* grid = Find<GridWidget>(dialog, "StringGrid1");
    QAccessibleTableInterface* table =
        QAccessible::queryAccessibleInterface(grid)->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowCount(), 61);
    EXPECT_EQ(table->columnCount(), 5);
    EXPECT_EQ(table->columnDescription(1), QString::fromUtf8("Häufigkeit [%]"));
    // The most frequent characters first, each row under its character.
    QStringList rowHeaders;
    for (int row = 0; row < 5; ++row) rowHeaders << table->rowDescription(row);
    EXPECT_EQ(rowHeaders,
              (QStringList{QStringLiteral("E"), QStringLiteral(" "), QStringLiteral("N"),
                           QStringLiteral("R"), QString::fromUtf8("Ä")}));
    EXPECT_EQ(table->cellAt(0, 0)->text(QAccessible::Name), QStringLiteral("5"));
    EXPECT_EQ(table->cellAt(0, 0)->text(QAccessible::Description),
              QStringLiteral("Zeile E, Spalte Anzahl"));
    ExpectTableShowsGrid(*grid);

    // A range dragged from "Anzahl" of row 2 to "Häufigkeit" of row 4: the
    // current cell at its end shows the focus frame, the rest the highlight.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(1, 2).center());
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                      grid->CellRect(2, 4).center());
    ASSERT_TRUE(grid->hasFocus());
    ExpectTableShowsGrid(*grid);
    EXPECT_EQ(table->selectedCellCount(), 5);
    QAccessibleInterface* focus = QAccessible::queryAccessibleInterface(grid)->focusChild();
    ASSERT_NE(focus, nullptr);
    EXPECT_EQ(focus->tableCellInterface()->rowIndex(), 3);
    EXPECT_EQ(focus->tableCellInterface()->columnIndex(), 1);
    ::Click(dialog, "BitBtn1");
  });
}

TEST_F(Tables, TheBruteForceTableReadsEveryShiftWithItsWholeText) {
  TypeInto("Edit3", "ghu ohkuhu");
  ChooseAlphabet(0);
  InsideAnalysis(program.Window3(), "BitBtn12", [&] {  // "brachiale Kryptoanalyse (Brute Force)"
    auto* grid = Find<GridWidget>(&program.Window3(), "StringGrid1");
    QAccessibleTableInterface* table =
        QAccessible::queryAccessibleInterface(grid)->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowCount(), 60);
    EXPECT_EQ(table->columnCount(), 4);
    EXPECT_EQ(table->columnDescription(0), QString::fromUtf8("dt. Wörter"));
    EXPECT_EQ(table->columnDescription(1), QStringLiteral("passender Klar-Text"));
    struct Row {
      const char* shift;
      const char* words;
      const char* text;
    } const first[] = {
        {"0", "0", "GHU OHKUHU"},
        {"1", "0", "FGT NGJTGT"},
        {"2", "0", "EFS MFISFS"},
        {"3", "4", "DER LEHRER"},
    };
    for (int row = 0; row < 4; ++row) {
      SCOPED_TRACE(row);
      EXPECT_EQ(table->rowDescription(row), QString::fromLatin1(first[row].shift));
      EXPECT_EQ(table->cellAt(row, 0)->text(QAccessible::Name),
                QString::fromLatin1(first[row].words));
      EXPECT_EQ(table->cellAt(row, 1)->text(QAccessible::Name),
                QString::fromLatin1(first[row].text));
    }
    EXPECT_EQ(table->cellAt(3, 1)->text(QAccessible::Description),
              QStringLiteral("Zeile 3, Spalte passender Klar-Text"));
    EXPECT_EQ(table->cellAt(30, 1)->text(QAccessible::Name), QString());  // beyond 26 shifts
    ExpectTableShowsGrid(*grid);
    ::Click(&program.Window3(), "BitBtn1");
  });

  // A trial text of 65,535 characters is read whole, not as far as the cell shows it.
  const std::string words = W("FÜR CÄSAR ");
  std::string longText;
  while (longText.size() < kMaxFieldLength) longText += words;
  longText.resize(kMaxFieldLength);
  PutCiphertext(longText);
  ChooseAlphabet(3);
  InsideAnalysis(program.Window3(), "BitBtn12", [&] {
    auto* grid = Find<GridWidget>(&program.Window3(), "StringGrid1");
    QAccessibleTableInterface* table =
        QAccessible::queryAccessibleInterface(grid)->tableInterface();
    const QString shiftZero = table->cellAt(0, 1)->text(QAccessible::Name);
    EXPECT_EQ(shiftZero.size(), 65535);
    EXPECT_EQ(shiftZero, ToQString(longText));
    ::Click(&program.Window3(), "BitBtn1");
  });
}

// The cipher tables copy whole: the alphabet as the header line, the cipher
// alphabet below it, whichever column a step left highlighted.
TEST_F(Tables, ACipherTableCopiesWholeWithItsAlphabetAsTheHeaderLine) {
  ChooseAlphabet(3);  // "erweiterte Zeichenliste": Ä Ö Ü ß and " < > among the characters
  TypeInto("Edit1", "hallo");
  Click("BitBtn3");  // "alles verschlüsseln"
  auto* grid = Find<GridWidget>(&program.window1, "StringGrid1");
  ASSERT_TRUE(grid->hasFocus());
  const StringGrid& cells = grid->Model();
  const GridCoord current = cells.Current();
  const QString cipher = TextOf(&program.window1, "Edit3");

  QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
  std::vector<QStringList> lines = CopiedLines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], GridRow(cells, 0, 0, 59));
  EXPECT_EQ(lines[1], GridRow(cells, 1, 0, 59));
  EXPECT_EQ(lines[0].mid(36, 4), (QStringList{U8("9"), U8("Ä"), U8("Ö"), U8("Ü")}));
  const QString html = CopiedHtml();
  EXPECT_TRUE(
      html.contains(U8("<th>Ä</th><th>Ö</th><th>Ü</th><th>ß</th><th>!</th><th>&quot;</th>")))
      << qPrintable(html);
  EXPECT_TRUE(html.contains(U8("<th>&lt;</th><th>=</th><th>&gt;</th>")));
  EXPECT_EQ(html.count(U8("<td>")), 60);
  EXPECT_TRUE(html.contains(U8("charset=utf-8")));

  // Copying changed nothing: the step's highlighted column, the fields.
  EXPECT_EQ(cells.Current(), current);
  EXPECT_TRUE(grid->IsCellHighlighted(current.Col, 1));
  EXPECT_EQ(TextOf(&program.window1, "Edit3"), cipher);

  // "Kopieren" from the menu copies the same, "Alles markieren" highlights the
  // whole cipher row, and the next step highlights its column alone again.
  QApplication::clipboard()->clear();
  EXPECT_EQ(Menu(*grid, "Kopieren"), kMenu);
  EXPECT_EQ(CopiedLines(), lines);
  EXPECT_EQ(Menu(*grid, "Alles markieren"), kMenu);
  for (int col = 0; col < 60; ++col) EXPECT_TRUE(grid->IsCellHighlighted(col, 1)) << col;
  EXPECT_FALSE(grid->IsCellHighlighted(5, 0));
  EXPECT_EQ(cells.Current(), current);
  Click("BitBtn1");  // "ein Zeichen verschlüsseln": H again, column 7
  EXPECT_EQ(cells.Current(), (GridCoord{7, 1}));
  for (int col = 0; col < 60; ++col) EXPECT_EQ(grid->IsCellHighlighted(col, 1), col == 7) << col;
}

TEST_F(Tables, TheFrequencyTableCopiesItsRangeUnderTheHeadersAndEverythingAfterAllesMarkieren) {
  TypeInto("Edit3", "EEEEE NNN RR ÄÄ S");
  ChooseAlphabet(3);
  InsideAnalysis(program.Window2(), "BitBtn10", [&] {  // "Kryptoanalyse Einzelzeichen"
    QDialog* dialog = &program.Window2();
    ::Click(dialog, "BitBtn3");  // sort by count: E, blank, N, R, Ä, S, ...
    auto* grid = Find<GridWidget>(dialog, "StringGrid1");
    const StringGrid& cells = grid->Model();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(1, 3).center());
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                      grid->CellRect(2, 5).center());
    const GridRect selection = cells.Selection();

    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    const std::vector<QStringList> range = CopiedLines();
    ASSERT_EQ(range.size(), 4u);
    EXPECT_EQ(range[0], (QStringList{U8("Geheim-Zeichen"), U8("Anzahl"), U8("Häufigkeit [%]")}));
    EXPECT_EQ(range[1], (QStringList{U8("N"), U8("3")} << ToQString(cells.Cell(2, 3))));
    EXPECT_EQ(range[3][0], U8("Ä"));
    for (int row = 3; row <= 5; ++row)
      EXPECT_EQ(range[row - 2], GridRow(cells, row, 0, 0) + GridRow(cells, row, 1, 2));
    EXPECT_TRUE(CopiedHtml().contains(
        U8("<tr><th>Geheim-Zeichen</th><th>Anzahl</th><th>Häufigkeit [%]</th></tr>")));
    EXPECT_TRUE(CopiedHtml().contains(U8("<tr><th>Ä</th><td>2</td>")));
    EXPECT_EQ(cells.Selection(), selection) << "copying leaves the selection";

    EXPECT_EQ(Menu(*grid, "Alles markieren"), kAnalysisMenu);
    EXPECT_EQ(cells.Selection(), (GridRect{1, 1, 5, 61}));
    EXPECT_EQ(cells.Current(), (GridCoord{2, 5})) << "the current cell stays";
    QApplication::clipboard()->clear();
    Menu(*grid, "Kopieren");
    const std::vector<QStringList> all = CopiedLines();
    ASSERT_EQ(all.size(), 62u);
    for (int row = 0; row < 62; ++row) EXPECT_EQ(all[row], GridRow(cells, row, 0, 5)) << row;
    ::Click(dialog, "BitBtn1");
  });
}

// Before the learner has chosen a cell nothing is highlighted: Ctrl+C takes
// the whole table. Shift+F10 opens the menu from the keyboard.
TEST_F(Tables, TheBruteForceTableCopiesWholeUntilACellIsChosen) {
  TypeInto("Edit3", "ghu ohkuhu");
  ChooseAlphabet(0);
  InsideAnalysis(program.Window3(), "BitBtn12", [&] {  // "brachiale Kryptoanalyse (Brute Force)"
    auto* grid = Find<GridWidget>(&program.Window3(), "StringGrid1");
    ASSERT_TRUE(grid->hasFocus());
    const StringGrid& cells = grid->Model();
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    const std::vector<QStringList> lines = CopiedLines();
    ASSERT_EQ(lines.size(), 61u);
    EXPECT_EQ(lines[0], (QStringList{U8("Verschiebung"), U8("dt. Wörter"),
                                     U8("passender Klar-Text"), QString(), QString()}));
    EXPECT_EQ(lines[4], (QStringList{U8("3"), U8("4"), U8("DER LEHRER"), QString(), QString()}));
    for (int row = 0; row < 61; ++row) EXPECT_EQ(lines[row], GridRow(cells, row, 0, 4)) << row;

    // The menu key's menu, chosen from by the keyboard: Down to "Alles markieren".
    QTimer::singleShot(0, grid, [] {
      if (QWidget* menu = QApplication::activePopupWidget()) {
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
      }
    });
    QTest::keyClick(grid, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(cells.Selection(), (GridRect{1, 1, 4, 60}));
    ::Click(&program.Window3(), "BitBtn1");
  });
}

}  // namespace

namespace {

// No table of the program has that shape, but a grid of headers only (or of
// nothing at all) takes every key and click without a cell to move to.
TEST(HeaderOnlyGrid, TakesKeysAndClicksWithoutACellToMoveTo) {
  for (const auto& [cols, rows, fixedCols, fixedRows] :
       std::vector<std::tuple<int, int, int, int>>{{3, 1, 0, 1}, {1, 4, 1, 0}, {1, 1, 1, 1},
                                                    {0, 0, 0, 0}}) {
    StringGrid cells(cols, rows, fixedCols, fixedRows);
    GridWidget grid(cells, {.Editing = true, .Tabs = true});
    grid.resize(200, 100);
    grid.show();
    grid.setFocus();
    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Right, Qt::Key_End, Qt::Key_PageDown,
                              Qt::Key_Home, Qt::Key_Tab, Qt::Key_A})
      QTest::keyClick(&grid, key, key == Qt::Key_End ? Qt::ControlModifier : Qt::NoModifier);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(cells.Current(), (GridCoord{0, 0})) << cols << "x" << rows;
  }
}

}  // namespace
