#include "toolkit/view/form/Layout.h"

#include <QLabel>
#include <QWidget>

#include <algorithm>

#include "toolkit/model/Zoom.h"

namespace {

// The width a label needs at its place. It grows to its text's width, but no
// further than the room up to the nearest control on its right (one that
// starts right of the label's left edge and shares some of its height) or the
// client area's edge; a text wider than that room gets a condensed font.
int FitLabel(QLabel* label, QRect place, const std::vector<QRect>& others, int clientWidth) {
  const int needed = label->sizeHint().width();
  if (needed <= place.width()) return place.width();
  int room = clientWidth - place.left();
  for (const QRect& other : others)
    if (other.left() > place.left() && other.top() <= place.bottom() &&
        other.bottom() >= place.top())
      room = std::min(room, other.left() - place.left() - 1);
  room = std::max(room, place.width());
  if (needed <= room) return needed;
  // Fonts condense in steps of their own: take the first stretch that fits.
  QFont font = label->font();
  for (int stretch = 99; stretch >= 50 && label->sizeHint().width() > room; --stretch) {
    font.setStretch(stretch);
    label->setFont(font);
  }
  return room;
}

}  // namespace

QRect AnchorLayout::Zoomed(QRect designed) const {
  const ZoomRect r = ZoomRectangle({designed.x(), designed.y(), designed.width(), designed.height()},
                                   zoom_);
  return {r.Left, r.Top, r.Width, r.Height};
}

QSize AnchorLayout::DesignedClient() const {
  return Zoomed(QRect(QPoint(0, 0), designed_)).size();
}

void AnchorLayout::Place(QWidget* widget, QRect designed, unsigned anchors, QSize client) {
  items_.push_back({widget, designed, Zoomed(designed), anchors});
  widget->setGeometry(Anchored(items_.back(), client));
}

void AnchorLayout::SetZoom(int percent) {
  zoom_ = percent;
  for (Item& item : items_) item.placed = Zoomed(item.designed);
}

void AnchorLayout::Apply(QSize client) const {
  for (const Item& item : items_) {
    const QRect place = Anchored(item, client);
    if (item.widget->geometry() != place) item.widget->setGeometry(place);
  }
}

void AnchorLayout::FitLabels(QSize client) {
  std::vector<QRect> places;
  for (const Item& item : items_) places.push_back(item.placed);
  const int clientWidth = DesignedClient().width();
  for (Item& item : items_)
    if (auto* label = qobject_cast<QLabel*>(item.widget))
      item.placed.setWidth(FitLabel(label, item.placed, places, clientWidth));
  Apply(client);
}

QRect AnchorLayout::Anchored(const Item& item, QSize client) const {
  const QSize designed = DesignedClient();
  const int dx = client.width() - designed.width();
  const int dy = client.height() - designed.height();
  QRect r = item.placed;
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
