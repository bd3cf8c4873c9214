#include "ciphercore/Upcase.h"

char UpcaseGerman(char c) {
  const auto b = static_cast<unsigned char>(c);
  if ((b >= 'a' && b <= 'z') || b == 0xE4 || b == 0xF6 || b == 0xFC)
    return static_cast<char>(b - 0x20);  // ä ö ü sit 0x20 above Ä Ö Ü, like the ASCII letters
  return c;
}

std::string UpcaseText(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = UpcaseGerman(c);
  return out;
}
