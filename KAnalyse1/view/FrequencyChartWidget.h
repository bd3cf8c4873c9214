#pragma once
// The frequency chart: one blue bar per character of the alphabet in use, the
// characters outside it as a grey bar set apart at the end, a light tolerance
// band around each bar, and over them the German letter frequencies as
// outlined bars, moved along the alphabet by the chart's shift. The learner
// slides that profile by dragging it, with Left, Right and Home, or through
// an assistive tool (the chart is a slider from 0 to N - 1); the context menu
// and Ctrl+C copy the picture; a tooltip gives the numbers of a column.
//
// It draws a FrequencyChart and asks its owner to slide it (SlideWanted); it
// changes no number itself and knows nothing of the window around it. Whoever
// changes the chart (a slide, a new analysis, the tolerance, a spinner) calls
// Sync().
//
// One slide step repaints only the plot and the legend, over a cached picture
// of the band, the axis and the characters.

#include <QFrame>
#include <QImage>
#include <QPixmap>

#include <cstdint>

#include "KAnalyse1/model/FrequencyChart.h"

class QAction;

class FrequencyChartWidget : public QFrame {
  Q_OBJECT

 public:
  // decimalSeparator: the user's, as the platform reports it (Windows-1252).
  FrequencyChartWidget(FrequencyChart& chart, char decimalSeparator, QWidget* parent = nullptr);

  // Brings the picture and the accessible description up to date with the
  // chart after it changed from outside.
  void Sync();

  // The chart as "Diagramm kopieren" puts it on the clipboard: the widget's
  // size at its device pixel ratio, without frame and focus mark.
  QImage Picture() const;
  void CopyPicture() const;
  // The whole chart, without frame and focus mark, into a rectangle of the
  // given size at the painter's origin, drawn afresh: for a printer or a PDF,
  // where it stays a vector drawing (the painter's transform scales it).
  void PaintWhole(QPainter& p, QSize size) const;
  // Its context menu, where the window adds its own entries.
  class QMenu* Menu() const { return menu_; }

  // Where things are drawn, in widget coordinates: the centre of a column
  // (0..N - 1, or N for the characters outside the alphabet) and the plot's
  // rectangle from the 0 % line up to the axis' top.
  int ColumnCentre(int column) const;
  QRect PlotRect() const;
  // How many rows the characters under the axis take: 1, or 2 where they
  // stand too close for one row and alternate.
  int LabelRows() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 Q_SIGNALS:
  // The learner asks to move the profile to shift (mouse, keys, assistive
  // tool): shift may lie one beyond either end and wraps round there.
  void SlideWanted(int shift);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  bool event(QEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  friend class FrequencyChartAccessible;

  // Where everything goes in a rectangle of a given size.
  struct Geometry {
    QRect area;           // all of it
    QRect legend;         // the line above the plot: axis title and legend
    QRectF plot;          // x: first column to the rest's column; y: axis top to 0 %
    double column = 0;    // width of one character's column
    double restLeft = 0;  // left edge of the column of the rest ("???")
    double restWidth = 0;
    double barWidth = 0;
    double profileHalf = 0;  // half the width of a bar of the German profile
    int labelRows = 1;
    int labelTop = 0;  // top of the first row of characters
    PercentAxis axis;
    double Y(double percent) const;
    double ColumnLeft(int column) const;
  };
  Geometry Layout(QRect area) const;
  // The geometry for the widget as it is now, computed again only after the
  // size, the font or the chart's contents changed.
  const Geometry& Current() const;

  // What a slide step changes: the plot and the legend line.
  QRegion SlideRegion() const;
  void PaintStatic(QPainter& p, const Geometry& g) const;
  void PaintProfile(QPainter& p, const Geometry& g) const;
  void PaintLegend(QPainter& p, const Geometry& g) const;
  void PaintFocus(QPainter& p) const;
  void PaintCharacterLabel(QPainter& p, const QString& text, int centre, int top) const;

  // A slide by the learner: asks the owner to move the chart.
  void LearnerSlideTo(int shift);
  int ColumnAt(QPoint point) const;
  QString ToolTipAt(QPoint point) const;

  FrequencyChart& chart_;
  char separator_;
  QAction* copy_;
  class QMenu* menu_;

  mutable Geometry geometry_;  // for the current size, font and chart contents
  mutable bool geometryValid_ = false;
  mutable std::uint64_t geometryContents_ = 0;
  QPixmap static_;  // bars, band, axis and labels as Current() places them
  bool staticValid_ = false;

  std::uint64_t shownRevision_ = ~std::uint64_t{0};
  std::uint64_t shownContents_ = ~std::uint64_t{0};
  int shownShift_ = -1;

  bool dragging_ = false;
  int dragOriginX_ = 0;
  int dragOriginShift_ = 0;
};
