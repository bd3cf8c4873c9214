#pragma once
// The program's own characters are Windows-1252 bytes: every field text, cell
// text and message in a model is such a byte string. This header converts
// between those bytes and Unicode code points. It knows nothing of Qt; the
// views convert to QString at the widget boundary (toolkit/view/QtText.h).

#include <cstddef>
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

// Decodes the UTF-8 sequence that starts at utf8[at] and moves at past it.
// Strict: a lead byte outside C2-DF, E0-EF, F0-F4, a stray continuation byte,
// a sequence cut short, an overlong form, a surrogate (U+D800-U+DFFF) or a
// value above U+10FFFF gives nothing and leaves at where it was; so does an
// at past the end.
std::optional<char32_t> NextUtf8(std::string_view utf8, std::size_t& at);

// Converts UTF-8 to Windows-1252, or gives nothing when the input is not
// well-formed UTF-8 or holds a character Windows-1252 cannot hold. For text
// from outside, such as a file.
std::optional<std::string> TryFromUtf8(std::string_view utf8);

// Converts a UTF-8 string, such as a source literal, to Windows-1252. Throws
// std::invalid_argument on malformed UTF-8 or a character Windows-1252 cannot
// hold: a literal like that is a programming error.
std::string FromUtf8(std::string_view utf8);

// Converts Windows-1252 bytes to UTF-8, for diagnostics and test output.
std::string ToUtf8(std::string_view bytes);

}  // namespace win1252

// Shorthand for the program's literals: W("Klartext löschen") is the
// Windows-1252 form of a UTF-8 source literal.
inline std::string W(std::string_view utf8) { return win1252::FromUtf8(utf8); }
