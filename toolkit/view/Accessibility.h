#pragma once
// What a screen reader learns about the toolkit's own widgets. (Each control's
// German name, description and label come from its row of the window's
// control table: ControlTable.h.) The string grid is a table whose current
// cell is its one child and is announced whenever it moves, and the up-down
// spinner is a spin box with a position, an increase and a decrease.

#include <QString>

#include "toolkit/model/StringGrid.h"

class GridWidget;

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
