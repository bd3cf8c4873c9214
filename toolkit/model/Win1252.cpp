#include "toolkit/model/Win1252.h"

#include <array>
#include <stdexcept>

namespace win1252 {
namespace {

// Code points of the bytes 0x80..0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

}  // namespace

char32_t ToUnicode(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
  return byte;
}

std::optional<unsigned char> FromUnicode(char32_t codePoint) {
  if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
    return static_cast<unsigned char>(codePoint);
  for (std::size_t i = 0; i < kHighControls.size(); ++i)
    if (kHighControls[i] == codePoint) return static_cast<unsigned char>(0x80 + i);
  return std::nullopt;
}

std::optional<char32_t> NextUtf8(std::string_view utf8, std::size_t& at) {
  if (at >= utf8.size()) return std::nullopt;
  const auto byteAt = [&](std::size_t i) { return static_cast<unsigned char>(utf8[i]); };
  const unsigned char lead = byteAt(at);
  if (lead < 0x80) {
    ++at;
    return lead;
  }

  // The length of the sequence and the smallest value that needs that length:
  // anything smaller is an overlong form (C0 80 for a NUL, say) and is refused.
  std::size_t extra;
  char32_t smallest;
  if (lead >= 0xC2 && lead <= 0xDF) {
    extra = 1, smallest = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    extra = 2, smallest = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    extra = 3, smallest = 0x10000;
  } else {
    return std::nullopt;  // a continuation byte, C0, C1 or F5-FF
  }
  if (utf8.size() - at <= extra) return std::nullopt;

  char32_t codePoint = lead & (0x3F >> extra);
  for (std::size_t k = 1; k <= extra; ++k) {
    const unsigned char next = byteAt(at + k);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    codePoint = (codePoint << 6) | (next & 0x3F);
  }
  if (codePoint < smallest || codePoint > 0x10FFFF) return std::nullopt;
  if (codePoint >= 0xD800 && codePoint <= 0xDFFF) return std::nullopt;
  at += extra + 1;
  return codePoint;
}

namespace {

enum class Utf8Fault { None, Malformed, NotInCodePage };

Utf8Fault Convert(std::string_view utf8, std::string& out) {
  out.reserve(utf8.size());
  for (std::size_t at = 0; at < utf8.size();) {
    const auto codePoint = NextUtf8(utf8, at);
    if (!codePoint) return Utf8Fault::Malformed;
    const auto byte = FromUnicode(*codePoint);
    if (!byte) return Utf8Fault::NotInCodePage;
    out.push_back(static_cast<char>(*byte));
  }
  return Utf8Fault::None;
}

}  // namespace

std::optional<std::string> TryFromUtf8(std::string_view utf8) {
  std::string out;
  if (Convert(utf8, out) != Utf8Fault::None) return std::nullopt;
  return out;
}

std::string FromUtf8(std::string_view utf8) {
  std::string out;
  switch (Convert(utf8, out)) {
    case Utf8Fault::None:
      return out;
    case Utf8Fault::Malformed:
      throw std::invalid_argument("malformed UTF-8");
    case Utf8Fault::NotInCodePage:
      throw std::invalid_argument("character outside Windows-1252");
  }
  return out;  // not reached: the switch names every fault
}

std::string ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (const char c : bytes) {
    const char32_t cp = ToUnicode(static_cast<unsigned char>(c));
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
  return out;
}

}  // namespace win1252
