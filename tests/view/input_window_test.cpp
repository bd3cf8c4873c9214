// What the fields and tables of the main window take from a paste or a key,
// what a learner sees while a question waits, and how a learner stops a run:
// the real widgets, the real clipboard and the real message boxes.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

#include <functional>

#include "app/Program.h"
#include "tests/support/Typing.h"
#include "tests/support/WindowTest.h"
#include "toolkit/model/Win1252.h"
#include "toolkit/view/form/FormBinder.h"
#include "toolkit/view/grid/GridWidget.h"

namespace {

QString Utf8(const char* text) { return QString::fromUtf8(text); }

class InputTest : public testing::Test {
 protected:
  void SetUp() override {
    program.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&program.window1));
  }

  template <typename T = QWidget>
  T* Find(const char* name) {
    return ::Find<T>(&program.window1, name);
  }
  bool Busy() { return program.window1.Binder().Busy(); }

  // Runs act and returns "title: text" of the boxes that came up while it ran
  // or right after, each answered with OK.
  static QStringList Boxes(const std::function<void()>& act) {
    BoxAnswerer answers({"OK", "OK"});
    act();
    QTest::qWait(30);  // a notice comes up once the field has taken the text
    return answers.Seen;
  }
  // Pastes text with Ctrl+V into a widget that has the focus.
  static QStringList Paste(QWidget* widget, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    return Boxes([&] { QTest::keyClick(widget, Qt::Key_V, Qt::ControlModifier); });
  }

  Program program;
};

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
  EXPECT_EQ(Paste(edit1, Utf8("\xF0\x9F\x98\x80")).size(), 1);
  EXPECT_EQ(edit1->text(), QStringLiteral("HALLO"));
  EXPECT_EQ(edit1->selectedText(), QStringLiteral("HALLO"));
  EXPECT_EQ(program.form1.Edit1.Text(), "HALLO");
  // A typed character the code page lacks is refused the same way.
  edit1->setCursorPosition(5);
  EXPECT_EQ(Boxes([&] { TypeText(edit1, Utf8("Ω")); }).size(), 1);
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
  EXPECT_TRUE(Boxes([&] { TypeText(edit3, QStringLiteral("y")); }).isEmpty());
  EXPECT_EQ(edit3->text().size(), 65535);
}

// A million pasted characters, none or few of which the code page holds, are
// mended in one pass: the paste comes back with its box (a pass per left-out
// character took minutes here).
TEST_F(InputTest, AMillionPastedCharactersOfAnyMixAreMendedAndNamed) {
  constexpr int kMillion = 1'000'000;
  QString cjk;
  cjk.reserve(kMillion);
  for (int i = 0; i < kMillion; ++i) cjk += QChar(0x4E00 + i % 20000);
  QString emoji;
  emoji.reserve(kMillion);
  for (int i = 0; i < kMillion / 2; ++i) {
    const char32_t face = 0x1F600 + i % 80;
    emoji += QChar(QChar::highSurrogate(face));
    emoji += QChar(QChar::lowSurrogate(face));
  }
  const QString unit = Utf8("Ab\xE4\xB8\xAD\xF0\x9F\x98\x80\tc\n");  // 8 UTF-16 units
  const QString mix = unit.repeated(kMillion / 8);
  struct Case {
    const char* name;
    const QString& pasted;
    QString shownStart;
    int shownLength;
    const char* box;
  };
  const Case cases[] = {
      {"CJK only: nothing is left, the field keeps its text", cjk, QStringLiteral("ALT"), 3,
       "und 19992 weitere"},
      {"emoji only", emoji, QStringLiteral("ALT"), 3, "und 72 weitere"},
      {"a mix with tabs and line breaks: blanks, and cut to what fits", mix,
       QStringLiteral("Ab c Ab c "), 65535, "559465 Zeichen wurden nicht eingefügt."},
  };
  auto* edit3 = Find<QLineEdit>("Edit3");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    edit3->setFocus();
    edit3->setText(QStringLiteral("ALT"));
    Q_EMIT edit3->textEdited(edit3->text());
    edit3->selectAll();
    const QStringList boxes = Paste(edit3, c.pasted);
    EXPECT_TRUE(edit3->text().startsWith(c.shownStart)) << edit3->text().left(20).toStdString();
    EXPECT_EQ(edit3->text().size(), c.shownLength);
    EXPECT_EQ(program.form1.Edit3.Text().size(), static_cast<std::size_t>(c.shownLength));
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes[0].contains(Utf8(c.box))) << boxes[0].toStdString();
  }
}

