// The window "Kryptoanalyse -- Einzelzeichen" as the learner meets it: opened
// through "Kryptoanalyse Einzelzeichen" in a real main window, inspected and
// clicked inside its modal loop, found by control names.
//
// Numbers are checked against the separator the program takes from the locale
// (QtPlatform::DecimalSeparator), whatever locale the test runs under.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QWindow>

#include <functional>
#include <string>
#include <vector>

#include "KAnalyse1/view/FrequencyChartWidget.h"
#include "app/Program.h"
#include "tests/support/WindowTest.h"
#include "toolkit/model/Win1252.h"
#include "toolkit/view/form/FormBinder.h"
#include "toolkit/view/grid/GridWidget.h"
#include "toolkit/view/text/QtText.h"
#include "toolkit/view/widgets/GlyphButton.h"
#include "toolkit/view/widgets/UpDownWidget.h"

namespace {

class AnalyseWindowTest : public testing::Test {
 protected:
  AnalyseWindowTest() {
    program.Show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&program.window1));
  }

  // The learner picks an alphabet ("nur Buchstaben (original)" is item 0) and
  // types the ciphertext into the main window.
  void Enter(const char* ciphertext, int alphabetItem) {
    QWidget* main = &program.window1;
    const std::string item = "RadioGroup1Item" + std::to_string(alphabetItem);
    QTest::mouseClick(Find<QAbstractButton>(main, item.c_str()), Qt::LeftButton);
    auto* edit3 = Find<QLineEdit>(main, "Edit3");
    edit3->setFocus();
    edit3->selectAll();
    QTest::keyClicks(edit3, QString::fromLatin1(ciphertext));
  }

  // Clicks "Kryptoanalyse Einzelzeichen" and runs body inside the modal loop.
  // Returns the dialog's result.
  int Open(const std::function<void(QDialog*)>& body) {
    InsideModal(
        program.Window2(), [&] { Click(&program.window1, "BitBtn10"); },
        [&] { body(&program.Window2()); });
    return program.Window2().result();
  }

  // The expected text with the program's decimal separator for '.'.
  std::string Local(const char* utf8) const {
    std::string text = W(utf8);
    for (char& c : text)
      if (c == '.') c = program.platform.DecimalSeparator();
    return text;
  }

  static std::string Row(QDialog* dialog, int row) {
    const StringGrid& cells = Find<GridWidget>(dialog, "StringGrid1")->Model();
    std::string s;
    for (int c = 0; c < cells.ColCount(); ++c) s += (c ? "|" : "") + cells.Cell(c, row);
    return s;
  }
  static std::string Column0(QDialog* dialog, int rows) {
    const StringGrid& cells = Find<GridWidget>(dialog, "StringGrid1")->Model();
    std::string s;
    for (int r = 1; r <= rows; ++r) s += cells.Cell(0, r);
    return s;
  }
  static std::string Text(const QWidget* dialog, const char* name) {
    return FromQString(TextOf(dialog, name)).value_or("?");
  }
  static void Spin(QDialog* dialog, bool up) { ClickArrow(dialog, "UpDown1", up); }

  // The line under the chart, with the program's decimal separator.
  std::string Line(int shift, const char* sum, int place, int of) const {
    return Local(("Verschiebung " + std::to_string(shift) + " · Summe der Fehler-Quadrate " + sum +
                  " · Platz " + std::to_string(place) + " von " + std::to_string(of))
                     .c_str());
  }
  // Everything that shows the chart's shift shows this one: the chart (and
  // what a screen reader hears of it), the spinner and the line.
  void ExpectChartAt(QDialog* dialog, int shift, const std::string& line) const {
    EXPECT_EQ(program.form2.Chart1.State.Shift, shift);
    EXPECT_EQ(Find<UpDownWidget>(dialog, "UpDown2")->Position(), shift);
    EXPECT_EQ(Text(dialog, "Edit7"), line);
    EXPECT_EQ(Find(dialog, "Chart1")->accessibleDescription(), ToQString(line));
  }
  static bool ChartShown(QDialog* dialog) {
    return Find(dialog, "Chart1")->isVisible() && Find(dialog, "UpDown2")->isVisible() &&
           Find(dialog, "Edit7")->isVisible() && !Find(dialog, "StringGrid1")->isVisible();
  }
  static bool TableShown(QDialog* dialog) {
    return !Find(dialog, "Chart1")->isVisible() && !Find(dialog, "UpDown2")->isVisible() &&
           !Find(dialog, "Edit7")->isVisible() && Find(dialog, "StringGrid1")->isVisible();
  }

  Program program;
};

