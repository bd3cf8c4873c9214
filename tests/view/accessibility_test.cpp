// The three windows as a screen reader and a keyboard user meet them: every
// control named and described in German, labels tied to their fields, the
// grid's current cell announced as it moves, the spinners as spin boxes, and
// buttons, option groups and spinners worked from the keyboard alone. The
// tables as a whole: tables_window_test.cpp.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <unistd.h>
#include <csignal>
#include <cstdio>
#include <functional>
#include <vector>

#include "KAnalyse1/view/FrequencyChartWidget.h"
#include "app/Program.h"
#include "tests/support/WindowTest.h"
#include "toolkit/view/grid/CellPlace.h"
#include "toolkit/view/grid/GridWidget.h"
#include "toolkit/view/widgets/UpDownWidget.h"

namespace {

// Every control of a window: its widgets other than labels, and the option
// buttons inside its option groups.
std::vector<QWidget*> Controls(QWidget* window) {
  std::vector<QWidget*> controls;
  for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    // The announcer is what a screen reader hears of a step, not a control.
    if (qobject_cast<QLabel*>(child) || child->isWindow() ||
        child->objectName() == QLatin1String("Announcer"))
      continue;
    controls.push_back(child);
    if (qobject_cast<QGroupBox*>(child))
      for (QRadioButton* option : child->findChildren<QRadioButton*>()) controls.push_back(option);
  }
  return controls;
}

class AccessibilityTest : public testing::Test {
 protected:
  void SetUp() override {
    program.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&program.window1));
  }

  template <typename T = QWidget>
  T* Find(QWidget* window, const char* name) {
    return ::Find<T>(window, name);
  }
  template <typename T = QWidget>
  T* Find(const char* name) {
    return ::Find<T>(&program.window1, name);
  }
  static QAccessibleInterface* Iface(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget);
  }
  static void Press(Qt::Key key) {
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    QTest::keyClick(QApplication::focusWidget(), key);
  }
  QString Text(const char* edit) { return TextOf(&program.window1, edit); }

  // Runs body inside the modal loop of the analysis window that the focused
  // button opens with the space bar.
  static void OpenWithSpace(QDialog& dialog, const std::function<void()>& body) {
    InsideModal(dialog, [] { Press(Qt::Key_Space); }, body);
  }

  Program program;
};

TEST_F(AccessibilityTest, EveryControlOfTheThreeWindowsHasANameAndADescription) {
  struct Window {
    QWidget* window;
    std::size_t controls;  // fields, tables, spinners, option groups and buttons
  };
  const Window windows[] = {
      // The option buttons of both groups included, and "Extras".
      {&program.window1, 6 + 2 + 2 + 2 + 18 + 7 + 1},
      // The frequency window with "Diagramm", the chart, its spinner and line
      // and "Verschiebung übernehmen"; the brute-force window with the latter.
      {&program.Window2(), 6 + 1 + 1 + 3 + 5},
      {&program.Window3(), 2 + 1 + 3 + 1},
  };
  for (const Window& w : windows) {
    const std::vector<QWidget*> controls = Controls(w.window);
    EXPECT_EQ(controls.size(), w.controls) << qPrintable(w.window->objectName());
    for (QWidget* control : controls) {
      SCOPED_TRACE(qPrintable(w.window->objectName() + QLatin1Char('.') + control->objectName()));
      QAccessibleInterface* iface = Iface(control);
      ASSERT_NE(iface, nullptr);
      EXPECT_FALSE(iface->text(QAccessible::Name).trimmed().isEmpty());
      EXPECT_FALSE(iface->text(QAccessible::Description).trimmed().isEmpty());
    }
  }
}

