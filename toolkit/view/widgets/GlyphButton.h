#pragma once
// A push button with a 16 × 16 glyph at a fixed distance from one edge and the
// caption a fixed spacing beside it, as the window layouts give them; Qt's own
// push button would centre both. The caption stays the button's text, so
// keyboard users and screen readers see it as usual.

#include <QIcon>
#include <QPushButton>

class GlyphButton : public QPushButton {
  Q_OBJECT

 public:
  enum class Side { Left, Right };

  GlyphButton(const QString& caption, const QIcon& glyph, QWidget* parent = nullptr);

  void SetGlyphSide(Side side) { side_ = side; update(); }
  // Edge to glyph; a negative margin centres glyph and caption together, so a
  // button without a caption shows its glyph in the middle.
  void SetMargin(int margin) { margin_ = margin; update(); }
  void SetSpacing(int spacing) { spacing_ = spacing; update(); }  // glyph to caption
  // Glyph, margin and spacing at a zoom step; they are given at 100 %.
  void SetZoom(int percent);

  // Where the glyph and the caption are drawn, in widget coordinates (for
  // tests), before a pressed button moves them; the caption is cut to
  // CaptionRoom().
  QRect GlyphRect() const;
  QRect CaptionRect() const;
  QRect CaptionRoom() const { return rect().adjusted(2, 2, -2, -2); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int Zoomed(int length) const;

  Side side_ = Side::Left;
  int margin_ = 4;
  int spacing_ = 8;
  int zoom_ = 100;
};
