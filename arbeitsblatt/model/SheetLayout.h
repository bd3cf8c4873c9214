#pragma once
// What goes on which printed page: a text broken into lines of boxes, the
// rows of a table spread over blocks and pages. Lengths are millimetres on
// the printable area of the page the printer or the PDF has; the painting
// (arbeitsblatt/view) only draws what these say, so every page break is
// decided and tested here.

#include <cstddef>
#include <string_view>
#include <vector>

// A run of characters of a text: [Begin, Begin + Length).
struct TextLine {
  std::size_t Begin = 0;
  std::size_t Length = 0;
};

// Breaks a text into lines of at most `width` characters (at least 1): after
// a blank or a hyphen where the next word would not fit any more, inside a
// word only where the word alone is longer than a line. Every character stays, in
// order: the lines laid end to end are the text.
std::vector<TextLine> BreakIntoLines(std::string_view text, int width);

// How many of something of height `each` fit into `height` (at least 0).
int HowManyFit(double height, double each);

// Items 0..count − 1 spread over pages: `first` on the first page, `further`
// on every one after it (both at least 1). Every page holds [Begin, Begin +
// Length); no items still give one empty page.
std::vector<TextLine> SpreadOverPages(std::size_t count, int first, int further);
