// The real brute-force dialog, opened as the learner opens it: ciphertext typed
// into the main window, "brachiale Kryptoanalyse (Brute Force)" clicked. While
// the dialog's modal loop runs, a timer inspects it, clicks inside it and
// closes it again.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "app/Program.h"
#include "tests/support/WindowTest.h"
#include "toolkit/model/Win1252.h"
#include "toolkit/view/grid/GridWidget.h"
#include "toolkit/view/widgets/Glyphs.h"

namespace {

QString U(const char* utf8) {
  return QString::fromUtf8(utf8);
}

class BruteForceDialog : public testing::Test {
 protected:
  void SetUp() override {
    program.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&program.window1));
  }

  // Types the ciphertext into the main window, picks an alphabet option and
  // clicks the brute-force button; `inside` runs while the dialog is open and
  // is expected to close it.
  void Open(const char* ciphertext, int alphabetItem, const std::function<void()>& inside) {
    auto* edit3 = ::Find<QLineEdit>(&program.window1, "Edit3");
    edit3->selectAll();
    QTest::keyClicks(edit3, U(ciphertext));
    MainButton(QStringLiteral("RadioGroup1Item%1").arg(alphabetItem))->click();
    InsideModal(
        dialog(), [&] { ::Click(&program.window1, "BitBtn12"); },
        [&] {
          inside();
          EXPECT_FALSE(dialog().isVisible()) << "the dialog is still open";
        });
  }

  BruteForceWindow& dialog() { return program.Window3(); }
  GridWidget& grid() { return *Find<GridWidget>("StringGrid1"); }
  // The cells the results grid shows.
  const StringGrid& cells() { return grid().Model(); }
  QAbstractButton* MainButton(const QString& name) {
    return program.window1.findChild<QAbstractButton*>(name);
  }
  template <typename T>
  T* Find(const char* name) {
    return ::Find<T>(&dialog(), name);
  }
  void Click(const char* name) { ::Click(&dialog(), name); }

  std::vector<std::string> ShiftColumn(int rows) {
    std::vector<std::string> shifts;
    for (int r = 1; r <= rows; ++r) shifts.push_back(cells().Cell(0, r));
    return shifts;
  }
  static std::vector<std::string> Shifts(std::initializer_list<int> first, int n) {
    std::vector<std::string> order;
    for (int s : first) order.push_back(std::to_string(s));
    for (int s = 0; s < n; ++s)
      if (std::find(first.begin(), first.end(), s) == first.end())
        order.push_back(std::to_string(s));
    return order;
  }

  Program program;
};

