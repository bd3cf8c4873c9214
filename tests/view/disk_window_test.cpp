// The window "Cäsar-Scheibe" driven as a learner would: opened from Extras,
// following the main window's spinners, a taken shift and the steps of
// either table, and turned by dragging, the wheel and the keys along the
// spinner's path, never past its ends and not while a modal window is open.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTest>

#include <cmath>
#include <numbers>

#include "app/Program.h"
#include "scheibe/view/DiskWidget.h"
#include "tests/support/WindowTest.h"
#include "toolkit/view/form/FormBinder.h"
#include "toolkit/view/widgets/Zoom.h"

namespace {

QString U8(const char* utf8) { return QString::fromUtf8(utf8); }

class DiskWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    program.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&program.window1));
  }
  void TearDown() override { ViewZoom::Get().Reset(); }

  DiskWindow& OpenDisk() {
    QTest::keyClick(&program.window1, Qt::Key_D, Qt::ControlModifier);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&program.Disk()));
    return program.Disk();
  }
  DiskWidget& disk() { return program.Disk().Disk(); }
  QString PairLine() { return TextOf(&program.Disk(), "Edit1"); }

  // A point in the middle of the inner ring, at an angle clockwise from the top.
  QPoint InnerRingAt(double degrees) {
    const DiskLayout l = disk().Layout();
    const double r = (l.MiddleRadius + l.InnerRadius) / 2;
    const double a = degrees * std::numbers::pi / 180;
    return QPoint(static_cast<int>(std::lround(l.CentreX + r * std::sin(a))),
                  static_cast<int>(std::lround(l.CentreY - r * std::cos(a))));
  }
  // Drags the inner ring round from one angle to another in small moves.
  void Drag(double from, double to) {
    QTest::mousePress(&disk(), Qt::LeftButton, {}, InnerRingAt(from));
    const int moves = 20;
    for (int i = 1; i <= moves; ++i) QTest::mouseMove(&disk(), InnerRingAt(from + (to - from) * i / moves));
    QTest::mouseRelease(&disk(), Qt::LeftButton, {}, InnerRingAt(to));
  }

  Program program;
};

TEST_F(DiskWindowTest, ExtrasOpensItBesideTheMainWindowAndAgainBringsItToTheFront) {
  auto* entry = program.window1.findChild<QAction*>(QStringLiteral("OpenDisk"));
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(entry->text(), U8("Cäsar-Scheibe"));
  EXPECT_EQ(entry->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_D));
  EXPECT_TRUE(program.window1.ExtrasMenu()->actions().contains(entry));

  DiskWindow& window = OpenDisk();
  EXPECT_EQ(window.windowTitle(), U8("Cäsar-Scheibe"));
  EXPECT_EQ(Focused(), QStringLiteral("Disk"));
  EXPECT_EQ(disk().accessibleName(), U8("Cäsar-Scheibe"));
  EXPECT_EQ(PairLine(), U8("Verschiebung 17: A wird zu R"));
  EXPECT_EQ(disk().accessibleDescription(), PairLine());
  EXPECT_TRUE(Find<QRadioButton>(&window, "RadioGroup1Item0")->isChecked());

  QTest::keyClick(&window, Qt::Key_Escape);
  EXPECT_FALSE(window.isVisible());
  entry->trigger();
  EXPECT_TRUE(window.isVisible());
}

TEST_F(DiskWindowTest, ItFollowsTheSpinnersATakenShiftAndTheAlphabet) {
  OpenDisk();
  ClickArrow(&program.window1, "UpDown1", true);
  EXPECT_EQ(PairLine(), U8("Verschiebung 18: A wird zu S"));
  // The decryption table, whose spinner alone moves it then.
  Click(&program.Disk(), "RadioGroup1Item1");
  EXPECT_EQ(PairLine(), U8("Verschiebung 18: S wird zu A"));
  ClickArrow(&program.window1, "UpDown2", false);
  EXPECT_EQ(PairLine(), U8("Verschiebung 17: R wird zu A"));
  // What "Verschiebung übernehmen" hands back goes in as a spinner click does.
  program.window1.Binder().Run([this] { program.form1.TakeShift(7); });
  EXPECT_EQ(PairLine(), U8("Verschiebung 7: H wird zu A"));
  Click(&program.window1, "RadioGroup1Item0");  // 26 letters
  EXPECT_EQ(program.diskForm.Alphabet().size(), 26u);
  EXPECT_EQ(disk().ShownTurn(), 7);
}

TEST_F(DiskWindowTest, SingleStepsOfTheChosenTableLightTheirPair) {
  OpenDisk();
  auto* plaintext = Find<QLineEdit>(&program.window1, "Edit1");
  plaintext->setFocus();
  QTest::keyClicks(plaintext, QStringLiteral("h!"));
  Click(&program.window1, "BitBtn1");  // "ein Zeichen verschlüsseln"
  ASSERT_TRUE(program.diskForm.Lit());
  EXPECT_EQ(*program.diskForm.Lit(), 7);
  Click(&program.window1, "BitBtn1");  // "!" is not in the alphabet
  EXPECT_FALSE(program.diskForm.Lit());

  Click(&program.Disk(), "RadioGroup1Item1");
  Click(&program.window1, "BitBtn7");  // "ein Zeichen entschlüsseln": Y back to H
  ASSERT_TRUE(program.diskForm.Lit());
  EXPECT_EQ(*program.diskForm.Lit(), 7);
}

