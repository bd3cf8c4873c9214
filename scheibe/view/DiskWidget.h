#pragma once
// The cipher disk drawn: the outer ring of plain characters, the inner ring of
// cipher characters turned by the shift, the pointer at the top, the shift in
// the hub, and the pair of the character just enciphered lit (filled and
// framed, so that it does not rest on colour alone). The blank is drawn as
// "␣". The learner turns the inner ring by dragging it (whole positions; the
// turn is asked for when the mouse lets go), with the wheel, with Right or Up
// (+1), Left or Down (−1) and Home (0), or through an assistive tool (a slider
// over the spinner's range); the context menu and Ctrl+C copy the picture.
//
// It draws a DiskForm and asks its owner to turn it (TurnWanted); it changes
// no shift itself. Sync() after the form changed: a new shift turns the ring
// the shorter way within 250 ms, or at once during a run or when the desktop
// asks for reduced motion.

#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <string>

#include "scheibe/model/DiskGeometry.h"

class DiskForm;
class QAction;
class QMenu;
class QVariantAnimation;

class DiskWidget : public QWidget {
  Q_OBJECT

 public:
  explicit DiskWidget(const DiskForm& form, QWidget* parent = nullptr);

  // Whether the learner may turn the disk now: not during a run, not while a
  // modal window is open. Asked at every input.
  void SetTakesInput(std::function<bool()> takesInput) { takesInput_ = std::move(takesInput); }
  // Whether a change comes without animation (a run is going on).
  void SetJumps(std::function<bool()> jumps) { jumps_ = std::move(jumps); }

  void Sync();

  // The inner ring's position as drawn now (between two whole ones while it
  // turns or is dragged).
  double ShownTurn() const { return shownTurn_; }
  // The rings' place in widget coordinates.
  DiskLayout Layout() const;

  // The disk on white, at the widget's size and device pixel ratio.
  QImage Picture() const;
  void CopyPicture() const;

  // The actions of its context menu, so that others can add theirs.
  QMenu* Menu() const { return menu_; }

  QSize sizeHint() const override { return {320, 320}; }
  QSize minimumSizeHint() const override { return {120, 120}; }

 Q_SIGNALS:
  // The learner turns the disk by whole positions (positive: the shift goes up).
  void TurnWanted(int positions);
  // ... or to a shift (Home, an assistive tool).
  void TurnToWanted(int shift);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  friend class DiskAccessible;

  bool TakesInput() const { return !takesInput_ || takesInput_(); }
  void Paint(QPainter& p, const DiskLayout& layout, bool focusMark) const;
  void PaintRing(QPainter& p, const DiskLayout& layout, bool inner, double turn) const;
  const QPixmap& RingPicture(bool inner, double turn) const;
  void TurnShownTo(int turn);
  void EndDrag();

  const DiskForm& form_;
  std::function<bool()> takesInput_;
  std::function<bool()> jumps_;
  QVariantAnimation* animation_;
  QAction* copy_;
  QMenu* menu_;
  double shownTurn_ = 0;  // what is drawn
  int syncedTurn_ = 0;    // the form's turn when last synced
  std::string syncedAlphabet_;
  std::uint64_t alphabetRevision_ = 0;  // moves on with every other alphabet
  // A ring as a picture, and what it was drawn for.
  struct RingCache {
    QPixmap picture;
    QSize size;
    qreal dpr = 0;
    std::uint64_t revision = ~std::uint64_t{0};
    double turn = 0;
  };
  mutable RingCache outerCache_;
  mutable RingCache innerCache_;
  std::uint64_t syncedRevision_ = ~std::uint64_t{0};
  bool dragging_ = false;
  double dragLast_ = 0;     // the mouse's angle at its last move
  double dragDegrees_ = 0;  // how far it went round since the drag began
  int dragSteps_ = 0;       // whole positions dragged so far (positive: the shift goes up)
};
