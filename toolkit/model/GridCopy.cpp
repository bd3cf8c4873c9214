#include "toolkit/model/GridCopy.h"

#include <algorithm>

namespace {

void AppendRow(const StringGrid& cells, int row, const GridRect& body, CopiedTable& table) {
  std::vector<std::string>& line = table.Rows.emplace_back();
  line.reserve(table.HeaderCols + body.Right - body.Left + 1);
  for (int col = 0; col < table.HeaderCols; ++col) line.push_back(cells.Cell(col, row));
  for (int col = body.Left; col <= body.Right; ++col) line.push_back(cells.Cell(col, row));
}

void AppendEscaped(std::string& out, const std::string& text) {
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
}

}  // namespace

CopiedTable CopyCells(const StringGrid& cells, GridRect rect) {
  GridRect body = rect.Within(cells.Body());
  if (body.Empty()) body = cells.Body();
  CopiedTable table;
  table.HeaderRows = std::clamp(cells.FixedRows(), 0, cells.RowCount());
  table.HeaderCols = std::clamp(cells.FixedCols(), 0, cells.ColCount());
  for (int row = 0; row < table.HeaderRows; ++row) AppendRow(cells, row, body, table);
  for (int row = body.Top; row <= body.Bottom; ++row) AppendRow(cells, row, body, table);
  return table;
}

std::string TabSeparated(const CopiedTable& table) {
  std::size_t size = 0;
  for (const auto& row : table.Rows)
    for (const std::string& cell : row) size += cell.size() + 1;
  std::string out;
  out.reserve(size);
  for (const auto& row : table.Rows) {
    for (std::size_t i = 0; i < row.size(); ++i) {
      if (i > 0) out += '\t';
      for (const char c : row[i]) out += (c == '\t' || c == '\n' || c == '\r') ? ' ' : c;
    }
    out += '\n';
  }
  return out;
}

std::string HtmlTable(const CopiedTable& table) {
  std::string out = "<table>\n";
  for (std::size_t r = 0; r < table.Rows.size(); ++r) {
    out += "<tr>";
    const auto& row = table.Rows[r];
    for (std::size_t i = 0; i < row.size(); ++i) {
      const bool header =
          static_cast<int>(r) < table.HeaderRows || static_cast<int>(i) < table.HeaderCols;
      out += header ? "<th>" : "<td>";
      AppendEscaped(out, row[i]);
      out += header ? "</th>" : "</td>";
    }
    out += "</tr>\n";
  }
  out += "</table>\n";
  return out;
}
