// What a screen reader is told as a blind learner works the windows: the
// offscreen platform has no accessibility bridge, so the test listens in on
// what the widgets send (ScreenReader.h) and reads the accessible tree. What
// Orca makes of it, spoken: tools/orca-transcript.py.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include <vector>

#include "KAnalyse1/view/FrequencyChartWidget.h"
#include "app/Program.h"
#include "tests/support/WindowTest.h"
#include "toolkit/view/grid/GridWidget.h"
#include "toolkit/view/widgets/Announcer.h"
#include "toolkit/view/widgets/ScreenReader.h"

namespace {

QString U8(const char* utf8) { return QString::fromUtf8(utf8); }

class ScreenReaderTest : public testing::Test {
 protected:
  void SetUp() override {
    program.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&program.window1));
  }

  // What the announcers said since the last call, in order.
  QStringList Said() {
    QCoreApplication::processEvents();  // an announcer speaks once the loop turns
    return std::exchange(said, {});
  }
  // The cells that got the focus event since the last call: "column,row".
  QStringList FocusedCells() {
    QCoreApplication::processEvents();
    return std::exchange(focused, {});
  }
  template <typename T = QWidget>
  T* Main(const char* name) {
    return Find<T>(&program.window1, name);
  }

  Program program;
  QStringList said;
  QStringList focused;
  ScreenReaderListener listener{[this](QAccessibleEvent& event) {
    if (event.type() == QAccessible::ObjectShow)
      if (auto* announcer = qobject_cast<Announcer*>(event.object())) said << announcer->Text();
    if (event.type() == QAccessible::Focus && event.accessibleInterface() &&
        event.accessibleInterface()->tableCellInterface()) {
      QAccessibleTableCellInterface* cell = event.accessibleInterface()->tableCellInterface();
      focused << QStringLiteral("%1,%2").arg(cell->columnIndex()).arg(cell->rowIndex());
    }
  }};
};

// A step moves the focus into the table; what is heard is what the step did,
// the same pair again too, and a run's result once at its end.
TEST_F(ScreenReaderTest, EveryStepIsHeardAndARunOnceAtItsEnd) {
  QTest::keyClicks(Main("Edit1"), QStringLiteral("all"));
  QStringList heard;
  for (int i = 0; i < 3; ++i) {
    Click(&program.window1, "BitBtn1");  // "ein Zeichen verschlüsseln"
    heard += Said();
  }
  EXPECT_EQ(heard, (QStringList{U8("A wird zu R. Geheimtext: R"), U8("L wird zu 1. Geheimtext: R1"),
                                U8("L wird zu 1. Geheimtext: R11")}));
  EXPECT_TRUE(Main("StringGrid1")->hasFocus());
  EXPECT_TRUE(FocusedCells().isEmpty()) << "a cell's focus would start reading the whole row";
  Click(&program.window1, "BitBtn7");  // "ein Zeichen entschlüsseln"
  EXPECT_EQ(Said(), QStringList{U8("R wird zu A. Klartext: A")});
  Click(&program.window1, "BitBtn3");  // "alles verschlüsseln"
  EXPECT_EQ(Said(), QStringList{U8("Geheimtext: R11")});
}

