#pragma once
// A document the print dialog shows, prints and saves as PDF: the worksheet,
// or what an analysis window prints of itself. It lays itself out for the
// printable area of the page the printer or the PDF has, and paints one page
// at a time, so the preview draws only the page shown.

#include <QSizeF>
#include <QString>

class QPainter;

class SheetDocument {
 public:
  virtual ~SheetDocument() = default;

  // For a printable area of width × height millimetres; returns the pages.
  virtual int Layout(QSizeF printableMm) = 0;
  virtual int PageCount() const = 0;
  // Page 0..PageCount() − 1, the painter's origin at the printable area's
  // top-left corner.
  virtual void PaintPage(QPainter& painter, int page) const = 0;

  // The title on every page and in the PDF's properties.
  virtual QString Title() const = 0;
};
