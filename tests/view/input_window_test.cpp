// What the fields and tables of the main window take from a paste or a key,
// what a learner sees while a question waits, and how a learner stops a run:
// the real widgets, the real clipboard and the real message boxes.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QBackingStore>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>

#include "app/Program.h"
#include "tests/support/Typing.h"
#include "toolkit/model/Win1252.h"
#include "toolkit/view/FormBinder.h"
#include "toolkit/view/GridWidget.h"

namespace {

class InputTest : public testing::Test {
 protected:
  void SetUp() override {
    program.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&program.window1));
  }

  template <typename T = QWidget>
  T* Find(const char* name) {
    T* widget = program.window1.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  void Click(const char* name) { QTest::mouseClick(Find<QAbstractButton>(name), Qt::LeftButton); }
  bool Busy() { return program.window1.Binder().Busy(); }

  // Pastes text with Ctrl+V into a widget that has the focus and returns the
  // message boxes it brought up, each answered with its first button.
  QStringList Paste(QWidget* widget, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    return BoxesDuring([&] { QTest::keyClick(widget, Qt::Key_V, Qt::ControlModifier); });
  }

  // Runs act and lists "title: text" of every message box that comes up while
  // it runs or right after; look runs while each box is open.
  QStringList BoxesDuring(const std::function<void()>& act,
                          const std::function<void(QMessageBox*)>& look = nullptr) {
    QStringList seen;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box || !box->isVisible()) return;
      seen << box->windowTitle() + QStringLiteral(": ") + box->text();
      if (look) look(box);
      box->buttons().constLast()->click();  // "OK", or "&Nein" in a question
    });
    watch.start(5);
    act();
    QTest::qWait(30);
    return seen;
  }

  // Whether the screen shows the widget as it would be drawn now: its part of
  // the window's backing store equals a fresh picture of it.
  bool OnScreen(const char* name) {
    QWidget& window = program.window1;
    QPaintDevice* store = window.backingStore() ? window.backingStore()->paintDevice() : nullptr;
    if (!store || store->devType() != QInternal::Image) return false;
    const QImage screen = static_cast<const QImage*>(store)->convertToFormat(QImage::Format_RGB32);
    const QImage drawn = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const qreal ratio = drawn.devicePixelRatio();
    const QWidget* part = Find(name);
    const QRect rect(part->mapTo(&window, QPoint(0, 0)) * ratio, part->size() * ratio);
    return screen.size() == drawn.size() && screen.copy(rect) == drawn.copy(rect);
  }

  Program program;
};

QString Utf8(const char* text) { return QString::fromUtf8(text); }

TEST_F(InputTest, PastedTextIsMendedIntoOneLineOfWindows1252) {
  struct Case {
    const char* name;
    const char* pasted;
    const char* shown;
    const char* box;  // a part of the warning's text, or nullptr for none
  };
  const Case cases[] = {
      {"line breaks become blanks", "erste Zeile\r\nzweite Zeile\ndritte\rvierte",
       "erste Zeile zweite Zeile dritte vierte", nullptr},
      {"combining accents are composed", "Gru\xCC\x88\xC3\x9F" "e aus Ko\xCC\x88ln",
       "Grüße aus Köln", nullptr},
      {"an emoji is left out and named", "Hallo \xF0\x9F\x98\x80!", "Hallo !",
       "sie wurden weggelassen:\n\xF0\x9F\x98\x80 U+1F600"},
      {"an accent without its letter is named on a circle", "q\xCC\x88", "q",
       "\xE2\x97\x8C\xCC\x88 U+0308"},
  };
  auto* edit1 = Find<QLineEdit>("Edit1");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    edit1->setFocus();
    edit1->selectAll();
    const QStringList boxes = Paste(edit1, Utf8(c.pasted));
    EXPECT_EQ(edit1->text(), Utf8(c.shown));
    EXPECT_EQ(program.form1.Edit1.Text(), W(c.shown));
    if (c.box) {
      ASSERT_EQ(boxes.size(), 1);
      EXPECT_TRUE(boxes[0].startsWith(QStringLiteral("Warnung: "))) << boxes[0].toStdString();
      EXPECT_TRUE(boxes[0].contains(Utf8(c.box))) << boxes[0].toStdString();
    } else {
      EXPECT_TRUE(boxes.isEmpty()) << boxes.join(QLatin1Char('|')).toStdString();
    }
  }
}

TEST_F(InputTest, PasteOfNothingTheFieldCanHoldLeavesTheSelectionAsItWas) {
  auto* edit1 = Find<QLineEdit>("Edit1");
  edit1->setFocus();
  TypeText(edit1, QStringLiteral("HALLO"));
  edit1->selectAll();
  const QStringList boxes = Paste(edit1, Utf8("\xF0\x9F\x98\x80"));
  EXPECT_EQ(boxes.size(), 1);
  EXPECT_EQ(edit1->text(), QStringLiteral("HALLO"));
  EXPECT_EQ(edit1->selectedText(), QStringLiteral("HALLO"));
  EXPECT_EQ(program.form1.Edit1.Text(), "HALLO");
  // A typed character the code page lacks is refused the same way.
  edit1->setCursorPosition(5);
  const QStringList typed = BoxesDuring([&] { TypeText(edit1, Utf8("Ω")); });
  EXPECT_EQ(typed.size(), 1);
  EXPECT_EQ(edit1->text(), QStringLiteral("HALLO"));
}