// Tab into a table: the table, then its current cell; the first arrow from
// the hidden selection in the header row lands on the first body row, in the
// cell below; Ctrl+Tab and Ctrl+Shift+Tab leave the encryption table.
TEST_F(ScreenReaderTest, TabIntoATableNamesItsCellAndCtrlTabLeavesIt) {
  auto* grid = Main<GridWidget>("StringGrid1");
  Main("Edit1")->setFocus(Qt::OtherFocusReason);
  QTest::keyClick(Main("Edit1"), Qt::Key_Tab);
  ASSERT_TRUE(grid->hasFocus());
  EXPECT_EQ(grid->Model().Current(), (GridCoord{0, 0}));  // where the start hid the selection
  EXPECT_EQ(FocusedCells(), QStringList{}) << "a header cell is no table cell";
  QTest::keyClick(grid, Qt::Key_Right);
  EXPECT_EQ(grid->Model().Current(), (GridCoord{0, 1})) << "A, not B";
  EXPECT_EQ(FocusedCells(), QStringList{QStringLiteral("0,0")});
  QTest::keyClick(grid, Qt::Key_Right);
  EXPECT_EQ(grid->Model().Current(), (GridCoord{1, 1}));
  EXPECT_EQ(FocusedCells(), QStringList{QStringLiteral("1,0")});
  // Tab walks the cells, as the layout says; Ctrl+Tab leaves the table.
  QTest::keyClick(grid, Qt::Key_Tab);
  EXPECT_EQ(grid->Model().Current(), (GridCoord{2, 1}));
  QTest::keyClick(grid, Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(Focused(), QStringLiteral("Edit2"));
  // Back in (the table hid its selection as it lost the focus), and out
  // backwards with Ctrl+Shift+Tab.
  QTest::keyClick(Main("Edit2"), Qt::Key_Backtab, Qt::ShiftModifier);
  ASSERT_TRUE(grid->hasFocus());
  QTest::keyClick(grid, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(Focused(), QStringLiteral("Edit1"));
  // Out of the open cell editor too.
  grid->setFocus(Qt::TabFocusReason);
  QTest::keyClick(grid, Qt::Key_Right);
  QTest::keyClick(grid, Qt::Key_Q);
  ASSERT_NE(grid->Editor(), nullptr);
  QTest::keyClick(grid->Editor(), Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(Focused(), QStringLiteral("Edit2"));
  EXPECT_EQ(grid->Editor(), nullptr);

  // The decryption table keeps the cell a step left current: Tab into it says
  // the table, then that cell.
  QTest::keyClicks(Main("Edit3"), QStringLiteral("R"));
  Click(&program.window1, "BitBtn7");  // "ein Zeichen entschlüsseln": R in column 0
  FocusedCells();
  Main("UpDown2")->setFocus(Qt::OtherFocusReason);
  QTest::keyClick(Main("UpDown2"), Qt::Key_Tab);
  ASSERT_TRUE(Main("StringGrid2")->hasFocus());
  EXPECT_EQ(FocusedCells(), QStringList{QStringLiteral("0,0")});
}

// The first arrow in the brute-force table, whose current cell starts in its
// header corner, lands on the first row (shift 0), not the second.
TEST_F(ScreenReaderTest, TheFirstArrowInTheBruteForceTableLandsOnTheFirstRow) {
  QTest::keyClicks(Main("Edit3"), QStringLiteral("GHU OHKUHU"));
  InsideModal(program.Window3(), [&] { Click(&program.window1, "BitBtn12"); }, [&] {
    auto* table = Find<GridWidget>(&program.Window3(), "StringGrid1");
    table->setFocus(Qt::TabFocusReason);
    QTest::keyClick(table, Qt::Key_Down);
    EXPECT_EQ(table->Model().Current(), (GridCoord{1, 1}));
    EXPECT_EQ(table->Model().Cell(0, 1), "0");
    Click(&program.Window3(), "BitBtn1");
  });
}

// Every cell of every table says where it stands on the screen, the scrolled
// ones included, and the menu of a control is the same menu every time.
TEST_F(ScreenReaderTest, CellsReportWhereTheyStandAndMenusStayTheSame) {
  Click(&program.window1, "RadioGroup1Item3");  // 60 characters: the tables scroll
  for (const char* name : {"StringGrid1", "StringGrid2"}) {
    auto* grid = Main<GridWidget>(name);
    QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(grid)->tableInterface();
    ASSERT_NE(table, nullptr);
    for (const int col : {0, 20, 59}) {
      grid->Model();  // the cell scrolled into view by the learner
      grid->setFocus(Qt::TabFocusReason);
      QTest::keyClick(grid, Qt::Key_Home);
      for (int i = 0; i < col; ++i) QTest::keyClick(grid, Qt::Key_Right);
      QAccessibleInterface* cell = table->cellAt(0, col);
      ASSERT_NE(cell, nullptr);
      const QRect onScreen = cell->rect();
      SCOPED_TRACE(std::string(name) + " column " + std::to_string(col));
      EXPECT_EQ(onScreen.size(), QSize(12, 20));
      const QRect local = grid->CellRect(col, 1);
      EXPECT_EQ(onScreen.topLeft(), grid->viewport()->mapToGlobal(local.topLeft()));
      EXPECT_EQ(QAccessible::queryAccessibleInterface(grid)->childAt(onScreen.center().x(),
                                                                     onScreen.center().y()),
                cell);
    }
  }

  auto* grid = Main<GridWidget>("StringGrid1");
  const QPoint cell = grid->CellRect(grid->LeftCol(), 1).center();
  EXPECT_EQ(ChooseFromContextMenu(grid->viewport(), cell, nullptr),
            (QStringList{U8("Kopieren"), U8("Alles markieren")}));
  const QList<QMenu*> menus = grid->findChildren<QMenu*>();
  ChooseFromContextMenu(grid->viewport(), cell, nullptr);
  EXPECT_EQ(menus.size(), 1);
  EXPECT_EQ(grid->findChildren<QMenu*>(), menus) << "one menu for the grid's life";
}

}  // namespace
