// The help as a learner and a teacher meet it: opened by F1 at the focused
// control's entry, by "Hilfe" at its start, made from the windows' control
// tables, with examples the engines computed on the main window's texts, and
// found in by Strg+F. And the Extras menu that offers it, and the zoom.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>

#include "app/Program.h"
#include "tests/support/WindowTest.h"
#include "toolkit/view/widgets/Zoom.h"

namespace {

QString U8(const char* utf8) { return QString::fromUtf8(utf8); }

class HelpTest : public testing::Test {
 protected:
  void SetUp() override {
    program.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&program.window1));
  }
  void TearDown() override { ViewZoom::Get().Reset(); }

  // F1 on a control of the main window.
  void F1On(const char* name) {
    QWidget* control = Find<QWidget>(&program.window1, name);
    control->setFocus(Qt::TabFocusReason);
    QTest::keyClick(control, Qt::Key_F1);
  }

  Program program;
};

TEST_F(HelpTest, F1OpensTheEntryOfTheFocusedControlMadeFromTheControlTable) {
  F1On("BitBtn10");  // "Kryptoanalyse Einzelzeichen"
  HelpWindow& help = program.Help();
  ASSERT_TRUE(help.isVisible());
  EXPECT_EQ(help.windowTitle(), U8("Chiffrarium – Hilfe"));
  EXPECT_EQ(help.CurrentPage(), QStringLiteral("Form1"));
  const QString page = help.CurrentText();
  // Every control of the window in tab order, with what it does: the texts
  // a screen reader hears of it.
  EXPECT_TRUE(page.contains(U8("Kryptoanalyse Einzelzeichen")));
  EXPECT_TRUE(page.contains(U8("öffnet die Häufigkeitsanalyse des Geheimtexts")));
  EXPECT_LT(page.indexOf(U8("zu verschlüsselnder Text")), page.indexOf(U8("Chiffre")));
  EXPECT_TRUE(page.contains(U8("Strg+Tab, Strg+Umschalt+Tab: aus der Tabelle")));
  EXPECT_TRUE(page.contains(U8("Datei GEHEIM.TXT von Laufwerk A:")));
  // A radio button stands for its group: F1 there opens the group's entry.
  F1On("RadioGroup1Item2");
  EXPECT_EQ(help.CurrentPage(), QStringLiteral("Form1"));
}

TEST_F(HelpTest, HilfeInExtrasOpensTheStartWithLinksToEveryPage) {
  auto* extras = Find<QToolButton>(&program.window1, "Extras");
  EXPECT_EQ(extras->focusPolicy(), Qt::NoFocus) << "no tab stop";
  QStringList entries;
  for (QAction* action : program.window1.ExtrasMenu()->actions())
    if (!action->isSeparator()) entries << action->text();
  EXPECT_EQ(entries, (QStringList{U8("Größer"), U8("Kleiner"), U8("Originalgröße"),
                                  U8("Cäsar-Scheibe"), U8("Arbeitsblatt …"),
                                  U8("Übungstext …"), U8("Lösung zeigen"), U8("Hilfe\tF1"),
                                  U8("Über Chiffrarium")}));
  for (QAction* action : program.window1.ExtrasMenu()->actions())
    if (action->text().startsWith(U8("Hilfe"))) action->trigger();
  HelpWindow& help = program.Help();
  EXPECT_EQ(help.CurrentPage(), QStringLiteral("start"));
  // The method pages explain with the program's own numbers.
  help.Open(QStringLiteral("haeufigkeit"));
  EXPECT_TRUE(help.CurrentText().contains(U8("Summe der Fehler-Quadrate")));
  EXPECT_TRUE(help.CurrentText().contains(U8("empfiehlt die Analyse die Verschiebung 7")))
      << "the README's message, enciphered with 7, where the window holds no ciphertext";
  help.Open(QStringLiteral("tasten"));
  EXPECT_TRUE(help.CurrentText().contains(U8("Strg++")) ||
              help.CurrentText().contains(U8("Ctrl++")));
}

TEST_F(HelpTest, TheExamplesAreWorkedOutOnTheTextsInTheMainWindow) {
  auto* edit3 = Find<QLineEdit>(&program.window1, "Edit3");
  edit3->setFocus();
  QTest::keyClicks(edit3, QStringLiteral("GHU OHKUHU"));
  Click(&program.window1, "RadioGroup1Item0");
  program.Help().Open(QStringLiteral("brachial"));
  const QString page = program.Help().CurrentText();
  EXPECT_TRUE(page.contains(U8("liest die Verschiebung 3 am meisten Wörter (4)"))) << page.toStdString();
  EXPECT_TRUE(page.contains(U8("DER LEHRER")));
}

TEST_F(HelpTest, StrgFFindsTextInEveryPage) {
  program.Help().Open(QStringLiteral("start"));
  HelpWindow& help = program.Help();
  help.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&help));
  QTest::keyClick(&help, Qt::Key_F, Qt::ControlModifier);
  auto* find = Find<QLineEdit>(&help, "HelpFind");
  ASSERT_TRUE(find->hasFocus());
  QTest::keyClicks(find, U8("Bewertungstoleranz"));
  QTest::keyClick(find, Qt::Key_Return);
  EXPECT_NE(help.CurrentPage(), QStringLiteral("start"));
  EXPECT_TRUE(Find<QTextBrowser>(&help, "HelpText")->textCursor().hasSelection());
}

// A zoom step grows every window and keeps what they hold: texts, the marker,
// the highlighted cell, the focus; at 100 % all is as before.
TEST_F(HelpTest, TheZoomGrowsTheWindowsAndLosesNothing) {
  auto* edit1 = Find<QLineEdit>(&program.window1, "Edit1");
  edit1->setFocus();
  QTest::keyClicks(edit1, QStringLiteral("hallo"));
  Click(&program.window1, "BitBtn1");
  Click(&program.window1, "BitBtn1");
  const QSize before = program.window1.size();
  const QRect cellBefore = Find<QWidget>(&program.window1, "StringGrid1")->geometry();
  QTest::keyClick(&program.window1, Qt::Key_Plus, Qt::ControlModifier);
  EXPECT_EQ(ViewZoom::Get().Percent(), 125);
  EXPECT_EQ(program.window1.size(), QSize(978, 675));
  EXPECT_EQ(TextOf(&program.window1, "Edit3"), QStringLiteral("YR"));
  EXPECT_EQ(program.form1.State.EncPos, 3u);
  EXPECT_EQ(program.form1.StringGrid1.Current(), (GridCoord{0, 1}));
  EXPECT_EQ(Find<QWidget>(&program.window1, "StringGrid1")->geometry(),
            QRect(140, 230, 831, 81));
  // What has no font of its own, as the Extras menu, follows too.
  auto* menu = Find<QMenu>(&program.window1, "ExtrasMenu");
  menu->popup({0, 0});
  EXPECT_EQ(menu->font().pixelSize(), 14);
  menu->hide();
  QTest::keyClick(&program.window1, Qt::Key_0, Qt::ControlModifier);
  menu->popup({0, 0});
  EXPECT_EQ(menu->font().pixelSize(), 11);
  menu->hide();
  EXPECT_EQ(program.window1.size(), before);
  EXPECT_EQ(Find<QWidget>(&program.window1, "StringGrid1")->geometry(), cellBefore);
}

}  // namespace