TEST_F(AnalyseWindowTest, ControlsSitWhereTheLayoutPutsThemWithTheirFontsAndTabOrder) {
  Enter("EEEE", 0);
  Open([&](QDialog* dialog) {
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Kryptoanalyse -- Einzelzeichen"));
    EXPECT_EQ(dialog->focusWidget(), Find(dialog, "BitBtn1")) << "first in tab order";
    EXPECT_EQ(dialog->size(), QSize(603, 408));
    EXPECT_EQ(dialog->minimumSize(), QSize(603, 408));

    const Placement places[] = {
        {"Label6", {88, 8, 243, 13}},    {"Edit6", {336, 4, 41, 21}},
        {"Label7", {384, 8, 39, 13}},    {"Label1", {384, 24, 96, 13}},
        {"Label2", {488, 20, 42, 20}},   {"Edit1", {536, 18, 33, 21}},
        {"UpDown1", {568, 12, 25, 33}},  {"BitBtn2", {32, 24, 41, 25}},
        {"BitBtn3", {104, 24, 41, 25}},  {"StringGrid1", {8, 48, 585, 305}},
        {"Label3", {16, 364, 187, 13}},  {"Edit2", {216, 360, 33, 21}},
        {"Label5", {256, 364, 45, 13}},  {"Edit3", {304, 360, 97, 21}},
        {"Label4", {16, 378, 196, 13}},  {"Label8", {72, 392, 135, 13}},
        {"Edit4", {216, 384, 73, 21}},   {"Edit5", {304, 384, 177, 21}},
        {"BitBtn1", {488, 376, 97, 25}},
        // Beyond the table: the buttons in the free room of the top row, the
        // chart (hidden) in the table's rectangle above its spinner and line.
        {"SpeedButton1", {152, 25, 84, 23}}, {"BitBtn4", {240, 25, 137, 23}},
        {"Chart1", {8, 48, 585, 277}},       {"UpDown2", {8, 328, 25, 25}},
        {"Edit7", {37, 330, 556, 21}},
    };
    ExpectPlacements(dialog, places);
    EXPECT_EQ(Find<QLabel>(dialog, "Label6")->text(),
              QString::fromUtf8("Analyse beruht auf dem eingestellten Alphabet  mit: "));
    EXPECT_EQ(Find<QLabel>(dialog, "Label2")->text(), QStringLiteral("+/- %"));
    EXPECT_EQ(Find<QAbstractButton>(dialog, "BitBtn1")->text(), QStringLiteral("Beenden"));
    // The "%" must not run into the tolerance field.
    EXPECT_LE(Find(dialog, "Label2")->geometry().right(), Find(dialog, "Edit1")->x() - 1);

    auto font = [&](const char* name) { return Find(dialog, name)->font(); };
    EXPECT_TRUE(font("Label2").bold());
    EXPECT_EQ(font("Label2").pixelSize(), 16);
    EXPECT_TRUE(font("Label3").bold());
    EXPECT_TRUE(font("Edit2").bold());
    for (const char* plain : {"Label1", "Label6", "Edit1", "Edit3", "Edit4", "Edit5", "Edit6"}) {
      EXPECT_FALSE(font(plain).bold()) << plain;
      EXPECT_EQ(font(plain).pixelSize(), 11) << plain;
    }
    EXPECT_EQ(Find(dialog, "Edit3")->palette().color(QPalette::Base),
              dialog->palette().color(QPalette::Button));

    EXPECT_EQ(Find(dialog, "BitBtn2")->toolTip(), QStringLiteral("nach Zeichen sortieren"));
    EXPECT_EQ(Find(dialog, "BitBtn3")->toolTip(), QString::fromUtf8("nach Häuffigkeit sortieren"));
    for (const char* name : {"BitBtn2", "BitBtn3"}) {
      auto* button = Find<GlyphButton>(dialog, name);
      EXPECT_TRUE(button->text().isEmpty());
      // Without a caption the triangle sits in the middle of the button.
      const QPoint off = button->GlyphRect().center() - button->rect().center();
      EXPECT_LE(std::abs(off.x()) + std::abs(off.y()), 2) << name;
    }

    for (const char* name : {"Edit6", "Edit1", "Edit2", "Edit3"})
      EXPECT_TRUE(Find<QLineEdit>(dialog, name)->isReadOnly()) << name;
    for (const char* name : {"Edit4", "Edit5"})
      EXPECT_FALSE(Find<QLineEdit>(dialog, name)->isReadOnly()) << name;

    auto* grid = Find<GridWidget>(dialog, "StringGrid1");
    const int widths[] = {90, 45, 75, 100, 300, 300};
    for (int c = 0; c < 6; ++c) EXPECT_EQ(grid->ColWidth(c), widths[c]) << c;
    EXPECT_EQ(grid->RowHeight(), 18);
    EXPECT_EQ(grid->Model().FixedCols(), 1);
    EXPECT_EQ(grid->Model().FixedRows(), 1);
    // The learner can widen a column by its header border, but not type into a cell.
    QWidget* cells = grid->viewport();
    const QRect header = grid->CellRect(1, 0);
    QTest::mousePress(cells, Qt::LeftButton, {}, QPoint(header.right() + 1, header.center().y()));
    QTest::mouseMove(cells, QPoint(header.right() + 21, header.center().y()));
    QTest::mouseRelease(cells, Qt::LeftButton, {},
                        QPoint(header.right() + 21, header.center().y()));
    EXPECT_EQ(grid->ColWidth(1), 65);
    EXPECT_EQ(program.form2.StringGrid1.ColWidth(1), 65) << "the drag is written back";
    const QPoint cell = grid->CellRect(2, 2).center();
    QTest::mouseClick(cells, Qt::LeftButton, {}, cell);
    QTest::mouseDClick(cells, Qt::LeftButton, {}, cell);
    QTest::keyClick(grid, Qt::Key_F2);
    QTest::keyClick(grid, Qt::Key_X);
    EXPECT_EQ(grid->Editor(), nullptr);
    EXPECT_EQ(grid->Model().Cell(2, 2), Local(" 0.000"));

    // Tab walks the controls from "Beenden" on, then the two added buttons,
    // and back to "Beenden"; the hidden chart is passed over.
    Find(dialog, "BitBtn1")->setFocus(Qt::TabFocusReason);
    const std::vector<QString> expected = {
        QStringLiteral("BitBtn1"), QStringLiteral("StringGrid1"), QStringLiteral("Edit1"),
        QStringLiteral("UpDown1"), QStringLiteral("BitBtn2"),     QStringLiteral("BitBtn3"),
        QStringLiteral("Edit2"),   QStringLiteral("Edit3"),       QStringLiteral("Edit4"),
        QStringLiteral("Edit5"),   QStringLiteral("Edit6"),       QStringLiteral("SpeedButton1"),
        QStringLiteral("BitBtn4"), QStringLiteral("BitBtn1")};
    EXPECT_EQ(TabWalk(13), expected);

    // Centred on the main window (the frame may shift it by its own size).
    const QPoint offset =
        dialog->frameGeometry().center() - program.window1.frameGeometry().center();
    EXPECT_LE(std::abs(offset.x()), 8);
    EXPECT_LE(std::abs(offset.y()), 20);
  });
}

