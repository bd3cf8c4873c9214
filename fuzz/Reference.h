#pragma once
// Plain reference decoders for the fuzz targets, written to be obviously right
// rather than fast: UTF-8 straight from the table of well-formed byte
// sequences, Windows-1252 by searching the code page's 256 bytes.

#include <cstddef>
#include <cstdlib>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "toolkit/model/Win1252.h"

namespace reference {

inline bool In(unsigned char b, unsigned lo, unsigned hi) {
  return b >= lo && b <= hi;
}

// The length of the well-formed UTF-8 sequence at the start of s, or 0.
inline std::size_t WellFormedLength(std::string_view s) {
  const auto at = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  const std::size_t n = s.size();
  if (n >= 1 && at(0) <= 0x7F) return 1;
  if (n >= 2 && In(at(0), 0xC2, 0xDF) && In(at(1), 0x80, 0xBF)) return 2;
  if (n >= 3 && at(0) == 0xE0 && In(at(1), 0xA0, 0xBF) && In(at(2), 0x80, 0xBF)) return 3;
  if (n >= 3 && In(at(0), 0xE1, 0xEC) && In(at(1), 0x80, 0xBF) && In(at(2), 0x80, 0xBF)) return 3;
  if (n >= 3 && at(0) == 0xED && In(at(1), 0x80, 0x9F) && In(at(2), 0x80, 0xBF)) return 3;
  if (n >= 3 && In(at(0), 0xEE, 0xEF) && In(at(1), 0x80, 0xBF) && In(at(2), 0x80, 0xBF)) return 3;
  if (n >= 4 && at(0) == 0xF0 && In(at(1), 0x90, 0xBF) && In(at(2), 0x80, 0xBF) &&
      In(at(3), 0x80, 0xBF))
    return 4;
  if (n >= 4 && In(at(0), 0xF1, 0xF3) && In(at(1), 0x80, 0xBF) && In(at(2), 0x80, 0xBF) &&
      In(at(3), 0x80, 0xBF))
    return 4;
  if (n >= 4 && at(0) == 0xF4 && In(at(1), 0x80, 0x8F) && In(at(2), 0x80, 0xBF) &&
      In(at(3), 0x80, 0xBF))
    return 4;
  return 0;
}

// The value of a well-formed sequence of the given length.
inline char32_t ValueOf(std::string_view s, std::size_t length) {
  const auto at = [&](std::size_t i) { return static_cast<char32_t>(static_cast<unsigned char>(s[i])); };
  switch (length) {
    case 1:
      return at(0);
    case 2:
      return ((at(0) & 0x1F) << 6) | (at(1) & 0x3F);
    case 3:
      return ((at(0) & 0x0F) << 12) | ((at(1) & 0x3F) << 6) | (at(2) & 0x3F);
    default:
      return ((at(0) & 0x07) << 18) | ((at(1) & 0x3F) << 12) | ((at(2) & 0x3F) << 6) |
             (at(3) & 0x3F);
  }
}

// The Windows-1252 byte of a code point, found by trying all 256 bytes.
inline std::optional<char> ByteOf(char32_t codePoint) {
  for (int b = 0; b < 256; ++b)
    if (win1252::ToUnicode(static_cast<unsigned char>(b)) == codePoint) return static_cast<char>(b);
  return std::nullopt;
}

inline std::optional<std::string> Utf8ToWindows1252(std::string_view s) {
  std::string out;
  while (!s.empty()) {
    const std::size_t length = WellFormedLength(s);
    if (length == 0) return std::nullopt;
    const auto byte = ByteOf(ValueOf(s, length));
    if (!byte) return std::nullopt;
    out.push_back(*byte);
    s.remove_prefix(length);
  }
  return out;
}

[[noreturn]] inline void Mismatch(const char* what) {
  std::fprintf(stderr, "mismatch: %s\n", what);
  std::abort();
}

}  // namespace reference
