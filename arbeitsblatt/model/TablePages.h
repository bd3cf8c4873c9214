#pragma once
// A table on paper: every cell's text wrapped to its column's width, each row
// as tall as its tallest cell, the rows spread over pages, and a row taller
// than a page carried on over as many as it needs. The analysis windows print
// their tables so, the brute force's 65,535-character trials too: wrapped,
// never cut.

#include <cstddef>
#include <string>
#include <vector>

#include "arbeitsblatt/model/SheetLayout.h"

// A table's texts by row and column (Windows-1252); the first row is the head.
struct PrintedTable {
  std::vector<std::vector<std::string>> Rows;
  std::vector<int> ColumnChars;  // how many characters a line of each column holds
};

// Part of a body row on a page: its lines [FirstLine, FirstLine + Lines).
struct RowSlice {
  std::size_t Row = 0;  // index into PrintedTable::Rows (1 and up: the body)
  std::size_t FirstLine = 0;
  std::size_t Lines = 0;
};

struct TablePage {
  std::vector<RowSlice> Slices;
};

struct TablePlan {
  // The lines of every cell, by row and column.
  std::vector<std::vector<std::vector<TextLine>>> CellLines;
  std::vector<std::size_t> RowLines;  // each row's height in lines (at least 1)
  std::vector<TablePage> Pages;       // the body's rows; the head repeats on every page
};

// firstPageLines and furtherLines: the lines of the body a page holds (the
// head's lines already taken off). No body rows still give one page.
TablePlan PlanTable(const PrintedTable& table, int firstPageLines, int furtherLines);
