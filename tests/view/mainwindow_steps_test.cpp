// The steps and runs in the real main window: the step buttons clicked as a
// learner clicks them, and what the screen shows after every step: the cipher
// character, the marker under its plaintext character and the highlighted table
// column, on screen before the next step, an animated run that takes no input,
// and a close that ends the run after the step on screen.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCloseEvent>
#include <QExposeEvent>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>
#include <string>
#include <vector>

#include "app/Program.h"
#include "tests/support/WindowTest.h"
#include "toolkit/view/form/FormBinder.h"
#include "toolkit/view/grid/GridWidget.h"
#include "toolkit/view/text/QtText.h"

namespace {

// Calls a function whenever an object receives an event of one type.
class EventWatch : public QObject {
 public:
  EventWatch(QObject* watched, QEvent::Type type, std::function<void()> seen)
      : watched_(watched), type_(type), seen_(std::move(seen)) {
    watched_->installEventFilter(this);
  }
  ~EventWatch() override { watched_->removeEventFilter(this); }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == type_) seen_();
    return false;
  }

 private:
  QObject* watched_;
  QEvent::Type type_;
  std::function<void()> seen_;
};

class MainWindowSteps : public testing::Test {
 protected:
  void SetUp() override {
    program.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&program.window1));
  }

  template <typename T = QWidget>
  T* Find(const char* name) {
    return ::Find<T>(&program.window1, name);
  }
  void Click(const char* name) { ::Click(&program.window1, name); }
  void TypePlaintext(const char* utf8) {
    QLineEdit* edit1 = Find<QLineEdit>("Edit1");
    QTest::mouseClick(edit1, Qt::LeftButton);
    QTest::keyClicks(edit1, QString::fromUtf8(utf8));
  }
  QString Text(const char* name) { return TextOf(&program.window1, name); }
  bool Busy() { return program.window1.Binder().Busy(); }

  bool OnScreen(std::initializer_list<const char*> names) {
    return ::OnScreen(program.window1, names);
  }

  // The left edge of character n (1-based) of a field, in window coordinates.
  int CharacterLeft(const char* name, int n) {
    QLineEdit* edit = Find<QLineEdit>(name);
    edit->setCursorPosition(n - 1);
    const QRect cursor = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    return edit->mapTo(&program.window1, cursor.topLeft()).x();
  }

  Program program;
};

TEST_F(MainWindowSteps, AllAtOnceEncryptsHalloToYR114AndBack) {
  TypePlaintext("hallo");
  Click("BitBtn3");  // "alles verschlüsseln"
  EXPECT_EQ(Text("Edit1"), QStringLiteral("HALLO"));
  EXPECT_EQ(Text("Edit3"), QStringLiteral("YR114"));
  Click("BitBtn9");  // "sofort alle Zeichen entschlüsseln"
  EXPECT_EQ(Text("Edit5"), QStringLiteral("HALLO"));
}

TEST_F(MainWindowSteps, SingleStepMarksItsCharacterAndHighlightsItsColumn) {
  TypePlaintext("hallo");
  auto* grid = Find<GridWidget>("StringGrid1");
  const int columns[] = {7, 0, 11, 11, 14};  // H, A, L, L, O
  for (int n = 1; n <= 5; ++n) {
    SCOPED_TRACE(n);
    Click("BitBtn1");  // "ein Zeichen verschlüsseln"
    QCoreApplication::processEvents();
    EXPECT_EQ(Text("Edit3"), QStringLiteral("YR114").left(n));
    EXPECT_TRUE(Find("Edit4")->isVisible());
    EXPECT_EQ(CharacterLeft("Edit4", n), CharacterLeft("Edit1", n));
    EXPECT_EQ(Text("Edit4").indexOf(QLatin1Char('^')), n - 1);
    EXPECT_EQ(grid->Model().Current(), (GridCoord{columns[n - 1], 1}));
    EXPECT_TRUE(grid->IsCellHighlighted(columns[n - 1], 1));
    EXPECT_FALSE(grid->CellRect(columns[n - 1], 1).isEmpty());
    EXPECT_TRUE(grid->hasFocus());
    EXPECT_TRUE(OnScreen({"StringGrid1", "Edit4", "Edit3"}));
  }
}

TEST_F(MainWindowSteps, AnimatedRunShowsEveryStepOnScreenBeforeTheNext) {
  TypePlaintext("HAL");
  struct Seen {
    QString cipher;
    bool current;  // the field shows the model's text, and the screen shows the fields
  };
  std::vector<Seen> seen;
  // Uncovering the window asks for its picture again; the window system's
  // request must be served in the middle of the run, not after it.
  int exposedWhileBusy = 0;
  EventWatch exposeWatch(program.window1.windowHandle(), QEvent::Expose,
                         [&] { exposedWhileBusy += Busy(); });
  bool exposePosted = false;
  Probe probe([&] {
    if (!Busy()) return;
    const QString cipher = Text("Edit3");
    const bool current = cipher == ToQString(program.form1.Edit3.Text()) &&
                         OnScreen({"Edit3", "Edit4", "StringGrid1"});
    seen.push_back({cipher, current});
    if (cipher.size() == 2 && !exposePosted) {
      exposePosted = true;
      const QRect area = program.window1.rect();
      QCoreApplication::postEvent(program.window1.windowHandle(), new QExposeEvent(QRegion(area)));
    }
  });
  Click("BitBtn2");  // "schrittweise verschlüsseln"
  EXPECT_FALSE(Busy());
  EXPECT_EQ(exposedWhileBusy, 1);

  // Each step stays on screen for its whole pause, the last step's included.
  std::vector<QString> order;
  std::vector<int> looks;
  for (const Seen& s : seen) {
    EXPECT_TRUE(s.current) << s.cipher.toStdString();
    if (order.empty() || order.back() != s.cipher) {
      order.push_back(s.cipher);
      looks.push_back(0);
    }
    ++looks.back();
  }
  EXPECT_EQ(order, (std::vector<QString>{QStringLiteral("Y"), QStringLiteral("YR"),
                                         QStringLiteral("YR1")}));
  for (const int n : looks) EXPECT_GE(n, 2);  // a look every 25 ms in a pause of 400 ms
  EXPECT_FALSE(Find("BitBtn1")->isEnabled());
  EXPECT_FALSE(Find("BitBtn2")->isEnabled());
  EXPECT_TRUE(Find("BitBtn3")->isEnabled());
}

