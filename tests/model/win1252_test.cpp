// The conversions between the program's Windows-1252 bytes and UTF-8: the
// strict decoder that text from files goes through, and the literal helper.
#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>

#include "toolkit/model/Win1252.h"

namespace {

// Every code point of the input, or nothing when one sequence is refused.
std::optional<std::u32string> Decode(std::string_view utf8) {
  std::u32string codePoints;
  for (std::size_t at = 0; at < utf8.size();) {
    const std::size_t before = at;
    const auto codePoint = win1252::NextUtf8(utf8, at);
    if (!codePoint) {
      EXPECT_EQ(at, before) << "a refused sequence must not move the position";
      return std::nullopt;
    }
    codePoints.push_back(*codePoint);
  }
  return codePoints;
}

struct Utf8Case {
  const char* name;
  std::string bytes;
  std::optional<std::u32string> decoded;  // nothing: refused
};

TEST(NextUtf8, AcceptsWellFormedSequencesAndRefusesEverythingElse) {
  const std::nullopt_t refused = std::nullopt;
  const Utf8Case cases[] = {
      // Well-formed, at the edges of each length.
      {"ascii", "A\x7F", U"A\x7F"},
      {"two bytes, smallest", "\xC2\x80", U"\x80"},
      {"two bytes, umlaut", "\xC3\xBC", U"\xFC"},
      {"two bytes, largest", "\xDF\xBF", U"\x7FF"},
      {"three bytes, smallest", "\xE0\xA0\x80", U"\x800"},
      {"three bytes, euro sign", "\xE2\x82\xAC", U"\x20AC"},
      {"three bytes, below the surrogates", "\xED\x9F\xBF", U"\xD7FF"},
      {"three bytes, above the surrogates", "\xEE\x80\x80", U"\xE000"},
      {"three bytes, largest", "\xEF\xBF\xBF", U"\xFFFF"},
      {"four bytes, smallest", "\xF0\x90\x80\x80", U"\x10000"},
      {"four bytes, largest", "\xF4\x8F\xBF\xBF", U"\x10FFFF"},
      {"byte-order mark", "\xEF\xBB\xBF", U"\xFEFF"},
      // Overlong forms: a value written with more bytes than it needs.
      {"overlong blank", "\xC0\xA0", refused},
      {"overlong NUL", "\xC0\x80", refused},
      {"overlong two bytes, largest", "\xC1\xBF", refused},
      {"overlong A in three bytes", "\xE0\x81\x81", refused},
      {"overlong three bytes, largest", "\xE0\x9F\xBF", refused},
      {"overlong four bytes, largest", "\xF0\x8F\xBF\xBF", refused},
      // Surrogates and values beyond Unicode.
      {"first surrogate", "\xED\xA0\x80", refused},
      {"last surrogate", "\xED\xBF\xBF", refused},
      {"above U+10FFFF", "\xF4\x90\x80\x80", refused},
      {"lead F5", "\xF5\x80\x80\x80", refused},
      // Bytes that never lead, and sequences cut short or interrupted.
      {"stray continuation byte", "A\x80", refused},
      {"last continuation byte alone", "\xBF", refused},
      {"five-byte lead", "\xF8\x88\x80\x80\x80", refused},
      {"lead FE", "\xFE", refused},
      {"lead FF", "\xFF", refused},
      {"two bytes cut short", "\xC3", refused},
      {"three bytes cut short", "\xE2\x82", refused},
      {"four bytes cut short", "\xF0\x9F\x98", refused},
      {"sequence interrupted by ascii", "\xE2\x82" "A", refused},
      {"sequence interrupted by a lead", "\xC3\xC3\xBC", refused},
  };
  for (const Utf8Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Decode(c.bytes), c.decoded);
  }
  std::size_t past = 1;
  EXPECT_FALSE(win1252::NextUtf8("A", past));
  EXPECT_EQ(past, 1u);
}

TEST(TryFromUtf8, GivesWindows1252OrNothing) {
  EXPECT_EQ(win1252::TryFromUtf8("Grüße € „Köln“"), "Gr\xFC\xDF" "e \x80 \x84K\xF6ln\x93");
  EXPECT_EQ(win1252::TryFromUtf8(""), "");
  EXPECT_EQ(win1252::TryFromUtf8("\xC0\xA0"), std::nullopt);  // malformed
  EXPECT_EQ(win1252::TryFromUtf8("Stra\xC3"), std::nullopt);  // cut short at the end
  EXPECT_EQ(win1252::TryFromUtf8("Kreis ○"), std::nullopt);    // well-formed, not in the code page
  EXPECT_EQ(win1252::TryFromUtf8("\xF0\x9F\x98\x80"), std::nullopt);
}

TEST(TryFromUtf8, EveryByteSurvivesTheRoundTripThroughUtf8) {
  for (int b = 0; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    EXPECT_EQ(win1252::TryFromUtf8(win1252::ToUtf8(byte)), byte) << "byte " << b;
  }
}

TEST(FromUtf8, ThrowsOnWhatTryFromUtf8Refuses) {
  EXPECT_EQ(W("Klartext löschen"), "Klartext l\xF6schen");
  EXPECT_THROW(W("\xC0\x80"), std::invalid_argument);
  EXPECT_THROW(W("\xE0\x81\x81"), std::invalid_argument);
  EXPECT_THROW(W("\xED\xA0\x80"), std::invalid_argument);
  EXPECT_THROW(W("Kreis ○"), std::invalid_argument);
}

}  // namespace