TEST_F(AnalyseWindowTest, AllSixColumnsAndTheRankingShowTheAnalysis) {
  Enter("EEEE", 0);  // 26 letters
  Open([&](QDialog* dialog) {
    EXPECT_EQ(Row(dialog, 0), W("Geheim-Zeichen|Anzahl|Häufigkeit [%]|erwart. Häufigkt.[%]|"
                                "zur Bewertungstoleranz passende Klar-Zeichen|"
                                "passende Cäsar-Verschiebungen"));
    EXPECT_EQ(Row(dialog, 1), Local("A|0| 0.000| 6.510|BFJKMOPQVWXYZ|"
                                    "25;21;17;16;14;12;11;10;5;4;3;2;1"));
    EXPECT_EQ(Row(dialog, 5), Local("E|4|100.000|17.400||"));
    // Beyond the 26 letters in use: all 61 rows are there, with nothing counted.
    EXPECT_EQ(Row(dialog, 27), Local(" |0| 0.000| 0.000||"));
    EXPECT_EQ(Row(dialog, 38), Local("Ä|0| 0.000| 0.000||"));
    EXPECT_EQ(Row(dialog, 61), Local("???|0| 0.000| 0.000||"));
    EXPECT_EQ(Find<GridWidget>(dialog, "StringGrid1")->Model().RowCount(), 62);

    EXPECT_EQ(Text(dialog, "Edit6"), "26");
    EXPECT_EQ(Text(dialog, "Edit1"), "3");
    EXPECT_EQ(Text(dialog, "Edit2"), "0");
    EXPECT_EQ(Text(dialog, "Edit3"), "17; 22; 12; 13");
    EXPECT_EQ(Text(dialog, "Edit4"), Local("7281.60"));
    EXPECT_EQ(Text(dialog, "Edit5"), Local("8805.60; 9251.60; 9307.60; 9361.60"));
  });

  // A blank outside the 26 letters lands in "???"; typed sums are overwritten.
  Enter("E E", 0);
  Open([&](QDialog* dialog) {
    EXPECT_EQ(Row(dialog, 5).substr(0, 11), Local("E|2|66.667|"));
    EXPECT_EQ(Row(dialog, 61), Local("???|1|33.333| 0.000||"));
    auto* edit4 = Find<QLineEdit>(dialog, "Edit4");
    edit4->setFocus();
    QTest::keyClicks(edit4, QStringLiteral("99"));
    EXPECT_EQ(Text(dialog, "Edit4"), Local("2886.0599"));
  });
  Open([&](QDialog* dialog) { EXPECT_EQ(Text(dialog, "Edit4"), Local("2886.05")); });
}