TEST_F(BruteForceDialog, EveryControlStandsAtItsPlaceWithItsTextAndHint) {
  const Placement places[] = {
      {"BitBtn3", {24, 8, 41, 25}},    {"BitBtn2", {88, 8, 41, 25}},
      {"Label1", {264, 8, 243, 13}},   {"Edit1", {512, 4, 41, 21}},
      {"Label2", {560, 8, 39, 13}},    {"StringGrid1", {8, 32, 593, 329}},
      {"Label3", {8, 368, 88, 13}},    {"RichEdit1", {104, 368, 385, 41}},
      {"BitBtn1", {504, 384, 89, 25}},
      {"BitBtn4", {130, 8, 128, 24}},  // beyond the table, in the free room of the top row
  };
  Open("ghu ohkuhu", 0, [&] {
    EXPECT_EQ(dialog().objectName(), QStringLiteral("Form3"));
    EXPECT_EQ(dialog().windowTitle(), QStringLiteral("Brachiale Kryptoanalyse (Brute Force)"));
    EXPECT_TRUE(dialog().isModal());
    EXPECT_EQ(dialog().size(), QSize(611, 415));
    ExpectPlacements(&dialog(), places);
    EXPECT_LT(Find<QWidget>("Label1")->geometry().right(), Find<QWidget>("Edit1")->x());
    EXPECT_LT(Find<QWidget>("Label3")->geometry().right(), Find<QWidget>("RichEdit1")->x());

    EXPECT_EQ(Find<QLabel>("Label1")->text(),
              U("Analyse beruht auf dem eingestellten Alphabet  mit: "));
    EXPECT_EQ(Find<QLabel>("Label2")->text(), U("Zeichen"));
    EXPECT_EQ(Find<QLabel>("Label3")->text(), U("benutzte Wortliste:"));
    EXPECT_EQ(Find<QLineEdit>("Edit1")->text(), U("26"));
    EXPECT_TRUE(Find<QLineEdit>("Edit1")->isReadOnly());
    EXPECT_EQ(Find<QAbstractButton>("BitBtn1")->text(), U("Beenden"));
    EXPECT_EQ(Find<QAbstractButton>("BitBtn2")->text(), QString());
    EXPECT_EQ(Find<QAbstractButton>("BitBtn3")->text(), QString());
    EXPECT_EQ(Find<QWidget>("BitBtn2")->toolTip(),
              U("absteigend nach Anzahl der deutschen Wörter und Wortgruppen sortieren"));
    EXPECT_EQ(Find<QWidget>("BitBtn3")->toolTip(), QString());
    EXPECT_EQ(Find<QAbstractButton>("BitBtn4")->text(), U("Verschiebung übernehmen"));
    ExpectClearOfOthers(&dialog(), {"BitBtn4"});

    // Centred on the main window.
    const QPoint offset =
        dialog().frameGeometry().center() - program.window1.frameGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 2) << offset.x() << "," << offset.y();

    // Tab walks the controls from the grid, which has the focus first.
    EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog()));
    EXPECT_EQ(TabWalk(7),
              (std::vector<QString>{U("StringGrid1"), U("BitBtn1"), U("BitBtn2"), U("Edit1"),
                                    U("BitBtn3"), U("RichEdit1"), U("BitBtn4"), U("StringGrid1")}));
    Click("BitBtn1");
  });
}

TEST_F(BruteForceDialog,
       GrowingMovesAndStretchesTheAnchoredControlsAndItNeverShrinksBelowItsMinimum) {
  Open("ghu ohkuhu", 0, [&] {
    EXPECT_EQ(dialog().minimumSize(), QSize(611, 415));
    dialog().resize(811, 515);  // 200 wider, 100 higher
    EXPECT_EQ(Find<QWidget>("BitBtn3")->geometry(), QRect(24, 8, 41, 25));
    EXPECT_EQ(Find<QWidget>("BitBtn2")->geometry(), QRect(88, 8, 41, 25));
    EXPECT_EQ(Find<QWidget>("Label1")->pos(), QPoint(464, 8));
    EXPECT_EQ(Find<QWidget>("Edit1")->geometry(), QRect(712, 4, 41, 21));
    EXPECT_EQ(Find<QWidget>("Label2")->geometry(), QRect(760, 8, 39, 13));
    EXPECT_EQ(Find<QWidget>("StringGrid1")->geometry(), QRect(8, 32, 793, 429));
    EXPECT_EQ(Find<QWidget>("Label3")->pos(), QPoint(8, 468));
    EXPECT_EQ(Find<QWidget>("RichEdit1")->geometry(), QRect(104, 468, 585, 41));
    EXPECT_EQ(Find<QWidget>("BitBtn1")->geometry(), QRect(704, 484, 89, 25));
    EXPECT_EQ(program.form3.Frame.Width, 819);  // the outer size, frame included
    EXPECT_EQ(program.form3.Frame.Height, 549);

    dialog().resize(500, 300);
    EXPECT_EQ(dialog().size(), QSize(611, 415));
    EXPECT_EQ(program.form3.Frame.Width, 619);
    EXPECT_EQ(program.form3.Frame.Height, 449);
    EXPECT_EQ(Find<QWidget>("StringGrid1")->geometry(), QRect(8, 32, 593, 329));
    EXPECT_EQ(Find<QWidget>("BitBtn1")->geometry(), QRect(504, 384, 89, 25));
    Click("BitBtn1");
  });
}