TEST_F(MainWindowSteps, AnimatedRunTakesNoInputUntilItEnds) {
  TypePlaintext("HAL");
  auto* grid = Find<GridWidget>("StringGrid1");
  QWidget& window = program.window1;
  bool tried = false;
  Probe probe([&] {
    if (!Busy() || tried) return;
    tried = true;
    // A click on "Klartext löschen" as the window system delivers it, and keys
    // typed at the table, which has the focus and would take them as a new
    // cipher character for the cell.
    QAbstractButton* clear = Find<QAbstractButton>("BitBtn16");
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                      clear->mapTo(&window, clear->rect().center()));
    QTest::keyClick(window.windowHandle(), Qt::Key_X);
    // A posted click on a table cell, and keys sent straight to the plaintext.
    const QPoint cell = grid->CellRect(20, 1).center();
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
      QCoreApplication::postEvent(grid->viewport(),
                                  new QMouseEvent(type, cell, grid->viewport()->mapToGlobal(cell),
                                                  Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    QTest::keyClicks(Find<QLineEdit>("Edit1"), QStringLiteral("xyz"));
  });
  Click("BitBtn2");  // "schrittweise verschlüsseln"
  ASSERT_TRUE(tried);
  for (int pass = 0; pass < 2; ++pass) {
    SCOPED_TRACE(pass == 0 ? "when the run ends" : "once the event loop has turned");
    EXPECT_EQ(Text("Edit1"), QStringLiteral("HAL"));
    EXPECT_EQ(Text("Edit3"), QStringLiteral("YR1"));
    EXPECT_EQ(grid->Model().Cell(11, 1), "1");
    EXPECT_EQ(grid->Model().Current(), (GridCoord{11, 1}));
    EXPECT_EQ(grid->Editor(), nullptr);
    EXPECT_FALSE(Find("BitBtn1")->isEnabled());
    EXPECT_FALSE(Find("BitBtn2")->isEnabled());
    QTest::qWait(50);
  }
}

TEST_F(MainWindowSteps, StepOnALateCharacterScrollsItsColumnIntoView) {
  QTest::mouseClick(Find<QAbstractButton>("RadioGroup1Item3"), Qt::LeftButton);  // 60 characters
  ASSERT_EQ(Find<GridWidget>("StringGrid1")->Model().ColCount(), 60);
  TypePlaintext("_A");  // "_" is the last of the 60, "A" the first
  struct Case {
    const char* button;
    const char* grid;
    int column;
  };
  const Case cases[] = {{"BitBtn1", "StringGrid1", 59},
                        {"BitBtn7", "StringGrid2", 59},
                        {"BitBtn1", "StringGrid1", 0},
                        {"BitBtn7", "StringGrid2", 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.button) + " " + std::to_string(c.column));
    auto* grid = Find<GridWidget>(c.grid);
    Click(c.button);
    QCoreApplication::processEvents();
    const QRect cell = grid->CellRect(c.column, 1);
    EXPECT_FALSE(cell.isEmpty());
    EXPECT_TRUE(grid->viewport()->rect().contains(cell));
    EXPECT_TRUE(grid->hasFocus());
    EXPECT_TRUE(OnScreen({c.grid}));
  }
  EXPECT_TRUE(Find<GridWidget>("StringGrid1")->IsCellHighlighted(0, 1));
}

TEST_F(MainWindowSteps, CloseDuringAnAnimatedRunEndsItAfterTheCurrentStep) {
  QWidget& window = program.window1;
  bool closedWhileBusy = false;
  EventWatch hideWatch(&window, QEvent::Hide, [&] { closedWhileBusy = closedWhileBusy || Busy(); });
  // Shown again after the first close, the window closes the same way again.
  for (const char* text : {"HAL", "H"}) {
    SCOPED_TRACE(text);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    Click("BitBtn16");  // "Klartext löschen"
    TypePlaintext(text);
    bool requested = false;
    std::vector<bool> visibleAfterRequest;
    Probe probe([&] {
      if (!Busy()) return;
      if (!requested) {
        requested = true;
        // What the title bar's close button sends, twice: the learner insists.
        for (int i = 0; i < 2; ++i)
          QCoreApplication::postEvent(window.windowHandle(), new QCloseEvent);
        return;
      }
      visibleAfterRequest.push_back(window.isVisible());
    });
    Click("BitBtn14");  // "von vorn beginnen", which enables the animated run again
    Click("BitBtn2");   // "schrittweise verschlüsseln"
    ASSERT_TRUE(requested);
    for (const bool visible : visibleAfterRequest) EXPECT_TRUE(visible);
    // The run ended after the step on screen when the request came, and the
    // window closed right after it.
    EXPECT_EQ(Text("Edit3").size(), 1);
    EXPECT_FALSE(closedWhileBusy);
    EXPECT_FALSE(window.isVisible());
  }
}

}  // namespace
