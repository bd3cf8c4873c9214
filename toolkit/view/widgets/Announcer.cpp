#include "toolkit/view/widgets/Announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QTimer>

#include "toolkit/view/widgets/ScreenReader.h"

namespace {

class AnnouncerAccessible : public QAccessibleWidget {
 public:
  explicit AnnouncerAccessible(Announcer* announcer)
      : QAccessibleWidget(announcer, QAccessible::Notification) {}
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return static_cast<Announcer*>(widget())->Text();
    return {};
  }
};

QAccessibleInterface* AnnouncerInterface(const QString& className, QObject* object) {
  if (className == QLatin1String("Announcer"))
    if (auto* announcer = qobject_cast<Announcer*>(object)) return new AnnouncerAccessible(announcer);
  return nullptr;
}

}  // namespace

Announcer::Announcer(QWidget* window) : QWidget(window) {
  static const bool installed = [] {
    QAccessible::installFactory(AnnouncerInterface);
    return true;
  }();
  (void)installed;
  setObjectName(QStringLiteral("Announcer"));
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setGeometry(0, 0, 0, 0);
  hide();
}

void Announcer::Say(const QString& text) {
  if (!ScreenReaderListens()) return;
  // Several texts in one turn of the event loop (a drag across columns):
  // only the last is said.
  const bool pending = !pending_.isNull();
  pending_ = text;
  if (pending) return;
  QTimer::singleShot(0, this, [this] {
    hide();
    text_ = std::move(pending_);
    pending_ = QString();
    // Coming into view is what the screen reader speaks; it goes again at
    // once, ready for the next text.
    show();
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    ShowListeningTest(shown);
    hide();
  });
}