TEST_F(AnalyseWindowTest, SortButtonsKeepTheirStateAcrossACloseAndAReopen) {
  Enter("BCC", 0);
  // Whether any pixel of a button's glyph is pure black.
  auto blackGlyph = [](QDialog* dialog, const char* name) {
    auto* button = Find<GlyphButton>(dialog, name);
    const QImage image = button->grab(button->GlyphRect()).toImage();
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if ((image.pixel(x, y) & 0xFFFFFF) == 0) return true;
    return false;
  };

  Open([&](QDialog* dialog) {
    auto* byChar = Find<QAbstractButton>(dialog, "BitBtn2");
    auto* byCount = Find<QAbstractButton>(dialog, "BitBtn3");
    EXPECT_TRUE(byChar->isEnabled());
    EXPECT_TRUE(byCount->isEnabled());
    EXPECT_EQ(Column0(dialog, 4), "ABCD");

    QTest::mouseClick(byCount, Qt::LeftButton);
    EXPECT_EQ(Column0(dialog, 4), "CBAD");
    EXPECT_EQ(Row(dialog, 1).substr(0, 4), "C|2|");
    EXPECT_TRUE(byChar->isEnabled());
    EXPECT_FALSE(byCount->isEnabled());
    QTest::mouseClick(Find<QAbstractButton>(dialog, "BitBtn1"), Qt::LeftButton);
  });

  Open([&](QDialog* dialog) {
    auto* byChar = Find<QAbstractButton>(dialog, "BitBtn2");
    auto* byCount = Find<QAbstractButton>(dialog, "BitBtn3");
    // A new showing starts in character order, but the buttons stay as left.
    EXPECT_EQ(Column0(dialog, 4), "ABCD");
    EXPECT_TRUE(byChar->isEnabled());
    EXPECT_FALSE(byCount->isEnabled());
    EXPECT_TRUE(blackGlyph(dialog, "BitBtn2"));
    EXPECT_FALSE(blackGlyph(dialog, "BitBtn3")) << "the disabled triangle is grey";

    QTest::mouseClick(byCount, Qt::LeftButton);  // disabled: nothing happens
    EXPECT_EQ(Column0(dialog, 4), "ABCD");

    QTest::mouseClick(byChar, Qt::LeftButton);
    EXPECT_EQ(Column0(dialog, 4), "ABCD");
    EXPECT_FALSE(byChar->isEnabled());
    EXPECT_TRUE(byCount->isEnabled());
    EXPECT_TRUE(blackGlyph(dialog, "BitBtn3"));
  });
}

