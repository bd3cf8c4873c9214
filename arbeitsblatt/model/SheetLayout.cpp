#include "arbeitsblatt/model/SheetLayout.h"

#include <algorithm>
#include <cmath>

std::vector<TextLine> BreakIntoLines(std::string_view text, int width) {
  const std::size_t w = static_cast<std::size_t>(std::max(width, 1));
  std::vector<TextLine> lines;
  std::size_t begin = 0;
  while (begin < text.size()) {
    std::size_t end = std::min(begin + w, text.size());
    if (end < text.size() && text[end] != ' ') {
      // The line would end inside a word: end after its last blank instead,
      // unless there is none and the word fills the line on its own.
      // A hyphen ends a line as well as a blank does: "Geheim-" over "Zeichen".
      const std::size_t blank = text.substr(begin, end - begin).find_last_of(" -");
      if (blank != std::string_view::npos) end = begin + blank + 1;
    }
    lines.push_back({begin, end - begin});
    begin = end;
  }
  return lines;
}

int HowManyFit(double height, double each) {
  if (each <= 0 || height <= 0) return 0;
  // A hair of rounding must not cost a whole line.
  return static_cast<int>(std::floor(height / each + 1e-9));
}

std::vector<TextLine> SpreadOverPages(std::size_t count, int first, int further) {
  const std::size_t f = static_cast<std::size_t>(std::max(first, 1));
  const std::size_t n = static_cast<std::size_t>(std::max(further, 1));
  std::vector<TextLine> pages;
  std::size_t begin = 0;
  std::size_t room = f;
  do {
    const std::size_t length = std::min(room, count - begin);
    pages.push_back({begin, length});
    begin += length;
    room = n;
  } while (begin < count);
  return pages;
}
