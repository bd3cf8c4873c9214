#include "tests/support/WindowTest.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBackingStore>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "toolkit/view/widgets/GlyphButton.h"
#include "toolkit/view/widgets/UpDownWidget.h"

QString TextOf(const QWidget* window, const char* field) {
  const auto* edit = Find<QLineEdit>(window, field);
  return edit ? edit->text() : QString();
}

void Click(const QWidget* window, const char* name) {
  if (QWidget* widget = Find(window, name)) QTest::mouseClick(widget, Qt::LeftButton);
}

void ClickArrow(const QWidget* window, const char* spinner, bool up) {
  auto* arrows = Find<UpDownWidget>(window, spinner);
  if (!arrows) return;
  QTest::mouseClick(arrows, Qt::LeftButton, {},
                    (up ? arrows->UpRect() : arrows->DownRect()).center());
}

QString Focused() {
  return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

bool TabTo(const char* name) {
  for (int i = 0; i < 40 && QApplication::focusWidget() && Focused() != QLatin1String(name); ++i)
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  return Focused() == QLatin1String(name);
}

std::vector<QString> TabWalk(int presses) {
  std::vector<QString> visited{Focused()};
  for (int i = 0; i < presses && QApplication::focusWidget(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited.push_back(Focused());
  }
  return visited;
}

QStringList ChooseFromContextMenu(QWidget* widget, QPoint pos, const char* entry) {
  QStringList offered;
  bool chosen = entry == nullptr;
  // The menu runs a loop of its own; the choice is made inside it.
  QTimer::singleShot(0, widget, [&] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu) return;
    QAction* choice = nullptr;
    for (QAction* action : menu->actions()) {
      offered << action->text();
      if (entry && action->text() == QString::fromUtf8(entry)) choice = action;
    }
    menu->close();
    if (choice) {
      choice->trigger();
      chosen = true;
    }
  });
  QContextMenuEvent event(QContextMenuEvent::Mouse, pos, widget->mapToGlobal(pos));
  QApplication::sendEvent(widget, &event);
  EXPECT_TRUE(chosen) << "no entry " << entry << " in "
                      << qPrintable(offered.join(QLatin1Char('|')));
  return offered;
}

QStringList MenuOpenedBy(QWidget* widget, const std::function<void()>& act) {
  QStringList offered;
  QTimer::singleShot(0, widget, [&] {
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
      for (QAction* action : menu->actions()) offered << action->text();
      menu->close();
    }
  });
  act();
  QCoreApplication::processEvents();
  return offered;
}

void InsideModal(QDialog& dialog, const std::function<void()>& open,
                 const std::function<void()>& inside) {
  bool ran = false;
  QTimer::singleShot(0, &dialog, [&] {
    ran = true;
    if (QApplication::activeModalWidget() != &dialog) {
      ADD_FAILURE() << "the modal window is not " << qPrintable(dialog.objectName());
    } else if (!QTest::qWaitForWindowExposed(&dialog)) {
      ADD_FAILURE() << qPrintable(dialog.objectName()) << " is not on the screen";
    } else if (!QTest::qWaitFor([&] { return QApplication::activeWindow() == &dialog; })) {
      // Shown from a key press, the window system activates the dialog a moment
      // later; keys go to the active window's focus.
      ADD_FAILURE() << qPrintable(dialog.objectName()) << " never became the active window";
    } else {
      inside();
    }
    if (dialog.isVisible()) dialog.done(-1);
  });
  open();
  EXPECT_TRUE(ran) << qPrintable(dialog.objectName()) << " did not open";
}

void ExpectPlacements(const QWidget* window, std::span<const Placement> placements) {
  for (const Placement& p : placements) {
    const QWidget* widget = Find(window, p.name);
    if (!widget) continue;
    EXPECT_EQ(widget->parentWidget(), window) << p.name;
    if (!qobject_cast<const QLabel*>(widget)) {
      EXPECT_EQ(widget->geometry(), p.place) << p.name;
      continue;
    }
    EXPECT_EQ(widget->pos(), p.place.topLeft()) << p.name;
    EXPECT_EQ(widget->height(), p.place.height()) << p.name;
    EXPECT_GE(widget->width(), p.place.width()) << p.name;
    EXPECT_GE(widget->width(), widget->sizeHint().width()) << p.name << " cuts its text";
    for (const Placement& other : placements) {
      const QRect o = other.place;
      if (o.left() > p.place.left() && o.top() <= p.place.bottom() &&
          o.bottom() >= p.place.top()) {
        EXPECT_LT(widget->geometry().right(), o.left()) << p.name << " runs into " << other.name;
      }
    }
  }
}

void ExpectClearOfOthers(const QWidget* window, std::initializer_list<const char*> names) {
  const QList<QWidget*> all = window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  for (const char* name : names) {
    const QWidget* widget = Find(window, name);
    if (!widget || !widget->isVisibleTo(window)) continue;
    for (const QWidget* other : all) {
      if (other == widget || other->isWindow() || !other->isVisibleTo(window)) continue;
      EXPECT_FALSE(widget->geometry().intersects(other->geometry()))
          << name << " overlaps " << qPrintable(other->objectName());
    }
    if (const auto* button = qobject_cast<const GlyphButton*>(widget)) {
      const QRect caption = button->CaptionRect();
      EXPECT_GE(caption.left(), button->CaptionRoom().left()) << name << " cuts its caption";
      EXPECT_LE(caption.right(), button->CaptionRoom().right()) << name << " cuts its caption";
      if (!button->GlyphRect().isNull()) {
        EXPECT_GT(caption.left(), button->GlyphRect().right()) << name;
      }
    }
  }
}

BoxAnswerer::BoxAnswerer(std::deque<const char*> buttons, std::function<void(QMessageBox*)> look)
    : buttons_(std::move(buttons)), look_(std::move(look)) {
  timer_.setInterval(5);
  QObject::connect(&timer_, &QTimer::timeout, [this] { AnswerOpenBox(); });
  timer_.start();
}

void BoxAnswerer::AnswerOpenBox() {
  auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  if (!box || !box->isVisible() || buttons_.empty()) return;
  Seen << box->windowTitle() + QStringLiteral(": ") + box->text();
  if (look_) look_(box);
  const QString wanted = QString::fromUtf8(buttons_.front());
  buttons_.pop_front();
  for (QAbstractButton* button : box->buttons())
    if (button->text() == wanted) return button->click();
  ADD_FAILURE() << "no button " << qPrintable(wanted) << " in " << qPrintable(box->text());
  box->reject();
}

bool OnScreen(QWidget& window, std::initializer_list<const char*> names) {
  QPaintDevice* store = window.backingStore() ? window.backingStore()->paintDevice() : nullptr;
  if (!store || store->devType() != QInternal::Image) return false;
  const QImage screen = static_cast<const QImage*>(store)->convertToFormat(QImage::Format_RGB32);
  const QImage drawn = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
  if (screen.size() != drawn.size()) return false;
  const qreal ratio = drawn.devicePixelRatio();
  for (const char* name : names) {
    const QWidget* part = Find(&window, name);
    if (!part) return false;
    const QRect rect(part->mapTo(&window, QPoint(0, 0)) * ratio, part->size() * ratio);
    if (screen.copy(rect) != drawn.copy(rect)) return false;
  }
  return true;
}