TEST_F(AnalyseWindowTest, ToleranceSpinnerStopsAtZeroAndTen) {
  Enter("EEEE", 0);
  Open([&](QDialog* dialog) {
    const StringGrid& cells = Find<GridWidget>(dialog, "StringGrid1")->Model();
    for (int i = 0; i < 3; ++i) Spin(dialog, false);
    EXPECT_EQ(Text(dialog, "Edit1"), "0");
    EXPECT_EQ(cells.Cell(4, 1), "");  // no letter is expected at 0 %

    // At 0 the lower arrow runs nothing: the grid is not even rewritten.
    const auto revision = cells.Revision();
    Spin(dialog, false);
    EXPECT_EQ(Text(dialog, "Edit1"), "0");
    EXPECT_EQ(cells.Revision(), revision);

    for (int i = 1; i <= 10; ++i) {
      Spin(dialog, true);
      ASSERT_EQ(Text(dialog, "Edit1"), std::to_string(i));
    }
    EXPECT_EQ(cells.Cell(4, 1), "ABCDFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_EQ(cells.Cell(5, 1).substr(0, 5), "0;25;");
    const auto atTen = cells.Revision();
    Spin(dialog, true);
    EXPECT_EQ(Text(dialog, "Edit1"), "10");
    EXPECT_EQ(cells.Revision(), atTen);
    // The ranking does not depend on the tolerance.
    EXPECT_EQ(Text(dialog, "Edit4"), Local("7281.60"));
  });
  // The tolerance outlives the showing.
  Open([&](QDialog* dialog) { EXPECT_EQ(Text(dialog, "Edit1"), "10"); });
}

TEST_F(AnalyseWindowTest, TheGridGrowsWithTheWindowWhichSnapsBackToItsMinimum) {
  Enter("EEEE", 0);
  Open([&](QDialog* dialog) {
    auto at = [&](const char* name) { return Find(dialog, name)->geometry(); };
    dialog->resize(803, 608);  // 200 pixels wider and higher
    EXPECT_EQ(at("StringGrid1"), QRect(8, 48, 785, 505));
    EXPECT_EQ(at("BitBtn1"), QRect(688, 576, 97, 25));
    EXPECT_EQ(at("Edit1"), QRect(736, 18, 33, 21));
    EXPECT_EQ(at("UpDown1"), QRect(768, 12, 25, 33));
    EXPECT_EQ(at("Label1").topLeft(), QPoint(584, 24));
    EXPECT_EQ(at("Label3").topLeft(), QPoint(16, 564));
    EXPECT_EQ(at("Edit5"), QRect(304, 584, 177, 21));
    EXPECT_EQ(at("BitBtn2"), QRect(32, 24, 41, 25));
    EXPECT_EQ(at("Edit6"), QRect(336, 4, 41, 21));
    // The chart grows as the table does, its spinner and line stay under it.
    EXPECT_EQ(at("Chart1"), QRect(8, 48, 785, 477));
    EXPECT_EQ(at("UpDown2"), QRect(8, 528, 25, 25));
    EXPECT_EQ(at("Edit7"), QRect(37, 530, 756, 21));
    EXPECT_EQ(at("SpeedButton1"), QRect(152, 25, 84, 23));
    EXPECT_EQ(at("BitBtn4"), QRect(240, 25, 137, 23));
    EXPECT_EQ(program.form2.Frame.Width, 811);
    EXPECT_EQ(program.form2.Frame.Height, 642);

    // Smaller than the minimum: the too small dimension snaps back, the other stays.
    dialog->resize(500, 700);
    EXPECT_EQ(dialog->size(), QSize(603, 700));
    // A window manager that ignores the minimum size still gets the window back.
    dialog->windowHandle()->resize(400, 300);
    QTest::qWait(20);
    EXPECT_EQ(dialog->size(), QSize(603, 408));
    EXPECT_EQ(program.form2.Frame.Width, 611);
    EXPECT_EQ(program.form2.Frame.Height, 442);
    EXPECT_EQ(at("StringGrid1"), QRect(8, 48, 585, 305));
    EXPECT_EQ(at("BitBtn1"), QRect(488, 376, 97, 25));
  });
}

TEST_F(AnalyseWindowTest, BeendenAndTheTitleBarCloseTheWindowEscapeDoesNot) {
  Enter("hallo", 2);
  const int result = Open([&](QDialog* dialog) {
    QTest::keyClick(dialog, Qt::Key_Escape);
    EXPECT_TRUE(dialog->isVisible());
    QTest::mouseClick(Find<QAbstractButton>(dialog, "BitBtn1"), Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
  });
  EXPECT_EQ(result, 1);
  // The main window gets the analysed text back, upper-cased.
  EXPECT_EQ(Find<QLineEdit>(&program.window1, "Edit3")->text(), QStringLiteral("HALLO"));

  const int closed = Open([&](QDialog* dialog) {
    dialog->close();
    EXPECT_FALSE(dialog->isVisible());
  });
  EXPECT_EQ(closed, 1);
}

TEST_F(AnalyseWindowTest, DiagrammPutsTheChartInTheTablesPlaceAndEveryShowingStartsWithTheTable) {
  Enter("EEEE", 0);
  Open([&](QDialog* dialog) {
    auto* diagramm = Find<GlyphButton>(dialog, "SpeedButton1");
    EXPECT_EQ(diagramm->text(), QStringLiteral("Diagramm"));
    EXPECT_FALSE(diagramm->GlyphRect().isNull());
    EXPECT_EQ(Find<QAbstractButton>(dialog, "BitBtn4")->text(),
              QString::fromUtf8("Verschiebung übernehmen"));
    EXPECT_TRUE(diagramm->isCheckable());
    EXPECT_FALSE(diagramm->isChecked());
    EXPECT_TRUE(TableShown(dialog));
    ExpectClearOfOthers(dialog, {"SpeedButton1", "BitBtn4"});

    QTest::mouseClick(diagramm, Qt::LeftButton);
    EXPECT_TRUE(diagramm->isChecked());
    EXPECT_TRUE(program.form2.SpeedButton1.Down);
    EXPECT_TRUE(ChartShown(dialog));
    ExpectClearOfOthers(dialog, {"SpeedButton1", "BitBtn4", "UpDown2", "Edit7"});
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return OnScreen(*dialog, {"Chart1", "UpDown2", "Edit7", "SpeedButton1"}); }));
    ExpectChartAt(dialog, 0, Line(0, "7281.60", 1, 26));

    // From the keyboard: Space lets the button out again, and presses it in.
    diagramm->setFocus(Qt::TabFocusReason);
    QTest::keyClick(diagramm, Qt::Key_Space);
    EXPECT_FALSE(diagramm->isChecked());
    EXPECT_TRUE(TableShown(dialog));
    QTest::keyClick(diagramm, Qt::Key_Space);
    EXPECT_TRUE(ChartShown(dialog));
    // The chart comes after the button in the tab order, with its spinner and line.
    EXPECT_EQ(TabWalk(4),
              (std::vector<QString>{QStringLiteral("SpeedButton1"), QStringLiteral("Chart1"),
                                    QStringLiteral("UpDown2"), QStringLiteral("Edit7"),
                                    QStringLiteral("BitBtn4")}));
    QTest::mouseClick(Find(dialog, "Chart1"), Qt::LeftButton);
    QTest::keyClick(Find(dialog, "Chart1"), Qt::Key_Right);
    ASSERT_EQ(Focused(), QStringLiteral("Chart1"));
    // Closed with the chart in the focus, as the close box leaves it.
    Find<QAbstractButton>(dialog, "BitBtn1")->click();
  });

  // Closed with the chart shown and slid: the next showing starts with the
  // table, and the chart at the recommended shift.
  Enter("BCC", 0);
  Open([&](QDialog* dialog) {
    EXPECT_FALSE(Find<QAbstractButton>(dialog, "SpeedButton1")->isChecked());
    EXPECT_TRUE(TableShown(dialog));
    // Every showing starts as the first, with "Beenden" focused, not the
    // hidden chart.
    EXPECT_EQ(Focused(), QStringLiteral("BitBtn1"));
    EXPECT_EQ(Text(dialog, "Edit2"), std::to_string(program.form2.Chart1.State.Shift));
    EXPECT_EQ(Find<UpDownWidget>(dialog, "UpDown2")->Position(), program.form2.Chart1.State.Shift);
    Click(dialog, "SpeedButton1");
    EXPECT_TRUE(ChartShown(dialog));
  });
}

