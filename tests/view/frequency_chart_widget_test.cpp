// The frequency chart as a learner meets it: the German profile slid by
// dragging, by the keys and by an assistive tool, wrapping around the
// alphabet; the picture following the slide; the screen reader told; the
// characters legible at the smallest size; the picture copied.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <string>
#include <vector>

#include "KAnalyse1/model/FrequencyAnalysis.h"
#include "KAnalyse1/model/FrequencyChart.h"
#include "KAnalyse1/view/FrequencyChartWidget.h"
#include "ciphercore/Upcase.h"
#include "tests/support/Encipher.h"
#include "toolkit/model/Win1252.h"
#include "toolkit/view/widgets/Fonts.h"
#include "toolkit/view/text/QtText.h"

namespace {

// (What the chart tells a listening screen reader as it slides cannot be
// heard here: the offscreen platform has no accessibility bridge, so Qt sends
// no events. The description it would announce is checked.)

// The README's example: the message enciphered with the 26 letters and the
// shift 7. The ranking recommends 7, where the German E stands on L.
constexpr const char* kMessage =
    "Treffen wir uns nach der Schule am alten Brunnen? Bring die Karte mit!";
constexpr int kKey = 7;

// The chart in the grid's place of the smallest analysis window.
constexpr int kWidth = 585;
constexpr int kHeight = 305;

const QColor kProfileLine(0xD5, 0x5E, 0x00);

class ChartWidget : public testing::Test {
 protected:
  ChartWidget() { Analyse(26); }

  void Analyse(int alphabetSize, const char* text = kMessage) {
    core.MasterAlphabet = std::string(MasterAlphabetCharacters());
    core.AlphabetSize = alphabetSize;
    core.AnalysisText = Encipher(UpcaseText(W(text)), alphabetSize, kKey);
    analysis.Tolerance = 3;
    InitAnalyseTable(analysis, core);
    CountCharacters(analysis, core);
    MatchTolerance(analysis, core);
    chart.Rebuild(analysis, core, RankShifts(analysis, core, '.'));
  }

  // The widget, shown at the given size, in the window font.
  FrequencyChartWidget& Show(int width = kWidth, int height = kHeight) {
    widget = std::make_unique<FrequencyChartWidget>(chart, ',');
    widget->setObjectName(QStringLiteral("Chart"));
    widget->setFont(DefaultWindowFont());
    widget->resize(width, height);
    widget->show();
    widget->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(widget.get()));
    widget->clearFocus();
    // The test stands in for the window, whose handler slides the chart.
    announced.clear();
    QObject::connect(widget.get(), &FrequencyChartWidget::SlideWanted, widget.get(),
                     [this](int shift) {
                       if (chart.State.SlideTo(shift)) announced.push_back(chart.State.Shift);
                       widget->Sync();
                     });
    return *widget;
  }

  // The shifts the learner's moves announced, in order.
  std::vector<int> Announced() const { return announced; }

  // Drags from the centre of column `from` to x, then lets go there.
  void Drag(int from, int x) {
    const QPoint start(widget->ColumnCentre(from), widget->PlotRect().center().y());
    const QPoint end(x, start.y());
    QTest::mousePress(widget.get(), Qt::LeftButton, {}, start);
    QMouseEvent move(QEvent::MouseMove, end, widget->mapToGlobal(end), Qt::LeftButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget.get(), &move);
    QTest::mouseRelease(widget.get(), Qt::LeftButton, {}, end);
  }

  // The column whose profile bar reaches highest on screen: where the German
  // E stands. Read from the screen, below the legend, once the widget has
  // repainted what it marked as changed: a slide repaints only part of it,
  // and a part left out would still show the old profile there.
  int ColumnOfTheGermanE() const {
    QCoreApplication::processEvents();
    const QImage image = widget->screen()->grabWindow(widget->winId()).toImage();
    const qreal dpr = image.devicePixelRatio();
    int best = -1;
    int bestY = image.height();
    for (int c = 0; c < chart.Size(); ++c) {
      const int x = static_cast<int>(widget->ColumnCentre(c) * dpr);
      for (int y = static_cast<int>(widget->PlotRect().top() * dpr); y < bestY; ++y)
        if (image.pixelColor(x, y) == kProfileLine) {
          best = c;
          bestY = y;
          break;
        }
    }
    return best;
  }

  CipherCore core;
  FrequencyAnalysis analysis;
  FrequencyChart chart;
  std::unique_ptr<FrequencyChartWidget> widget;
  std::vector<int> announced;
};