TEST_F(AccessibilityTest, NamesComeFromCaptionsHintsAndTheLabelsBesideTheControls) {
  struct Case {
    QWidget* window;
    const char* control;
    const char* name;
    const char* description;  // nullptr: not checked here
    const char* label;        // the label beside it, nullptr: none
  };
  const Case cases[] = {
      {&program.window1, "Edit1", "Klartext", "zu verschlüsselnder Text", "Label5"},
      {&program.window1, "StringGrid1", "Chiffre",
       "Verschlüsselungs-Tabelle, Chiffren-Tabelle: oben die Klartext-Zeichen, darunter die "
       "gesuchten Chiffrentextzeichen; Tab geht von Zelle zu Zelle, Strg+Tab verlässt die "
       "Tabelle",
       "Label7"},
      {&program.window1, "UpDown1", "Cäsar-Verschiebung ändern", nullptr, nullptr},
      {&program.window1, "Edit3", "Chiffrierter Text", "verschlüsselter Text", "Label6"},
      {&program.window1, "BitBtn3", "alles verschlüsseln", nullptr, nullptr},
      {&program.window1, "RadioGroup1", "Optionen für Alphabet", nullptr, nullptr},
      {&program.window1, "RadioGroup1Item0", "nur Buchstaben (original)", "Optionen für Alphabet",
       nullptr},
      {&program.Window2(), "BitBtn1", "Beenden", nullptr, nullptr},
      {&program.Window2(), "BitBtn2", "nach Zeichen sortieren", nullptr, nullptr},
      {&program.Window2(), "Edit1", "Bewertungstoleranz", nullptr, "Label1"},
      {&program.Window3(), "BitBtn2", "nach deutschen Wörtern sortieren",
       "absteigend nach Anzahl der deutschen Wörter und Wortgruppen sortieren", nullptr},
      {&program.Window3(), "RichEdit1", "benutzte Wortliste", nullptr, "Label3"},
      {&program.Window2(), "SpeedButton1", "Diagramm", nullptr, nullptr},
      {&program.Window2(), "Chart1", "Häufigkeitsdiagramm", nullptr, nullptr},
      {&program.Window2(), "UpDown2", "Verschiebung des Diagramms ändern", nullptr, nullptr},
      {&program.Window2(), "Edit7", "Verschiebung des Diagramms", nullptr, nullptr},
      {&program.Window2(), "BitBtn4", "Verschiebung übernehmen", nullptr, nullptr},
      {&program.Window3(), "BitBtn4", "Verschiebung übernehmen", nullptr, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.control);
    QWidget* control = Find(c.window, c.control);
    ASSERT_NE(control, nullptr);
    QAccessibleInterface* iface = Iface(control);
    EXPECT_EQ(iface->text(QAccessible::Name), QString::fromUtf8(c.name));
    if (c.description) {
      EXPECT_EQ(iface->text(QAccessible::Description), QString::fromUtf8(c.description));
    }
    if (!c.label) continue;
    auto* label = Find<QLabel>(c.window, c.label);
    EXPECT_EQ(label->buddy(), control);
    // The screen reader learns which label names the control.
    bool labelled = false;
    for (const auto& [other, relation] : iface->relations(QAccessible::Label))
      labelled = labelled || other->object() == label;
    EXPECT_TRUE(labelled);
  }
}

TEST_F(AccessibilityTest, CellPlacesAreSaidByTheirHeaders) {
  StringGrid cipher(37, 2, 0, 1);
  cipher.SetCell(7, 0, "H");
  StringGrid analysis(6, 62, 1, 1);
  analysis.SetCell(1, 0, "Anzahl");
  analysis.SetCell(0, 5, "E");
  analysis.SetCell(0, 27, " ");
  struct Case {
    const StringGrid* cells;
    GridCoord cell;
    const char* place;
  } const cases[] = {
      {&cipher, {7, 1}, "Spalte H"},
      {&cipher, {8, 1}, "Spalte 9"},  // a header without text: counted from 1
      {&cipher, {0, 0}, "Kopfzelle"},
      {&analysis, {1, 5}, "Zeile E, Spalte Anzahl"},
      {&analysis, {1, 27}, "Zeile 27, Spalte Anzahl"},  // the blank character
  };
  for (const Case& c : cases)
    EXPECT_EQ(CellPlace(*c.cells, c.cell), QString::fromUtf8(c.place))
        << c.cell.Col << "," << c.cell.Row;
}