TEST_F(AnalyseWindowTest, TheChartSlidesByMouseKeysAndSpinnerAndEverythingShowsTheShift) {
  Enter("EEEE", 0);  // recommended 0, then 17; 22; 12; 13
  Open([&](QDialog* dialog) {
    Click(dialog, "SpeedButton1");
    auto* chart = Find<FrequencyChartWidget>(dialog, "Chart1");
    ExpectChartAt(dialog, 0, Line(0, "7281.60", 1, 26));

    // A drag three columns to the right; the press gives the chart the focus.
    const int y = chart->PlotRect().center().y();
    const QPoint from(chart->ColumnCentre(2), y);
    const QPoint to(chart->ColumnCentre(5), y);
    QTest::mousePress(chart, Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, to, chart->mapToGlobal(to), Qt::LeftButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(chart, &move);
    QTest::mouseRelease(chart, Qt::LeftButton, {}, to);
    EXPECT_TRUE(chart->hasFocus());
    ExpectChartAt(dialog, 3, Text(dialog, "Edit7"));
    EXPECT_EQ(Text(dialog, "Edit7").substr(0, 17), W("Verschiebung 3 · "));

    // Keys: Left wraps from 0 to 25, Home goes to 0, and the window's
    // alternatives stand at their places with their sums.
    QTest::keyClick(chart, Qt::Key_Home);
    ExpectChartAt(dialog, 0, Line(0, "7281.60", 1, 26));
    QTest::keyClick(chart, Qt::Key_Left);
    EXPECT_EQ(program.form2.Chart1.State.Shift, 25);
    for (int i = 0; i < 8; ++i) QTest::keyClick(chart, Qt::Key_Left);
    ExpectChartAt(dialog, 17, Line(17, "8805.60", 2, 26));
    for (int i = 0; i < 5; ++i) QTest::keyClick(chart, Qt::Key_Right);
    ExpectChartAt(dialog, 22, Line(22, "9251.60", 3, 26));

    // The spinner, round the alphabet at either end.
    for (int i = 0; i < 3; ++i) ClickArrow(dialog, "UpDown2", true);
    ExpectChartAt(dialog, 25, Text(dialog, "Edit7"));
    ClickArrow(dialog, "UpDown2", true);
    ExpectChartAt(dialog, 0, Line(0, "7281.60", 1, 26));
    ClickArrow(dialog, "UpDown2", false);
    EXPECT_EQ(program.form2.Chart1.State.Shift, 25);
    for (int i = 0; i < 13; ++i) ClickArrow(dialog, "UpDown2", false);
    ExpectChartAt(dialog, 12, Line(12, "9307.60", 4, 26));
    // From the keyboard, too.
    Find(dialog, "UpDown2")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Find(dialog, "UpDown2"), Qt::Key_Up);
    ExpectChartAt(dialog, 13, Line(13, "9361.60", 5, 26));

    // The tolerance moves the band; the shift stays.
    Spin(dialog, true);
    EXPECT_EQ(program.form2.Chart1.Tolerance(), 4);
    ExpectChartAt(dialog, 13, Line(13, "9361.60", 5, 26));

    // Shift+F10 opens the chart's menu, as the menu key and the right button do.
    chart->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(MenuOpenedBy(chart, [&] { QTest::keyClick(chart, Qt::Key_F10, Qt::ShiftModifier); }),
              (QStringList{U("Diagramm kopieren"), QString(), U("Drucken …")}));
  });
}

