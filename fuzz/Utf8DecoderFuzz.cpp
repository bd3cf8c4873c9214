// The strict UTF-8 decoder against the reference: at every position it must
// accept exactly the well-formed sequences, with their values, and move past
// them; whole strings convert to Windows-1252 exactly when the reference can.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "fuzz/Reference.h"
#include "toolkit/model/Win1252.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);

  for (std::size_t start = 0; start < input.size(); ++start) {
    const std::size_t expectedLength = reference::WellFormedLength(input.substr(start));
    std::size_t at = start;
    const auto codePoint = win1252::NextUtf8(input, at);
    if (codePoint.has_value() != (expectedLength != 0))
      reference::Mismatch("accepted what the reference refuses, or the other way");
    if (!codePoint) {
      if (at != start) reference::Mismatch("a refused sequence moved the position");
      continue;
    }
    if (at != start + expectedLength) reference::Mismatch("length");
    if (*codePoint != reference::ValueOf(input.substr(start), expectedLength))
      reference::Mismatch("value");
  }

  const auto converted = win1252::TryFromUtf8(input);
  if (converted != reference::Utf8ToWindows1252(input)) reference::Mismatch("TryFromUtf8");
  bool threw = false;
  try {
    if (win1252::FromUtf8(input) != converted) reference::Mismatch("FromUtf8");
  } catch (const std::invalid_argument&) {
    threw = true;
  }
  if (threw == converted.has_value()) reference::Mismatch("FromUtf8 throws exactly when it must");

  // Read as Windows-1252, any bytes come back through UTF-8 unchanged.
  if (win1252::TryFromUtf8(win1252::ToUtf8(input)) != std::string(input))
    reference::Mismatch("round trip");
  return 0;
}
