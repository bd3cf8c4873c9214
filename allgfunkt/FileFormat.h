#pragma once
// The text files on drive A: hold one line. The program writes it as
// Windows-1252 bytes followed by CR LF, as the files have always been. Today's
// editors save UTF-8, often with a byte-order mark in front, so reading takes
// a line in UTF-8 as such when it can be nothing else:
//
// - a line that starts with the byte-order mark EF BB BF, or that is
//   well-formed UTF-8 and holds at least one character beyond ASCII, is UTF-8
//   (the mark is dropped), provided every character exists in Windows-1252;
// - every other line is Windows-1252 bytes, one byte per character, as before.
//
// A Windows-1252 line that only looks like UTF-8 in part ("GRÃ¼N" next to a
// lone 0xFC) is not well-formed UTF-8 and so stays Windows-1252. Plain ASCII
// reads the same either way.
//
// Control characters (the bytes below 0x20 and 0x7F: a tab, a NUL) become
// blanks, as a pasted line break does: the field shows nothing for them, and
// what it shows is what a later save writes.

#include <cstddef>
#include <string>
#include <string_view>

// The Windows-1252 text of a first line, given its bytes with the CRs left
// out, control characters as blanks.
std::string DecodeLine(std::string_view bytes);

// The most bytes a line of maxLength characters can take in a form DecodeLine
// understands: three for each character (the longest UTF-8 form of a
// Windows-1252 character) and three for the byte-order mark. A longer line
// holds more than maxLength characters however it is read.
std::size_t MaxLineBytes(std::size_t maxLength);