TEST_F(InputTest, TableCellsTakeOneLineAndDeleteEmptiesARowOneCell) {
  auto* grid = Find<GridWidget>("StringGrid1");
  const auto cell = [grid](int col) { return grid->Model().Cell(col, 1); };
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(3, 1).center());
  ASSERT_EQ(grid->Model().Current(), (GridCoord{3, 1}));
  ASSERT_EQ(grid->Editor(), nullptr);

  QTest::keyClick(grid, Qt::Key_Delete);
  EXPECT_EQ(cell(3), "");
  ASSERT_NE(grid->Editor(), nullptr);
  TypeText(grid->Editor(), QStringLiteral("Q"));
  EXPECT_EQ(cell(3), "Q");

  QTest::keyClick(grid->Editor(), Qt::Key_Return);  // closes the editor and stays in the cell
  ASSERT_EQ(grid->Model().Current(), (GridCoord{3, 1}));
  QTest::keyClick(grid, Qt::Key_Right);
  ASSERT_EQ(grid->Model().Current(), (GridCoord{4, 1}));
  ASSERT_EQ(grid->Editor(), nullptr);
  QTest::keyClick(grid, Qt::Key_Backspace);
  EXPECT_EQ(cell(4), "");
  ASSERT_NE(grid->Editor(), nullptr);

  EXPECT_TRUE(Paste(grid->Editor(), QStringLiteral("X\nY")).isEmpty());
  EXPECT_EQ(cell(4), "X Y");

  // A key the cells cannot hold, typed at a cell, is named and changes nothing.
  QTest::keyClick(grid->Editor(), Qt::Key_Return);
  EXPECT_EQ(Boxes([&] { TypeText(grid, Utf8("Ω")); }).size(), 1);
  EXPECT_EQ(cell(4), "X Y");
}

TEST_F(InputTest, QuestionsAndAnalysisWindowsComeUpOverTheChangedField) {
  auto* edit3 = Find<QLineEdit>("Edit3");
  edit3->setFocus();
  TypeText(edit3, QStringLiteral("kleinbuchstaben"));
  QString shown;
  bool onScreen = false;
  const auto look = [&] {
    shown = edit3->text();
    onScreen = OnScreen(program.window1, {"Edit3"});
  };
  {
    BoxAnswerer answers({"&Nein"}, [&](QMessageBox*) { look(); });
    ::Click(&program.window1, "BitBtn5");  // "Geheimtext speichern ..."
    EXPECT_EQ(answers.Seen.size(), 1);
  }
  EXPECT_EQ(shown, QStringLiteral("KLEINBUCHSTABEN"));
  EXPECT_TRUE(onScreen);

  edit3->clear();
  TypeText(edit3, QStringLiteral("hallo"));
  onScreen = false;
  // The offscreen platform hands the activation back to no window when a box
  // closes; a window manager would give it back to the main window.
  program.window1.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&program.window1));
  InsideModal(
      program.Window2(), [&] { ::Click(&program.window1, "BitBtn10"); }, look);
  EXPECT_EQ(shown, QStringLiteral("HALLO"));
  EXPECT_TRUE(onScreen);
}

TEST_F(InputTest, EscapeStopsAnAnimatedRunWhereTheLearnerCanGoOnStepByStep) {
  auto* edit1 = Find<QLineEdit>("Edit1");
  edit1->setFocus();
  TypeText(edit1, QStringLiteral("HALLO"));
  bool pressed = false;
  Probe probe([&] {
    if (!Busy() || pressed || TextOf(&program.window1, "Edit3").size() < 2) return;
    pressed = true;
    QTest::keyClick(program.window1.windowHandle(), Qt::Key_Escape);
  });
  ::Click(&program.window1, "BitBtn2");  // "schrittweise verschlüsseln"
  ASSERT_TRUE(pressed);
  EXPECT_FALSE(Busy());
  EXPECT_EQ(TextOf(&program.window1, "Edit3"), QStringLiteral("YR"));
  EXPECT_TRUE(Find("BitBtn1")->isEnabled());
  EXPECT_TRUE(Find("BitBtn2")->isEnabled());
  ::Click(&program.window1, "BitBtn1");  // "ein Zeichen verschlüsseln" goes on with the third
  EXPECT_EQ(TextOf(&program.window1, "Edit3"), QStringLiteral("YR1"));
}

}  // namespace
