#include "toolkit/view/Layout.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QWidget>

void AnchorLayout::Place(QWidget* widget, QRect designed, unsigned anchors, QSize client) {
  items_.push_back({widget, designed, anchors});
  widget->setGeometry(Anchored(items_.back(), client));
}

void AnchorLayout::Apply(QSize client) const {
  for (const Item& item : items_) {
    const QRect place = Anchored(item, client);
    if (item.widget->geometry() != place) item.widget->setGeometry(place);
  }
}

QRect AnchorLayout::Anchored(const Item& item, QSize client) const {
  const int dx = client.width() - designed_.width();
  const int dy = client.height() - designed_.height();
  QRect r = item.designed;
  if (item.anchors & kAnchorRight) {
    if (item.anchors & kAnchorLeft)
      r.setWidth(r.width() + dx);
    else
      r.translate(dx, 0);
  }
  if (item.anchors & kAnchorBottom) {
    if (item.anchors & kAnchorTop)
      r.setHeight(r.height() + dy);
    else
      r.translate(0, dy);
  }
  return r;
}

void ChainTabOrder(QWidget* window, std::initializer_list<const char*> names) {
  QWidget* previous = nullptr;
  auto chain = [&](QWidget* widget) {
    if (previous) QWidget::setTabOrder(previous, widget);
    previous = widget;
  };
  for (const char* name : names) {
    QWidget* widget = window->findChild<QWidget*>(QString::fromLatin1(name));
    if (!widget) continue;
    if (auto* box = qobject_cast<QGroupBox*>(widget)) {
      for (QRadioButton* radio : box->findChildren<QRadioButton*>()) chain(radio);
      continue;
    }
    chain(widget);
  }
}