TEST_F(BruteForceDialog, TheGridListsEveryShiftUnderItsHeaderAndSortsByScore) {
  Open("ghu ohkuhu", 0, [&] {
    GridWidget& g = grid();
    EXPECT_EQ(cells().ColCount(), 5);
    EXPECT_EQ(cells().RowCount(), 61);
    EXPECT_EQ(cells().Cell(0, 0), "Verschiebung");
    EXPECT_EQ(cells().Cell(1, 0), W("dt. Wörter"));
    EXPECT_EQ(cells().Cell(2, 0), "passender Klar-Text");
    EXPECT_EQ(cells().Cell(3, 0), "");
    std::vector<int> widths;
    for (int c = 0; c < 5; ++c) widths.push_back(g.ColWidth(c));
    EXPECT_EQ(widths, (std::vector<int>{75, 55, 400, 90, 64}));
    EXPECT_EQ(g.RowHeight(), 18);
    EXPECT_TRUE(g.horizontalScrollBar()->isVisible());
    EXPECT_TRUE(g.verticalScrollBar()->isVisible());

    EXPECT_EQ(ShiftColumn(26), Shifts({}, 26));
    EXPECT_EQ(cells().Cell(2, 1), "GHU OHKUHU");
    EXPECT_EQ(cells().Cell(1, 4), "4");
    EXPECT_EQ(cells().Cell(2, 4), "DER LEHRER");
    EXPECT_EQ(cells().Cell(0, 27), "");

    Click("BitBtn2");
    EXPECT_EQ(ShiftColumn(26), Shifts({3, 6, 16, 19}, 26));
    EXPECT_EQ(cells().Cell(2, 1), "DER LEHRER");
    EXPECT_EQ(cells().Cell(1, 1), "4");
    EXPECT_EQ(cells().Cell(2, 2), "ABO IBEOBO");
    EXPECT_EQ(cells().Cell(2, 3), "QRE YRUERE");
    EXPECT_EQ(cells().Cell(2, 4), "NOB VORBOB");
    EXPECT_EQ(cells().Cell(1, 5), "0");
    Click("BitBtn1");
  });
}

TEST_F(BruteForceDialog, TheLearnerSelectsRangesAndSizesColumnsButTypesNothing) {
  Open("ghu ohkuhu", 0, [&] {
    GridWidget& g = grid();
    QWidget* viewport = g.viewport();
    const QPoint first = g.CellRect(1, 2).center();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, first);
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::ShiftModifier, g.CellRect(2, 4).center());
    EXPECT_EQ(cells().Selection(), (GridRect{1, 2, 2, 4}));
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, g.CellRect(2, 4).center());
    QTest::keyClick(&g, Qt::Key_F2);
    QTest::keyClicks(&g, QStringLiteral("X"));
    EXPECT_EQ(g.Editor(), nullptr);
    EXPECT_EQ(cells().Cell(2, 4), "DER LEHRER");

    // Dragging the border after "Verschiebung" in the header widens the column;
    // sorting keeps the learner's width.
    const QRect header = g.CellRect(0, 0);
    const QPoint border(header.right() + 1, header.center().y());
    QTest::mousePress(viewport, Qt::LeftButton, {}, border);
    QMouseEvent move(QEvent::MouseMove, border + QPoint(30, 0),
                     viewport->mapToGlobal(border + QPoint(30, 0)), Qt::LeftButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, border + QPoint(30, 0));
    EXPECT_EQ(g.ColWidth(0), 105);
    EXPECT_EQ(cells().ColWidth(0), 105) << "the drag is written back";
    Click("BitBtn2");
    EXPECT_EQ(g.ColWidth(0), 105);
    Click("BitBtn1");
  });
}