constexpr int kL = 11;  // columns of a few letters
constexpr int kM = 12;

TEST_F(ChartWidget, KeysSlideAndWrapOnceAClickHasGivenTheFocus) {
  FrequencyChartWidget& w = Show();
  ASSERT_EQ(chart.State.Shift, kKey) << "the chart opens at the recommended shift";
  // The focus shows as a dotted frame just inside the border.
  auto framed = [&w] {
    const QImage image = w.grab().toImage();
    const QPoint corner = (w.contentsRect().topLeft() + QPoint(1, 1)) * image.devicePixelRatio();
    return image.pixelColor(corner) == w.palette().color(QPalette::WindowText);
  };
  EXPECT_FALSE(w.hasFocus());
  EXPECT_FALSE(framed());
  QTest::mouseClick(&w, Qt::LeftButton, {}, w.PlotRect().center());
  EXPECT_TRUE(w.hasFocus()) << "a click gives the chart the focus for the keys";
  EXPECT_TRUE(framed());
  EXPECT_EQ(chart.State.Shift, kKey) << "a click without a drag slides nothing";

  struct Step {
    Qt::Key key;
    int shift;
  };
  const Step steps[] = {{Qt::Key_Right, 8}, {Qt::Key_Left, 7},  {Qt::Key_Left, 6},
                        {Qt::Key_Home, 0},  {Qt::Key_Left, 25}, {Qt::Key_Right, 0},
                        {Qt::Key_Home, 0}};
  std::vector<int> expected;
  for (const Step& step : steps) {
    QTest::keyClick(&w, step.key);
    EXPECT_EQ(chart.State.Shift, step.shift);
    if (expected.empty() ? step.shift != kKey : expected.back() != step.shift)
      expected.push_back(step.shift);
  }
  EXPECT_EQ(Announced(), expected) << "every change announced once, Home at 0 not at all";

  // Up and Down are not the chart's.
  QTest::keyClick(&w, Qt::Key_Up);
  EXPECT_EQ(chart.State.Shift, 0);
}

TEST_F(ChartWidget, DraggingSnapsToWholeColumnsAndWraps) {
  FrequencyChartWidget& w = Show();
  const double column = w.ColumnCentre(1) - w.ColumnCentre(0);

  Drag(kL, w.ColumnCentre(kL + 3));
  EXPECT_EQ(chart.State.Shift, kKey + 3);
  EXPECT_TRUE(w.hasFocus());

  // Less than half a column is no step; more than half is one.
  Drag(kL, static_cast<int>(w.ColumnCentre(kL) + 0.4 * column));
  EXPECT_EQ(chart.State.Shift, kKey + 3);
  Drag(kL, static_cast<int>(w.ColumnCentre(kL) - 0.6 * column));
  EXPECT_EQ(chart.State.Shift, kKey + 2);

  // Eleven columns to the left of shift 9 is shift 24 of 26.
  Drag(kL, w.ColumnCentre(0));
  EXPECT_EQ(chart.State.Shift, 24);
  EXPECT_EQ(Announced(), (std::vector<int>{10, 9, 24}));
}

TEST_F(ChartWidget, ThePaintedProfileFollowsTheSlide) {
  FrequencyChartWidget& w = Show();
  EXPECT_EQ(ColumnOfTheGermanE(), kL);
  QTest::mouseClick(&w, Qt::LeftButton, {}, w.PlotRect().center());
  QTest::keyClick(&w, Qt::Key_Right);
  EXPECT_EQ(ColumnOfTheGermanE(), kM);

  // Slid from outside (the window's spinner), the chart repaints on Sync().
  chart.State.SlideTo(0);
  w.Sync();
  EXPECT_EQ(ColumnOfTheGermanE(), 4) << "E on E";
  EXPECT_EQ(Announced(), std::vector<int>{kKey + 1})
      << "only the learner's own moves are announced";
}