// A slide the window cannot take now (while another of its handlers runs) is
// refused as a whole: the bars, the spinner and the line keep one shift.
TEST_F(AnalyseWindowTest, ASlideRefusedWhileTheWindowIsBusyMovesNothing) {
  Enter("EEEE", 0);
  Open([&](QDialog* dialog) {
    Click(dialog, "SpeedButton1");
    auto* chart = Find<FrequencyChartWidget>(dialog, "Chart1");
    chart->setFocus(Qt::TabFocusReason);
    program.Window2().Binder().Run([&] { QTest::keyClick(chart, Qt::Key_Right); });
    ExpectChartAt(dialog, 0, Line(0, "7281.60", 1, 26));
    QTest::keyClick(chart, Qt::Key_Right);
    ExpectChartAt(dialog, 1, Text(dialog, "Edit7"));
  });
}

// The README's example: the message enciphered with the 26 letters and the
// shift 7, the decryption shift moved on to 8 by the learner; the analyses
// find the key and hand it to the decryption.
class TakeShiftTest : public AnalyseWindowTest {
 protected:
  static constexpr const char* kMessage =
      "Treffen wir uns nach der Schule am alten Brunnen? Bring die Karte mit!";

  TakeShiftTest() {
    QWidget* main = &program.window1;
    auto* edit1 = Find<QLineEdit>(main, "Edit1");
    edit1->setFocus();
    QTest::keyClicks(edit1, QString::fromLatin1(kMessage));
    Click(main, "RadioGroup1Item0");
    for (int i = 0; i < 10; ++i) ClickArrow(main, "UpDown1", false);  // 17 down to 7
    Click(main, "BitBtn3");                                           // "alles verschlüsseln"
    ClickArrow(main, "UpDown2", true);                                // the learner's guess: 8
    Click(main, "BitBtn7");
    EXPECT_EQ(MainText("Edit6"), "8");
    EXPECT_EQ(MainText("Edit5"), "S");
  }