// The sort buttons show the black triangle while enabled and the grey one while
// not, and keep their states when the window closes and opens again, although
// every showing lists the rows in shift order.
TEST_F(BruteForceDialog, SortButtonsKeepTheirStatesAcrossACloseAndAReopen) {
  auto blackPixels = [](QAbstractButton* button) {
    const QImage image = button->grab().toImage();
    int black = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (image.pixel(x, y) == qRgb(0, 0, 0)) ++black;
    return black;
  };
  const QImage triangle = GlyphIcon(Glyph::SortDown).pixmap(QSize(16, 16)).toImage();
  Open("ghu ohkuhu", 0, [&] {
    for (const char* name : {"BitBtn2", "BitBtn3"}) {
      auto* button = Find<QAbstractButton>(name);
      EXPECT_TRUE(button->isEnabled()) << name;
      EXPECT_EQ(button->icon().pixmap(QSize(16, 16)).toImage(), triangle) << name;
      EXPECT_GT(blackPixels(button), 10) << name;
    }
    Click("BitBtn2");
    EXPECT_FALSE(Find<QAbstractButton>("BitBtn2")->isEnabled());
    EXPECT_TRUE(Find<QAbstractButton>("BitBtn3")->isEnabled());
    EXPECT_EQ(blackPixels(Find<QAbstractButton>("BitBtn2")), 0) << "the disabled triangle is grey";
    Click("BitBtn1");  // "Beenden"
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_EQ(dialog().result(), 1);
  });
  Open("ghu ohkuhu", 0, [&] {
    EXPECT_EQ(ShiftColumn(26), Shifts({}, 26));
    EXPECT_FALSE(Find<QAbstractButton>("BitBtn2")->isEnabled());
    EXPECT_TRUE(Find<QAbstractButton>("BitBtn3")->isEnabled());
    Click("BitBtn2");  // disabled: nothing happens
    EXPECT_EQ(ShiftColumn(26), Shifts({}, 26));
    Click("BitBtn3");
    EXPECT_TRUE(Find<QAbstractButton>("BitBtn2")->isEnabled());
    EXPECT_FALSE(Find<QAbstractButton>("BitBtn3")->isEnabled());
    EXPECT_EQ(ShiftColumn(26), Shifts({}, 26));
    Click("BitBtn1");
  });
}

TEST_F(BruteForceDialog, RowsBeyondASmallerAlphabetAreBlankAfterALargerOne) {
  Open("ghu ohkuhu", 3, [&] {
    EXPECT_EQ(Find<QLineEdit>("Edit1")->text(), U("60"));
    EXPECT_EQ(ShiftColumn(60), Shifts({}, 60));
    Click("BitBtn1");
  });
  Open("ghu ohkuhu", 0, [&] {
    EXPECT_EQ(Find<QLineEdit>("Edit1")->text(), U("26"));
    for (int r = 27; r <= 60; ++r)
      for (int c = 0; c <= 3; ++c) EXPECT_EQ(cells().Cell(c, r), "") << c << "," << r;
    Click("BitBtn1");
  });
}