TEST_F(ChartWidget, AScreenReaderHearsTheShiftSumAndPlace) {
  FrequencyChartWidget& w = Show();
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&w);
  ASSERT_NE(iface, nullptr);
  EXPECT_EQ(iface->role(), QAccessible::Slider);  // a screen reader says a slider's value as it moves
  EXPECT_EQ(iface->text(QAccessible::Name), U("Häufigkeitsdiagramm"));
  EXPECT_EQ(iface->text(QAccessible::Description),
            U("Verschiebung 7 · Summe der Fehler-Quadrate 87,42 · Platz 1 von 26"));

  QTest::mouseClick(&w, Qt::LeftButton, {}, w.PlotRect().center());
  QTest::keyClick(&w, Qt::Key_Right);
  EXPECT_EQ(iface->text(QAccessible::Description), ToQString(chart.ShiftLine(',')));
  EXPECT_TRUE(iface->text(QAccessible::Description).startsWith(QStringLiteral("Verschiebung 8 ")));

  // An assistive tool reads and sets the shift like a slider's value.
  QAccessibleValueInterface* value = iface->valueInterface();
  ASSERT_NE(value, nullptr);
  EXPECT_EQ(value->currentValue().toInt(), 8);
  EXPECT_EQ(value->minimumValue().toInt(), 0);
  EXPECT_EQ(value->maximumValue().toInt(), 25);
  value->setCurrentValue(7);
  EXPECT_EQ(chart.State.Shift, 7);
  EXPECT_EQ(iface->text(QAccessible::Description),
            U("Verschiebung 7 · Summe der Fehler-Quadrate 87,42 · Platz 1 von 26"));
  EXPECT_EQ(Announced(), (std::vector<int>{8, 7}));
}

TEST_F(ChartWidget, DiagrammKopierenPutsThePictureOnTheClipboard) {
  FrequencyChartWidget& w = Show();

  // Ctrl+C while the chart has the focus. (First: on the offscreen platform
  // a closed menu leaves the window without keys.)
  QApplication::clipboard()->clear();
  w.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  w.setFocus();
  QTest::keyClick(&w, Qt::Key_C, Qt::ControlModifier);
  EXPECT_FALSE(QApplication::clipboard()->image().isNull());
  QApplication::clipboard()->clear();

  // The context menu offers it.
  QString offered;
  QTimer::singleShot(0, [&] {
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
      for (QAction* action : menu->actions()) offered += action->text() + QLatin1Char('|');
      menu->close();
    }
  });
  QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, w.PlotRect().center(),
                              w.mapToGlobal(w.PlotRect().center()));
  QApplication::sendEvent(&w, &menuEvent);
  EXPECT_EQ(offered, U("Diagramm kopieren|"));

  QAction* copy = w.findChild<QAction*>(QStringLiteral("CopyChart"));
  ASSERT_NE(copy, nullptr);
  copy->trigger();
  const QImage copied = QApplication::clipboard()->image();
  EXPECT_EQ(copied.size(), w.size() * w.devicePixelRatioF());
  EXPECT_EQ(copied.pixelColor(copied.width() / 2, copied.height() / 2).alpha(), 255);
}

// Every character stays legible: no two labels of a row overlap, with the
// 60 characters at the smallest size too, where they alternate between two
// rows, and the rest stands right of the last character.
TEST_F(ChartWidget, CharactersStayApartAtEverySize) {
  struct Case {
    int alphabet;
    int width;
    int height;
  };
  const Case cases[] = {{60, kWidth, kHeight},
                        {60, 1400, 700},
                        {37, kWidth, kHeight},
                        {26, kWidth, kHeight},
                        {60, 800, kHeight}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.alphabet) + " characters at " + std::to_string(c.width) + " x " +
                 std::to_string(c.height));
    Analyse(c.alphabet);
    FrequencyChartWidget& w = Show(c.width, c.height);
    const QFontMetrics fm(w.font());
    const int rows = w.LabelRows();
    if (c.alphabet == 60 && c.width == kWidth) {
      EXPECT_EQ(rows, 2);
    }
    if (c.alphabet == 26) {
      EXPECT_EQ(rows, 1);
    }
    for (int col = rows; col < chart.Size(); ++col) {
      const double gap = w.ColumnCentre(col) - w.ColumnCentre(col - rows);
      const double needed = (fm.horizontalAdvance(ToQString(chart.Character(col))) +
                             fm.horizontalAdvance(ToQString(chart.Character(col - rows)))) /
                            2.0;
      EXPECT_GT(gap, needed) << chart.Character(col - rows) << " and " << chart.Character(col);
    }
    EXPECT_GT(w.ColumnCentre(chart.Size()) - fm.horizontalAdvance(QStringLiteral("???")) / 2,
              w.PlotRect().right());
    EXPECT_LE(w.ColumnCentre(chart.Size()) + fm.horizontalAdvance(QStringLiteral("???")) / 2,
              w.contentsRect().right());
  }
}

}  // namespace
