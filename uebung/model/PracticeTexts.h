#pragma once
// The practice texts: German texts written for the program, in four length
// classes, from which an exercise takes its plaintext. They live in
// Uebungstexte.txt, which the build compiles into the program, so the program
// needs no data file and a learner cannot change them.
//
// The file is UTF-8, one text a line, under the section headers "[kurz]",
// "[mittel]", "[lang]" and "[sehr lang]"; a line starting with "#" is a
// comment and a blank line is skipped. The texts come out as the program's
// Windows-1252 strings, exactly as written (not yet upper-cased).

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

enum class TextLength { Kurz, Mittel, Lang, SehrLang };

inline constexpr std::array<TextLength, 4> kTextLengths{TextLength::Kurz, TextLength::Mittel,
                                                        TextLength::Lang, TextLength::SehrLang};

// What the learner picks from: "kurz (etwa 20 Zeichen)", "mittel (etwa 60
// Zeichen)", "lang (etwa 200 Zeichen)", "sehr lang (etwa 1.000 Zeichen)";
// Windows-1252.
std::string TextLengthCaption(TextLength length);
// Its short name: "kurz", "mittel", "lang", "sehr lang" (the text file's
// section headers).
std::string_view TextLengthName(TextLength length);

// The texts of a length class, in the order of the file; never empty for the
// compiled-in collection (the unit's test makes sure).
const std::vector<std::string>& PracticeTexts(TextLength length);

// Why a line of the text file was left out.
enum class TextFileProblem {
  TextBeforeSection,  // a text above the first section header
  UnknownSection,     // a header other than the four; its texts are left out too
  NotWindows1252,     // malformed UTF-8, or a character Windows-1252 cannot hold
};

struct TextFileNote {
  std::size_t Line = 0;  // 1-based
  TextFileProblem Problem = TextFileProblem::TextBeforeSection;
  friend bool operator==(const TextFileNote&, const TextFileNote&) = default;
};

// A text file read into its length classes. A line that cannot be used is
// left out and noted, so that one bad line costs one text, not the collection.
struct PracticeCollection {
  std::array<std::vector<std::string>, kTextLengths.size()> Texts;  // by TextLength
  std::vector<TextFileNote> Notes;

  const std::vector<std::string>& Of(TextLength length) const {
    return Texts[static_cast<std::size_t>(length)];
  }
};

// Reads a text file in the format above. A byte order mark at the start and a
// carriage return before a line feed are ignored; a section may appear twice,
// its texts then follow each other.
PracticeCollection ParsePracticeTexts(std::string_view utf8);

// The bytes of Uebungstexte.txt as the build compiled them in (UTF-8). Defined
// in a source file the build generates from the text file.
std::string_view PracticeTextFile();
