#pragma once
// What a screen reader learns about the windows. Each control gets an
// accessible name and description in German, taken from its caption or the
// label beside it, and that label becomes its buddy. The toolkit's own widgets
// bring accessible interfaces of their own: the string grid is a table whose
// current cell is its one child and is announced whenever it moves, and the
// up-down spinner is a spin box with a position, an increase and a decrease.

#include <QString>

#include <span>

#include "toolkit/model/StringGrid.h"

class GridWidget;
class QWidget;

// A control's texts, in UTF-8.
struct AccessibleText {
  const char* control;      // the control's object name
  const char* name;         // what it is: its caption or the label beside it
  const char* description;  // what it holds or does
  const char* label;        // the label standing beside it, or nullptr
};

// Gives each named child of window its texts. The option buttons of an option
// group keep their captions as names and are described by the group's name.
void DescribeControls(QWidget* window, std::span<const AccessibleText> texts);

// Where a cell stands, as a screen reader says it: by the texts of its row's
// and its column's header cells ("Zeile E, Spalte Anzahl"), or by numbers where
// the grid has no headers.
QString CellPlace(const StringGrid& cells, GridCoord cell);

// Registers the accessible interfaces of GridWidget and UpDownWidget. Their
// constructors call it; the second and later calls do nothing.
void InstallToolkitAccessibility();

// Tells a screen reader that the grid's current cell has moved: the cell is
// renamed, and while the grid has the focus the cell takes it.
void AnnounceCurrentCell(GridWidget* grid);
