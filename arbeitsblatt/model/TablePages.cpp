#include "arbeitsblatt/model/TablePages.h"

#include <algorithm>

TablePlan PlanTable(const PrintedTable& table, int firstPageLines, int furtherLines) {
  TablePlan plan;
  plan.CellLines.resize(table.Rows.size());
  plan.RowLines.resize(table.Rows.size(), 1);
  for (std::size_t r = 0; r < table.Rows.size(); ++r) {
    const auto& row = table.Rows[r];
    plan.CellLines[r].resize(row.size());
    for (std::size_t c = 0; c < row.size(); ++c) {
      const int width = c < table.ColumnChars.size() ? table.ColumnChars[c] : 1;
      plan.CellLines[r][c] = BreakIntoLines(row[c], width);
      plan.RowLines[r] = std::max(plan.RowLines[r], plan.CellLines[r][c].size());
    }
  }
  const std::size_t first = static_cast<std::size_t>(std::max(firstPageLines, 1));
  const std::size_t further = static_cast<std::size_t>(std::max(furtherLines, 1));
  plan.Pages.emplace_back();
  std::size_t room = first;
  for (std::size_t r = 1; r < table.Rows.size(); ++r) {
    std::size_t line = 0;
    const std::size_t lines = plan.RowLines[r];
    // A row that fits on a fresh page but not in the rest of this one starts
    // the next page; a longer one fills what is left and goes on over.
    if (lines > room && lines <= further && room < (plan.Pages.size() == 1 ? first : further)) {
      plan.Pages.emplace_back();
      room = further;
    }
    while (line < lines) {
      if (room == 0) {
        plan.Pages.emplace_back();
        room = further;
      }
      const std::size_t take = std::min(room, lines - line);
      plan.Pages.back().Slices.push_back({r, line, take});
      line += take;
      room -= take;
    }
  }
  return plan;
}