// The table's focus is its current cell: what a screen reader reads when the
// table has the focus, a cell of its own wherever the current cell moves. (The
// events that tell a screen reader so are only delivered while one listens,
// which the offscreen platform never does, so the test reads the tree.)
TEST_F(AccessibilityTest, TheTablesFocusIsItsCurrentCellWhereverItMoves) {
  auto* grid = Find<GridWidget>("StringGrid1");
  QAccessibleInterface* table = Iface(grid);
  ASSERT_EQ(table->role(), QAccessible::Table);
  EXPECT_EQ(table->focusChild(), nullptr);  // the plaintext field has the focus

  QTest::keyClicks(Find("Edit1"), QStringLiteral("hallo"));
  QTest::mouseClick(Find("BitBtn1"), Qt::LeftButton);  // "ein Zeichen verschlüsseln"
  // H is encrypted to Y: the table has the focus, and its focus is the cell.
  ASSERT_TRUE(grid->hasFocus());
  QAccessibleInterface* cell = table->focusChild();
  ASSERT_NE(cell, nullptr);
  ASSERT_EQ(cell->role(), QAccessible::Cell);
  EXPECT_EQ(cell->parent(), table);
  EXPECT_EQ(table->child(table->indexOfChild(cell)), cell);
  EXPECT_EQ(cell->text(QAccessible::Name), QStringLiteral("Y"));
  EXPECT_EQ(cell->text(QAccessible::Description), QStringLiteral("Spalte H"));
  EXPECT_TRUE(cell->state().focused);
  EXPECT_TRUE(cell->state().selected);
  const QRect cellOnScreen = cell->rect();
  EXPECT_EQ(cellOnScreen.size(), QSize(12, 20));
  EXPECT_TRUE(QRect(grid->mapToGlobal(QPoint(0, 0)), grid->size()).contains(cellOnScreen));
  EXPECT_EQ(table->childAt(cellOnScreen.center().x(), cellOnScreen.center().y()), cell);

  QTest::keyClick(grid, Qt::Key_Right);
  QAccessibleInterface* next = table->focusChild();
  ASSERT_NE(next, nullptr);
  EXPECT_NE(next, cell);
  EXPECT_FALSE(cell->state().focused);
  EXPECT_EQ(next->text(QAccessible::Name), QStringLiteral("Z"));
  EXPECT_EQ(next->text(QAccessible::Description), QStringLiteral("Spalte I"));
  EXPECT_EQ(next->rect().left(), cellOnScreen.left() + 13);

  // Typing into the cell opens its editor, which says which table and cell it edits.
  QTest::keyClick(grid, Qt::Key_Q);
  ASSERT_NE(grid->Editor(), nullptr);
  EXPECT_EQ(grid->Editor()->accessibleName(), QStringLiteral("Chiffre"));
  EXPECT_EQ(grid->Editor()->accessibleDescription(), QStringLiteral("Spalte I"));
}

TEST_F(AccessibilityTest, TheSpinnerIsASpinBoxWithItsShiftAndArrows) {
  QAccessibleInterface* spinner = Iface(Find("UpDown1"));
  ASSERT_EQ(spinner->role(), QAccessible::SpinBox);
  QAccessibleValueInterface* value = spinner->valueInterface();
  ASSERT_NE(value, nullptr);
  EXPECT_EQ(value->currentValue().toInt(), 17);
  EXPECT_EQ(value->minimumValue().toInt(), 0);
  EXPECT_EQ(value->maximumValue().toInt(), 37);
  EXPECT_EQ(spinner->text(QAccessible::Value), QStringLiteral("17"));

  QAccessibleActionInterface* actions = spinner->actionInterface();
  ASSERT_NE(actions, nullptr);
  EXPECT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::increaseAction()));
  actions->doAction(QAccessibleActionInterface::increaseAction());
  EXPECT_EQ(Text("Edit2"), QStringLiteral("18"));
  EXPECT_EQ(Text("Edit6"), QStringLiteral("18"));  // the handler ran, as after a click
  EXPECT_EQ(value->currentValue().toInt(), 18);

  value->setCurrentValue(20);
  EXPECT_EQ(value->currentValue().toInt(), 20);
  EXPECT_EQ(Text("Edit2"), QStringLiteral("20"));
  value->setCurrentValue(99);  // beyond the maximum: the spinner stops there
  EXPECT_EQ(Text("Edit2"), QStringLiteral("37"));
}

// A call that never returns would hang the test run: after a while the
// process ends with a word, and the test counts as failed.
class AbortAfter {
 public:
  explicit AbortAfter(unsigned seconds) {
    std::signal(SIGALRM, [](int) {
      const char message[] = "a call through the accessibility interface did not return\n";
      (void)!write(STDERR_FILENO, message, sizeof message - 1);
      _exit(1);
    });
    alarm(seconds);
  }
  ~AbortAfter() { alarm(0); }
};

