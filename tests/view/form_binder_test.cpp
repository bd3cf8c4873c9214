// What every window's binder guarantees beyond binding: a handler that fails
// ends with a German box and leaves the window taking input, and Shift+F10
// opens the focused control's context menu as the menu key does.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <functional>
#include <new>
#include <stdexcept>

#include "tests/support/WindowTest.h"
#include "toolkit/model/Controls.h"
#include "toolkit/view/form/FormBinder.h"

namespace {

struct Form {
  Edit Edit1;
  Button BitBtn1;  // fails half way
  Button BitBtn2;  // works
  int done = 0;
};

class BinderTest : public testing::Test {
 protected:
  BinderTest() {
    auto* layout = new QVBoxLayout(&window);
    field = new QLineEdit(&window);
    failing = new QPushButton(QStringLiteral("scheitert"), &window);
    working = new QPushButton(QStringLiteral("geht"), &window);
    for (QWidget* w : {static_cast<QWidget*>(field), static_cast<QWidget*>(failing),
                       static_cast<QWidget*>(working)})
      layout->addWidget(w);
    binder = new FormBinder(&window);
    binder->BindEdit(form.Edit1, field);
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
  }

  Form form;
  QWidget window;
  QLineEdit* field;
  QPushButton* failing;
  QPushButton* working;
  FormBinder* binder;
};

TEST_F(BinderTest, AFailingHandlerEndsWithABoxAndTheWindowGoesOn) {
  struct Case {
    const char* name;
    std::function<void()> fail;
    const char* box;
  };
  const Case cases[] = {
      {"no memory left", [] { throw std::bad_alloc(); },
       "Fehler: Der Vorgang wurde abgebrochen: Es ist nicht genug Arbeitsspeicher frei."},
      {"a text too long", [] { throw std::length_error("basic_string::_M_create"); },
       "Fehler: Der Vorgang wurde abgebrochen: Der Text ist zu lang."},
      {"anything else", [] { throw 42; },
       "Fehler: Der Vorgang wurde abgebrochen: unbekannter Fehler."},
  };
  binder->BindButton(form.BitBtn2, working, [this] { ++form.done; });
  std::function<void()> failNow;
  binder->BindButton(form.BitBtn1, failing, [this, &failNow] {
    form.Edit1.SetText("halb");
    failNow();
  });
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    failNow = c.fail;
    form.Edit1.SetText({});
    binder->Sync();
    BoxAnswerer answers({"OK"});
    QTest::mouseClick(failing, Qt::LeftButton);
    ASSERT_EQ(answers.Seen.size(), 1);
    EXPECT_EQ(answers.Seen[0], QString::fromUtf8(c.box));
    EXPECT_FALSE(binder->Busy());
    // The field shows what the handler had done when it failed.
    EXPECT_EQ(field->text(), QStringLiteral("halb"));
    const int before = form.done;
    QTest::mouseClick(working, Qt::LeftButton);
    EXPECT_EQ(form.done, before + 1) << "the window takes input again";
  }
}

TEST_F(BinderTest, ShiftF10OpensTheContextMenuOfTheFocusedField) {
  field->setFocus();
  const QStringList entries =
      MenuOpenedBy(field, [this] { QTest::keyClick(field, Qt::Key_F10, Qt::ShiftModifier); });
  EXPECT_TRUE(entries.join(QLatin1Char('|')).contains(QString::fromUtf8("Einf&ügen")))
      << entries.join(QLatin1Char('|')).toStdString();
}

}  // namespace
