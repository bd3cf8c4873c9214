#pragma once
// The help's pages made from the windows themselves: for each window, every
// control in tab order (then those the keyboard does not stop at) with its
// name, what it does and its keys, taken from the window's control table, so
// the help cannot say what the window does not do; and one page of all keys,
// from the same rows and the windows' own key actions. An entry's anchor is
// "<window>-<control>" (Form1-BitBtn10), which F1 on the control opens.

#include <QList>
#include <QString>

#include <vector>

#include "toolkit/view/form/ControlRow.h"

class QAction;

struct WindowHelp {
  QString Id;     // the window's object name: Form1, Form2, Form3
  QString Title;  // its caption
  QString Intro;  // a sentence on what the window is for
  std::vector<ControlRow> Rows;
  QList<QAction*> Actions;  // its keys beyond the controls' (zoom, help, menus)
};

// One window's page, its title a heading, each control an entry with its
// anchor; the entry of the anchor `marked`, if any, stands out.
QString ControlPageHtml(const WindowHelp& window, const QString& marked = {});

// Every key of every window, grouped by window, after the keys every window
// answers to.
QString KeysPageHtml(const std::vector<WindowHelp>& windows);

// The anchor of a control's entry.
QString EntryAnchor(const QString& window, const QString& control);