  std::string MainText(const char* name) const { return Text(&program.window1, name); }
  std::string DecryptionRow() const {
    const StringGrid& cells = Find<GridWidget>(&program.window1, "StringGrid2")->Model();
    std::string row;
    for (int c = 0; c < cells.ColCount(); ++c) row += cells.Cell(c, 1);
    return row;
  }
  // What the main window shows of a decryption shift just taken.
  void ExpectDecryptionShift(int shift) {
    EXPECT_EQ(MainText("Edit6"), std::to_string(shift));
    EXPECT_EQ(Find<UpDownWidget>(&program.window1, "UpDown2")->Position(), shift);
    const std::string letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    EXPECT_EQ(DecryptionRow(), letters.substr(shift) + letters.substr(0, shift));
    EXPECT_EQ(MainText("Edit5"), "") << "the decryption starts anew";
    EXPECT_TRUE(Find(&program.window1, "BitBtn7")->isEnabled());
  }
};

TEST_F(TakeShiftTest, VerschiebungUebernehmenSetsTheDecryptionToTheRecommendedOrTheChartsShift) {
  // Under the table: the recommended shift.
  Open([&](QDialog* dialog) {
    EXPECT_EQ(Text(dialog, "Edit2"), "7");
    Click(dialog, "BitBtn4");
    EXPECT_FALSE(dialog->isVisible());
  });
  EXPECT_EQ(program.Window2().result(), kModalResultOk);
  EXPECT_EQ(program.form2.TakenShift(), 7);
  ExpectDecryptionShift(7);
  Click(&program.window1, "BitBtn7");  // "ein Zeichen entschlüsseln"
  EXPECT_EQ(MainText("Edit5"), "T");
  EXPECT_TRUE(QTest::qWaitFor(
      [&] { return OnScreen(program.window1, {"Edit6", "UpDown2", "StringGrid2", "Edit5"}); }));

  // With the chart: the shift the learner slid it to, taken from the keyboard.
  Open([&](QDialog* dialog) {
    Click(dialog, "SpeedButton1");
    QTest::mouseClick(Find(dialog, "Chart1"), Qt::LeftButton);
    QTest::keyClick(Find(dialog, "Chart1"), Qt::Key_Right);
    QTest::keyClick(Find(dialog, "Chart1"), Qt::Key_Right);
    ASSERT_TRUE(TabTo("BitBtn4"));
    QTest::keyClick(Find(dialog, "BitBtn4"), Qt::Key_Space);
    EXPECT_FALSE(dialog->isVisible());
  });
  ExpectDecryptionShift(9);
  Click(&program.window1, "BitBtn7");
  EXPECT_EQ(MainText("Edit5"), "R") << "two places past the key, two letters before T";
}

TEST_F(TakeShiftTest, BeendenAndTheCloseBoxChangeNothingInTheMainWindow) {
  const std::string row = DecryptionRow();
  Open([&](QDialog* dialog) {
    Click(dialog, "SpeedButton1");
    QTest::keyClick(Find(dialog, "Chart1"), Qt::Key_Left);
    Click(dialog, "BitBtn1");
  });
  Open([&](QDialog* dialog) { dialog->close(); });
  EXPECT_EQ(MainText("Edit6"), "8");
  EXPECT_EQ(Find<UpDownWidget>(&program.window1, "UpDown2")->Position(), 8);
  EXPECT_EQ(DecryptionRow(), row);
  EXPECT_EQ(MainText("Edit5"), "S");
}

}  // namespace
