#pragma once
// The fixed German upper-casing of the workbench: a to z, ä, ö and ü become
// capitals; everything else, ß and the other accented letters included, stays
// as it is. It never looks at the locale and never changes a text's length.

#include <string>
#include <string_view>

char UpcaseGerman(char c);
std::string UpcaseText(std::string_view text);