TEST_F(BruteForceDialog, TheWordListIsOneWrappedLineOnTheButtonFace) {
  auto* box = Find<QTextEdit>("RichEdit1");
  // Filled when the program created the window, before any showing.
  EXPECT_EQ(
      box->toPlainText(),
      U("DER, DIE, UND, IN, DES, DEN, ZU, DAS, VON, FUER, FÜR, AUF, MIT, SICH, DASS, DEM, SIE, "
        "IST, IM, EIN, ER, ICH, NUN, ASS, WIE, AUF, SEI, AB, BIN, DES, VOR, UNS, GEHEIM, "
        "KRYPTO, CÄSAR, CAESAR, ANALYSE, SCHULE, LEHRER, DU"));
  Open("ghu ohkuhu", 0, [&] {
    EXPECT_TRUE(box->isReadOnly());
    EXPECT_EQ(box->document()->blockCount(), 1);
    EXPECT_GT(box->document()->firstBlock().layout()->lineCount(), 2);
    EXPECT_EQ(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_TRUE(box->verticalScrollBar()->isVisible());
    EXPECT_EQ(box->palette().color(QPalette::Base), dialog().palette().color(QPalette::Button));
    Click("BitBtn1");
  });
}

// The close box ends the showing like "Beenden"; Escape does not. The main
// window gets its ciphertext back, upper-cased, and goes on.
TEST_F(BruteForceDialog, TheCloseBoxCountsAsBeendenAndEscapeClosesNothing) {
  Open("ghu ohkuhu", 0, [&] {
    QTest::keyClick(&grid(), Qt::Key_Escape);
    EXPECT_TRUE(dialog().isVisible());
    dialog().close();
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_EQ(dialog().result(), 1);
  });
  EXPECT_EQ(program.window1.findChild<QLineEdit*>(QStringLiteral("Edit3"))->text(),
            U("GHU OHKUHU"));
  EXPECT_TRUE(MainButton(QStringLiteral("BitBtn12"))->isEnabled());
}

// "Verschiebung übernehmen" takes the shift of the row the learner clicked,
// or of the top row, to the main window's decryption, which then reads that
// row's text; "Beenden" takes nothing.
TEST_F(BruteForceDialog, VerschiebungUebernehmenTakesTheLearnersRowToTheDecryption) {
  auto mainText = [&](const char* name) { return TextOf(&program.window1, name); };
  struct Case {
    const char* name;
    int clickRow;  // 0: no row clicked
    const char* shift;
    const char* plaintext;
  };
  const Case cases[] = {
      {"the top row after sorting by score", 0, "3", "DER LEHRER"},
      {"the row clicked", 3, "16", "QRE YRUERE"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Open("ghu ohkuhu", 0, [&] {
      // By "dt. Wörter"; a new showing keeps that button disabled once used.
      if (!Find<QWidget>("BitBtn2")->isEnabled()) Click("BitBtn3");
      Click("BitBtn2");
      if (c.clickRow > 0)
        QTest::mouseClick(grid().viewport(), Qt::LeftButton, {},
                          grid().CellRect(2, c.clickRow).center());
      Click("BitBtn4");
    });
    EXPECT_EQ(dialog().result(), kModalResultOk);
    EXPECT_EQ(program.form3.TakenShift(), std::stoi(c.shift));
    EXPECT_EQ(mainText("Edit6"), U(c.shift));
    EXPECT_EQ(mainText("Edit5"), QString()) << "the decryption starts anew";
    ::Click(&program.window1, "BitBtn9");  // "sofort alle Zeichen entschlüsseln"
    EXPECT_EQ(mainText("Edit5"), U(c.plaintext));
  }

  // "Beenden" after a row was picked changes nothing, and the next showing
  // starts as the first: no row is the learner's choice, the table (the first
  // tab stop) has the focus, and "Verschiebung übernehmen" takes the top row
  // (in shift order again: shift 0).
  Open("ghu ohkuhu", 0, [&] {
    QTest::keyClick(&grid(), Qt::Key_Down);  // from row 3 to row 4
    Click("BitBtn1");
  });
  EXPECT_EQ(mainText("Edit6"), U("16"));
  EXPECT_EQ(mainText("Edit5"), U("QRE YRUERE"));
  Open("ghu ohkuhu", 0, [&] {
    EXPECT_EQ(cells().Current().Row, 0);
    EXPECT_EQ(dialog().focusWidget()->objectName(), QStringLiteral("StringGrid1"));
    EXPECT_EQ(cells().Cell(0, 1), "0");
    ASSERT_TRUE(TabTo("BitBtn4"));
    QTest::keyClick(Find<QWidget>("BitBtn4"), Qt::Key_Space);
  });
  EXPECT_EQ(mainText("Edit6"), U("0"));
  ::Click(&program.window1, "BitBtn9");
  EXPECT_EQ(mainText("Edit5"), U("GHU OHKUHU"));
}

}  // namespace