TEST_F(DiskWindowTest, TurningSetsTheShiftAsTheSpinnerDoesWithinItsRange) {
  OpenDisk();
  auto* plaintext = Find<QLineEdit>(&program.window1, "Edit1");
  plaintext->setFocus();
  QTest::keyClicks(plaintext, QStringLiteral("hallo"));
  Click(&program.window1, "BitBtn1");
  disk().setFocus();

  // Ten segments clockwise bring the characters ten places back under the
  // pointer: 17 → 7; the encryption starts anew, the decryption follows.
  const double segment = 360.0 / program.diskForm.Alphabet().size();
  Drag(0, 10 * segment);
  EXPECT_EQ(program.form1.State.EncShift, 7);
  EXPECT_EQ(program.form1.State.DecShift, 7);
  EXPECT_EQ(TextOf(&program.window1, "Edit2"), QStringLiteral("7"));
  EXPECT_EQ(TextOf(&program.window1, "Edit3"), QString());
  EXPECT_EQ(PairLine(), U8("Verschiebung 7: A wird zu H"));

  QTest::keyClick(&disk(), Qt::Key_Right);
  EXPECT_EQ(TextOf(&program.window1, "Edit2"), QStringLiteral("8"));
  QTest::keyClick(&disk(), Qt::Key_Down);
  QTest::keyClick(&disk(), Qt::Key_Left);
  EXPECT_EQ(TextOf(&program.window1, "Edit2"), QStringLiteral("6"));
  QWheelEvent wheel(QPointF(10, 10), disk().mapToGlobal(QPointF(10, 10)), {}, {0, 120},
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(&disk(), &wheel);
  EXPECT_EQ(TextOf(&program.window1, "Edit2"), QStringLiteral("7"));

  QTest::keyClick(&disk(), Qt::Key_Home);
  EXPECT_EQ(TextOf(&program.window1, "Edit2"), QStringLiteral("0"));
  QTest::keyClick(&disk(), Qt::Key_Left);  // 0 is the lowest
  EXPECT_EQ(TextOf(&program.window1, "Edit2"), QStringLiteral("0"));
  Drag(0, 3 * segment);
  EXPECT_EQ(TextOf(&program.window1, "Edit2"), QStringLiteral("0"));

  program.form1.UpDown1.Position = program.form1.UpDown1.Max;
  program.window1.Binder().Run([this] { program.form1.UpDown1Click(); });
  const QString top = TextOf(&program.window1, "Edit2");
  QTest::keyClick(&disk(), Qt::Key_Right);  // the spinner does not wrap
  EXPECT_EQ(TextOf(&program.window1, "Edit2"), top);
}

TEST_F(DiskWindowTest, NoTurnWhileAModalWindowIsOpen) {
  OpenDisk();
  auto* plaintext = Find<QLineEdit>(&program.window1, "Edit1");
  plaintext->setFocus();
  QTest::keyClicks(plaintext, QStringLiteral("hallo"));
  Click(&program.window1, "BitBtn3");  // "alles verschlüsseln"
  InsideModal(
      program.Window2(), [&] { Click(&program.window1, "BitBtn10"); },
      [&] {
        QTest::keyClick(&disk(), Qt::Key_Right);
        EXPECT_EQ(program.form1.State.EncShift, 17);
        Click(&program.Window2(), "BitBtn1");  // "Beenden"
      });
  QTest::keyClick(&disk(), Qt::Key_Right);
  EXPECT_EQ(program.form1.State.EncShift, 18);
}

TEST_F(DiskWindowTest, F1ExplainsItAndItsMenuCopiesThePicture) {
  OpenDisk();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&program.Disk()));
  QTest::keyClick(&disk(), Qt::Key_F1);
  HelpWindow& help = program.Help();
  EXPECT_EQ(help.CurrentPage(), QStringLiteral("Scheibe"));
  EXPECT_TRUE(help.CurrentText().contains(U8("Pos1: 0")));
  // (A closed menu leaves the offscreen platform without keys, so this comes last.)
  QGuiApplication::clipboard()->clear();
  EXPECT_EQ(ChooseFromContextMenu(&disk(), disk().rect().center(), "Bild kopieren"),
            (QStringList{U8("Bild kopieren"), U8("Zum Ausschneiden drucken …")}));
  const QImage copied = QGuiApplication::clipboard()->image();
  EXPECT_EQ(copied.size(), disk().size() * disk().devicePixelRatio());
}

TEST_F(DiskWindowTest, TheZoomGrowsTheWindowAndItsMinimum) {
  DiskWindow& window = OpenDisk();
  const QSize before = window.size();
  QTest::keyClick(&window, Qt::Key_Plus, Qt::ControlModifier);
  EXPECT_EQ(window.minimumSize(), QSize(400, 490));
  EXPECT_EQ(window.size(), QSize(400, 490));
  QTest::keyClick(&window, Qt::Key_0, Qt::ControlModifier);
  EXPECT_EQ(window.size(), before);
  EXPECT_EQ(PairLine(), U8("Verschiebung 17: A wird zu R"));
}

}  // namespace
