#pragma once
// Placing controls as the window layouts give them: at a pixel position in the
// client area, anchored to the window edges they keep their distance to when a
// window grows.
//
// The layouts were measured in the bitmap MS Sans Serif. Where another face
// stands in for it (Tahoma on a scaled screen, Tahoma Bold for bold text), a
// label's text can run a few pixels wider than the label; FitLabels lets such
// a label grow to the right into the free room before its neighbour, and
// condenses its font where even that room is too narrow, so no label cuts off
// its last character or runs under the next control.

#include <QRect>

#include <vector>

class QWidget;

enum Anchor : unsigned {
  kAnchorLeft = 1,
  kAnchorTop = 2,
  kAnchorRight = 4,
  kAnchorBottom = 8,
};
inline constexpr unsigned kAnchorTopLeft = kAnchorLeft | kAnchorTop;
inline constexpr unsigned kAnchorTopRight = kAnchorTop | kAnchorRight;
inline constexpr unsigned kAnchorBottomLeft = kAnchorLeft | kAnchorBottom;
inline constexpr unsigned kAnchorBottomRight = kAnchorRight | kAnchorBottom;
inline constexpr unsigned kAnchorAll = kAnchorLeft | kAnchorTop | kAnchorRight | kAnchorBottom;

// Keeps controls at their anchored places in a client area that may grow, at
// the view's zoom (toolkit/model/Zoom.h): every place and the designed client
// area grow with it, the anchors then work as at 100 %.
class AnchorLayout {
 public:
  // designedClient: the client area the positions were laid out in.
  explicit AnchorLayout(QSize designedClient) : designed_(designedClient) {}

  // Puts a control at its place for the current client size and remembers it.
  void Place(QWidget* widget, QRect designed, unsigned anchors, QSize client);
  // Moves every placed control for a new client size: anchored to two opposite
  // edges a control stretches, anchored to the far edge only it moves along.
  void Apply(QSize client) const;
  // Fits the placed labels to their texts, by their places in the designed
  // client area, and moves them for the current client size.
  void FitLabels(QSize client);

  // Every place from its design at a zoom step; call FitLabels and Apply after.
  void SetZoom(int percent);
  // The client area as designed, at the zoom.
  QSize DesignedClient() const;

 private:
  struct Item {
    QWidget* widget;
    QRect designed;  // as the layout gives it, at 100 %
    QRect placed;    // at the zoom, widened to fit a label's text
    unsigned anchors;
  };
  QRect Anchored(const Item& item, QSize client) const;
  QRect Zoomed(QRect designed) const;

  QSize designed_;
  int zoom_ = 100;
  std::vector<Item> items_;
};