// Whatever a screen reader, a braille display or voice control asks of a
// spinner's value, the call returns at once and leaves the spinner in its
// range: a wrapping one wrapped, the others clamped, and a shift the handler
// reduces (27 under 26 letters becomes 1) does not send the spinner round.
// An assistive tool that writes into a field reaches the model as typing does.
TEST_F(AccessibilityTest, AnyValueSetOnASpinnerReturnsAtOnceWithTheSpinnerInRange) {
  const AbortAfter guard(20);
  const QVariant asked[] = {1000, -5, 30, 26, 27, 2.6, 1e300, QStringLiteral("viel")};
  // After "erweiterte Zeichenliste" once, both maxima stay at 60 under every alphabet.
  for (const int item : {3, 0, 1, 2, 3}) {
    const std::string option = "RadioGroup1Item" + std::to_string(item);
    Click(&program.window1, option.c_str());
    const int columns = Find<GridWidget>("StringGrid1")->Model().ColCount();
    for (const char* name : {"UpDown1", "UpDown2"}) {
      QAccessibleValueInterface* value = Iface(Find(name))->valueInterface();
      ASSERT_NE(value, nullptr);
      for (const QVariant& wanted : asked) {
        SCOPED_TRACE(QStringLiteral("%1 = %2 under %3 columns")
                         .arg(QString::fromLatin1(name), wanted.toString())
                         .arg(columns)
                         .toStdString());
        value->setCurrentValue(wanted);
        const int position = value->currentValue().toInt();
        EXPECT_GE(position, 0);
        EXPECT_LE(position, columns);  // a shift above the column count does not last
        const char* field = std::string(name) == "UpDown1" ? "Edit2" : "Edit6";
        EXPECT_EQ(Text(field), QString::number(position));
      }
    }
  }
  // Reachable values are reached as clicks reach them.
  Click(&program.window1, "RadioGroup1Item0");
  QAccessibleValueInterface* value = Iface(Find("UpDown1"))->valueInterface();
  value->setCurrentValue(3);
  EXPECT_EQ(Text("Edit2"), QStringLiteral("3"));
  value->setCurrentValue(26);
  EXPECT_EQ(Text("Edit2"), QStringLiteral("26"));
  // 27 and beyond do not last under 26 letters: the spinner stays at 26, the
  // nearest it keeps, whether it came from below or above.
  value->setCurrentValue(30);
  EXPECT_EQ(Text("Edit2"), QStringLiteral("26"));
  value->setCurrentValue(1000);
  EXPECT_EQ(Text("Edit2"), QStringLiteral("26"));
  value->setCurrentValue(2.6);
  EXPECT_EQ(Text("Edit2"), QStringLiteral("3"));

  // The chart and its spinner run round the alphabet: 1000 and -5 wrap.
  QTest::keyClicks(Find("Edit3"), QStringLiteral("GHU OHKUHU"));
  InsideModal(
      program.Window2(), [&] { Click(&program.window1, "BitBtn10"); },
      [&] {
        QDialog* dialog = &program.Window2();
        Click(dialog, "SpeedButton1");  // "Diagramm"
        const FrequencyChart& chart = program.form2.Chart1;
        ASSERT_EQ(chart.Size(), 26);
        for (const char* name : {"UpDown2", "Chart1"}) {
          QAccessibleValueInterface* value = Iface(Find(dialog, name))->valueInterface();
          ASSERT_NE(value, nullptr) << name;
          for (const auto& [wanted, lands] : std::vector<std::pair<QVariant, int>>{
                   {1000, 1000 % 26}, {-5, 21}, {26, 0}, {7.4, 7}}) {
            SCOPED_TRACE(std::string(name) + " = " + wanted.toString().toStdString());
            value->setCurrentValue(wanted);
            EXPECT_EQ(chart.State.Shift, lands);
            EXPECT_EQ(value->currentValue().toInt(), lands);
            EXPECT_EQ(Find<UpDownWidget>(dialog, "UpDown2")->Position(), lands);
            EXPECT_TRUE(
                TextOf(dialog, "Edit7").startsWith(QStringLiteral("Verschiebung %1 ").arg(lands)));
          }
        }
        Click(dialog, "BitBtn1");
      });
}

// Text an assistive tool writes into a field is what the window works on, as
// typed text is; a read-only field takes none.
TEST_F(AccessibilityTest, TextAnAssistiveToolWritesReachesTheModelButNoReadOnlyField) {
  Iface(Find("Edit3"))->setText(QAccessible::Value, QStringLiteral("yr114"));
  EXPECT_EQ(program.form1.Edit3.Text(), "yr114");
  Click(&program.window1, "BitBtn9");  // "sofort alle Zeichen entschlüsseln"
  EXPECT_EQ(Text("Edit5"), QStringLiteral("HALLO"));

  Iface(Find("Edit2"))->setText(QAccessible::Value, QStringLiteral("5"));
  QTest::qWait(20);
  EXPECT_EQ(Text("Edit2"), QStringLiteral("17"));
  EXPECT_EQ(program.form1.Edit2.Text(), "17");
}