TEST_F(InputTest, OverlongPasteInsertsWhatFitsAndSaysHowMuchWasLeftOut) {
  auto* edit3 = Find<QLineEdit>("Edit3");
  edit3->setFocus();
  TypeText(edit3, QStringLiteral("AB"));
  edit3->setCursorPosition(1);
  const QStringList boxes = Paste(edit3, QString(100000, QLatin1Char('x')));
  ASSERT_EQ(boxes.size(), 1);
  EXPECT_TRUE(boxes[0].contains(Utf8("höchstens 65535 Zeichen;\n34467 Zeichen wurden nicht eingefügt.")))
      << boxes[0].toStdString();
  ASSERT_EQ(edit3->text().size(), 65535);
  EXPECT_EQ(program.form1.Edit3.Text().size(), 65535u);
  // What was there keeps its place around what fits of the paste.
  EXPECT_TRUE(edit3->text().startsWith(QStringLiteral("Ax")));
  EXPECT_TRUE(edit3->text().endsWith(QStringLiteral("xB")));
  // A key typed into the full field is refused without a word, as in any editor.
  EXPECT_TRUE(BoxesDuring([&] { TypeText(edit3, QStringLiteral("y")); }).isEmpty());
  EXPECT_EQ(edit3->text().size(), 65535);
}

TEST_F(InputTest, TableCellsTakeOneLineAndDeleteEmptiesARowOneCell) {
  auto* grid = Find<GridWidget>("StringGrid1");
  const StringGrid& cells = program.form1.StringGrid1;
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(3, 1).center());
  ASSERT_EQ(cells.Current(), (GridCoord{3, 1}));
  ASSERT_EQ(grid->Editor(), nullptr);

  QTest::keyClick(grid, Qt::Key_Delete);
  EXPECT_EQ(cells.Cell(3, 1), "");
  ASSERT_NE(grid->Editor(), nullptr);
  TypeText(grid->Editor(), QStringLiteral("Q"));
  EXPECT_EQ(cells.Cell(3, 1), "Q");

  QTest::keyClick(grid->Editor(), Qt::Key_Right);  // leaves the editor for the next cell
  QTest::keyClick(grid, Qt::Key_Escape);
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(4, 1).center());
  ASSERT_EQ(grid->Editor(), nullptr);
  QTest::keyClick(grid, Qt::Key_Backspace);
  EXPECT_EQ(cells.Cell(4, 1), "");
  ASSERT_NE(grid->Editor(), nullptr);

  const QStringList boxes = Paste(grid->Editor(), QStringLiteral("X\nY"));
  EXPECT_TRUE(boxes.isEmpty());
  EXPECT_EQ(cells.Cell(4, 1), "X Y");

  // A key the cells cannot hold, typed at a cell, is named and changes nothing.
  QTest::keyClick(grid->Editor(), Qt::Key_Return);
  const QStringList typed = BoxesDuring([&] { TypeText(grid, Utf8("Ω")); });
  EXPECT_EQ(typed.size(), 1);
  EXPECT_EQ(cells.Cell(4, 1), "X Y");
}

TEST_F(InputTest, QuestionsAndAnalysisWindowsComeUpOverTheChangedField) {
  auto* edit3 = Find<QLineEdit>("Edit3");
  edit3->setFocus();
  TypeText(edit3, QStringLiteral("kleinbuchstaben"));
  QString shownDuringQuestion;
  bool onScreen = false;
  const QStringList boxes = BoxesDuring([&] { Click("BitBtn5"); },  // "Geheimtext speichern ..."
                                        [&](QMessageBox*) {
                                          shownDuringQuestion = edit3->text();
                                          onScreen = OnScreen("Edit3");
                                        });
  ASSERT_EQ(boxes.size(), 1);  // the question, answered "Nein"
  EXPECT_EQ(shownDuringQuestion, QStringLiteral("KLEINBUCHSTABEN"));
  EXPECT_TRUE(onScreen);

  Click("BitBtn16");  // "Klartext löschen"
  edit3->setFocus();
  TypeText(edit3, QStringLiteral("hallo"));
  QString shownDuringAnalysis;
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal->objectName() != QStringLiteral("Form2")) return;
    shownDuringAnalysis = edit3->text();
    onScreen = OnScreen("Edit3");
    QTest::mouseClick(modal->findChild<QWidget*>(QStringLiteral("BitBtn1")), Qt::LeftButton);
  });
  watch.start(5);
  Click("BitBtn10");  // "Kryptoanalyse Einzelzeichen"
  EXPECT_EQ(shownDuringAnalysis, QStringLiteral("HALLO"));
  EXPECT_TRUE(onScreen);
}

TEST_F(InputTest, EscapeStopsAnAnimatedRunWhereTheLearnerCanGoOnStepByStep) {
  auto* edit1 = Find<QLineEdit>("Edit1");
  edit1->setFocus();
  TypeText(edit1, QStringLiteral("HALLO"));
  bool pressed = false;
  QTimer probe;
  QObject::connect(&probe, &QTimer::timeout, [&] {
    if (!Busy() || pressed || Find<QLineEdit>("Edit3")->text().size() < 2) return;
    pressed = true;
    QTest::keyClick(program.window1.windowHandle(), Qt::Key_Escape);
  });
  probe.start(25);
  Click("BitBtn2");  // "schrittweise verschlüsseln"
  ASSERT_TRUE(pressed);
  EXPECT_FALSE(Busy());
  EXPECT_EQ(Find<QLineEdit>("Edit3")->text(), QStringLiteral("YR"));
  EXPECT_TRUE(Find("BitBtn1")->isEnabled());
  EXPECT_TRUE(Find("BitBtn2")->isEnabled());
  Click("BitBtn1");  // "ein Zeichen verschlüsseln" goes on with the third character
  EXPECT_EQ(Find<QLineEdit>("Edit3")->text(), QStringLiteral("YR1"));
}

}  // namespace
