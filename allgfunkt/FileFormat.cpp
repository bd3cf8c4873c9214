#include "allgfunkt/FileFormat.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "toolkit/model/Win1252.h"

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool HasNonAscii(std::string_view bytes) {
  for (const char c : bytes)
    if (static_cast<unsigned char>(c) >= 0x80) return true;
  return false;
}

bool IsControl(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte < 0x20 || byte == 0x7F;
}

std::string Decoded(std::string_view bytes) {
  if (bytes.starts_with(kByteOrderMark)) {
    if (auto text = win1252::TryFromUtf8(bytes.substr(kByteOrderMark.size()))) return *text;
  } else if (HasNonAscii(bytes)) {
    if (auto text = win1252::TryFromUtf8(bytes)) return *text;
  }
  return std::string(bytes);
}

}  // namespace

std::string DecodeLine(std::string_view bytes) {
  std::string text = Decoded(bytes);
  std::replace_if(text.begin(), text.end(), IsControl, ' ');
  return text;
}

std::size_t MaxLineBytes(std::size_t maxLength) {
  constexpr std::size_t kMark = kByteOrderMark.size();
  if (maxLength > (SIZE_MAX - kMark) / 3) return SIZE_MAX;
  return 3 * maxLength + kMark;
}
