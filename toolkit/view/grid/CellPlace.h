#pragma once
// Where a cell of a string grid stands, as a screen reader says it: by the
// texts of its row's and its column's header cells ("Zeile E, Spalte Anzahl"),
// or by numbers where the grid has no headers. The grid's cells and its
// in-place editor are described so (GridAccessible.cpp, GridEditor.cpp).

#include <QString>

#include "toolkit/model/StringGrid.h"

QString CellPlace(const StringGrid& cells, GridCoord cell);
