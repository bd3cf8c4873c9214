#pragma once
// The program's own characters are Windows-1252 bytes: every field text, cell
// text and message in a model is such a byte string. This header converts
// between those bytes and Unicode code points. It knows nothing of Qt; the
// views convert to QString at the widget boundary (toolkit/view/QtText.h).

#include <optional>
#include <string>
#include <string_view>

namespace win1252 {

// The Unicode code point of one Windows-1252 byte. The five bytes the code page
// leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of the
// same value, so that every byte survives a round trip through Unicode.
char32_t ToUnicode(unsigned char byte);

// The byte for a code point, or nothing when Windows-1252 cannot hold it.
std::optional<unsigned char> FromUnicode(char32_t codePoint);

// Converts a UTF-8 string, such as a source literal, to Windows-1252. Every
// character must be representable; source literals are checked by the tests.
std::string FromUtf8(std::string_view utf8);

// Converts Windows-1252 bytes to UTF-8, for diagnostics and test output.
std::string ToUtf8(std::string_view bytes);

}  // namespace win1252

// Shorthand for the program's literals: W("Klartext löschen") is the
// Windows-1252 form of a UTF-8 source literal.
inline std::string W(std::string_view utf8) { return win1252::FromUtf8(utf8); }
