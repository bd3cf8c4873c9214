#pragma once
// The widgets of one window, made from its table of ControlRow rows: each
// bound to its control of the window model, placed and anchored, named and
// described for screen readers, chained in tab order. A mistake that a table
// can still hold (two rows of one name, two controls at one tab stop, a label
// for a control without a widget, a control a screen reader could not name)
// stops the program at start-up, so that every test which opens the windows
// finds it.

#include <QSize>
#include <QString>

#include <functional>
#include <vector>

#include "toolkit/view/form/ControlRow.h"
#include "toolkit/view/form/Layout.h"

class FormBinder;
class QWidget;

class ControlTable {
 public:
  // designedClient: the client area the rows' places were laid out in.
  ControlTable(QWidget* window, FormBinder& binder, QSize designedClient);
  ControlTable(const ControlTable&) = delete;
  ControlTable& operator=(const ControlTable&) = delete;

  // Makes and places a widget for every row, then fits the labels to their
  // texts (Layout.h). Once per window.
  void Build(std::vector<ControlRow> rows);

  // Moves the anchored controls for a new client size.
  void Apply(QSize client) const { layout_.Apply(client); }

  // Every control at a zoom step: places, fonts, glyphs, grid cells; then
  // Apply() for the window's new client size.
  void SetZoom(int percent);
  // The client area as designed, at the zoom.
  QSize DesignedClient() const { return layout_.DesignedClient(); }

  // The control at tab stop 0, or nullptr.
  QWidget* FirstTabStop() const;

  // The name of the control a widget is or belongs to (an option of a group,
  // a table's editor); empty for none.
  QString ControlNameOf(const QWidget* widget) const;
  // F1 anywhere in the window: wanted() gets the name of the focused control.
  void InstallHelpKey(std::function<void(const QString& control)> wanted);

  // Adds a line, such as where the files are, to the tooltip of every control
  // that reads or writes a file.
  void AddToFileToolTips(const QString& line);

 private:
  QWidget* Make(const ControlRow& row);
  void Describe(const ControlRow& row, QWidget* widget) const;
  void ChainTabOrder() const;
  void TieLabels() const;

  QWidget* window_;
  FormBinder& binder_;
  AnchorLayout layout_;
  std::vector<ControlRow> rows_;
  std::vector<QWidget*> widgets_;  // by row
};