TEST_F(AccessibilityTest, TheWorkbenchWorksFromTheKeyboard) {
  ASSERT_EQ(Focused(), QStringLiteral("Edit1"));
  QTest::keyClicks(Find("Edit1"), QStringLiteral("hallo"));
  ASSERT_TRUE(TabTo("BitBtn3"));
  Press(Qt::Key_Space);  // "alles verschlüsseln"
  EXPECT_EQ(Text("Edit3"), QStringLiteral("YR114"));

  // The alphabet option: one Tab stop, changed with the arrow keys.
  Find("Edit4")->setFocus(Qt::TabFocusReason);
  ASSERT_TRUE(TabTo("RadioGroup1Item2"));
  Press(Qt::Key_Down);
  EXPECT_TRUE(Find<QRadioButton>("RadioGroup1Item3")->isChecked());
  const StringGrid& table = Find<GridWidget>("StringGrid1")->Model();
  EXPECT_EQ(table.ColCount(), 60);
  Press(Qt::Key_Left);  // to the column on the left
  EXPECT_TRUE(Find<QRadioButton>("RadioGroup1Item1")->isChecked());
  EXPECT_EQ(table.ColCount(), 27);
  Press(Qt::Key_Up);
  EXPECT_TRUE(Find<QRadioButton>("RadioGroup1Item0")->isChecked());
  EXPECT_EQ(table.ColCount(), 26);

  // The spinner steps with the Up and Down keys.
  Find("Edit2")->setFocus(Qt::TabFocusReason);
  ASSERT_TRUE(TabTo("UpDown1"));
  Press(Qt::Key_Up);
  EXPECT_EQ(Text("Edit2"), QStringLiteral("18"));
  Press(Qt::Key_Down);
  Press(Qt::Key_Down);
  EXPECT_EQ(Text("Edit2"), QStringLiteral("16"));
  EXPECT_EQ(Text("Edit6"), QStringLiteral("16"));

  // "von vorn beginnen" of the encryption, reached with Tab, pressed with space.
  QTest::keyClicks(Find("Edit1"), QStringLiteral("x"));
  Find("Edit1")->setFocus(Qt::TabFocusReason);
  ASSERT_TRUE(TabTo("BitBtn3"));
  Press(Qt::Key_Space);
  ASSERT_FALSE(Text("Edit3").isEmpty());
  ASSERT_TRUE(TabTo("BitBtn14"));
  Press(Qt::Key_Space);
  EXPECT_EQ(Text("Edit3"), QString());
}

TEST_F(AccessibilityTest, BothAnalysesWorkFromTheKeyboard) {
  QTest::keyClicks(Find("Edit1"), QStringLiteral("der lehrer"));
  ASSERT_TRUE(TabTo("BitBtn3"));  // "alles verschlüsseln"
  Press(Qt::Key_Space);
  ASSERT_TRUE(TabTo("BitBtn10"));  // "Kryptoanalyse Einzelzeichen"
  OpenWithSpace(program.Window2(), [&] {
    QWidget* dialog = &program.Window2();
    EXPECT_EQ(Focused(), QStringLiteral("BitBtn1"));
    ASSERT_TRUE(TabTo("BitBtn3"));  // sort by count
    Press(Qt::Key_Space);
    EXPECT_FALSE(Find(dialog, "BitBtn3")->isEnabled());
    EXPECT_TRUE(Find(dialog, "BitBtn2")->isEnabled());
    ASSERT_TRUE(TabTo("UpDown1"));
    Press(Qt::Key_Up);
    EXPECT_EQ(Find<QLineEdit>(dialog, "Edit1")->text(), QStringLiteral("4"));
    ASSERT_TRUE(TabTo("BitBtn1"));  // "Beenden"
    Press(Qt::Key_Space);
    EXPECT_FALSE(dialog->isVisible());
  });
  EXPECT_EQ(program.Window2().result(), 1);

  // The offscreen platform has no window manager to hand the focus back.
  program.window1.activateWindow();
  ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &program.window1; }));
  Find("Edit3")->setFocus(Qt::TabFocusReason);
  ASSERT_TRUE(TabTo("BitBtn12"));  // "brachiale Kryptoanalyse (Brute Force)"
  OpenWithSpace(program.Window3(), [&] {
    QWidget* dialog = &program.Window3();
    ASSERT_TRUE(TabTo("BitBtn2"));  // sort by German words
    Press(Qt::Key_Space);
    EXPECT_FALSE(Find(dialog, "BitBtn2")->isEnabled());
    EXPECT_EQ(Find<GridWidget>(dialog, "StringGrid1")->Model().Cell(2, 1), "DER LEHRER");
    ASSERT_TRUE(TabTo("BitBtn1"));  // "Beenden"
    Press(Qt::Key_Space);
    EXPECT_FALSE(dialog->isVisible());
  });
  EXPECT_EQ(program.Window3().result(), 1);
}

}  // namespace
