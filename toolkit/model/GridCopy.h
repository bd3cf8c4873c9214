#pragma once
// What "Kopieren" takes from a string grid before the view puts it on the
// clipboard: the cells of a rectangle under the texts of their columns' header
// cells, each row led by its own header cells, written as tab-separated lines
// and as an HTML table, so that a spreadsheet pastes the table with its
// headers. Texts stay Windows-1252 here; the view converts them to Unicode.
// Nothing here changes the grid.

#include <string>
#include <vector>

#include "toolkit/model/StringGrid.h"

struct CopiedTable {
  // The header lines (the fixed rows) first, then the rows of the rectangle;
  // every row begins with its cells in the fixed columns.
  std::vector<std::vector<std::string>> Rows;
  int HeaderRows = 0;
  int HeaderCols = 0;
};

// The cells of a rectangle as they are copied. The rectangle is cut to the
// cells outside the fixed rows and columns; when nothing of it is left, such
// as a selection hidden in the fixed row, the whole table is copied.
CopiedTable CopyCells(const StringGrid& cells, GridRect rect);

// One line per row, the cells separated by tabs, every line ended by a line
// break. A tab or a line break inside a cell becomes a blank, so that it cannot
// open a column or a row of its own.
std::string TabSeparated(const CopiedTable& table);

// The same as an HTML table: the header lines and the header cells that lead
// each row as <th>, the other cells as <td>, with &, <, > and " escaped.
std::string HtmlTable(const CopiedTable& table);
