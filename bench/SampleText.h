#pragma once
// German text for the benchmarks: ordinary prose in mixed case with umlauts,
// ß and punctuation, as a learner would type it, repeated to any length.

#include <cstddef>
#include <string>
#include <string_view>

#include "toolkit/model/Win1252.h"

namespace bench {

// A few sentences of German prose, Windows-1252, ending with a space so that
// repetitions stay separate sentences.
inline const std::string& GermanSampleText() {
  static const std::string text =
      W("Im Herbst fahren wir gern an die Ostsee. Morgens laufen wir barfuß über den kühlen "
        "Strand, mittags essen wir Fischbrötchen am Hafen, und abends schauen wir zu, wie die "
        "Fähre nach Dänemark ablegt. Die Großmutter erzählt dann von ihrer Jugend: Damals führte "
        "noch keine Straße ins Dorf, und im Winter blieb man wochenlang unter sich. Öfter als "
        "heute saß die ganze Familie zusammen am Ofen. Über eines sind sich alle einig: Nirgends "
        "schmeckt der Tee so gut wie nach einem langen Spaziergang im Wind. ");
  return text;
}

// The text repeated and cut to exactly length characters; empty text gives
// an empty result.
inline std::string RepeatToLength(std::string_view text, std::size_t length) {
  std::string out;
  if (text.empty()) return out;
  out.reserve(length);
  while (out.size() < length) out.append(text.substr(0, length - out.size()));
  return out;
}

}  // namespace bench
