#include "uebung/model/PracticeTexts.h"

#include <optional>

#include "toolkit/model/Win1252.h"

namespace {

std::optional<TextLength> SectionNamed(std::string_view name) {
  for (const TextLength length : kTextLengths)
    if (TextLengthName(length) == name) return length;
  return std::nullopt;
}

// Where the lines under the current header go: a length class, nowhere yet
// (above the first header), or nowhere for good (under an unknown header).
struct Section {
  std::optional<TextLength> Length;
  bool Unknown = false;
};

}  // namespace

std::string_view TextLengthName(TextLength length) {
  switch (length) {
    case TextLength::Kurz:
      return "kurz";
    case TextLength::Mittel:
      return "mittel";
    case TextLength::Lang:
      return "lang";
    case TextLength::SehrLang:
      return "sehr lang";
  }
  return {};
}

std::string TextLengthCaption(TextLength length) {
  switch (length) {
    case TextLength::Kurz:
      return "kurz (etwa 20 Zeichen)";
    case TextLength::Mittel:
      return "mittel (etwa 60 Zeichen)";
    case TextLength::Lang:
      return "lang (etwa 200 Zeichen)";
    case TextLength::SehrLang:
      return "sehr lang (etwa 1.000 Zeichen)";
  }
  return {};
}

PracticeCollection ParsePracticeTexts(std::string_view utf8) {
  PracticeCollection collection;
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (utf8.starts_with(kByteOrderMark)) utf8.remove_prefix(kByteOrderMark.size());

  Section section;
  std::size_t lineNumber = 0;
  while (!utf8.empty()) {
    const std::size_t end = utf8.find('\n');
    std::string_view line = utf8.substr(0, end);
    utf8.remove_prefix(end == std::string_view::npos ? utf8.size() : end + 1);
    ++lineNumber;
    if (line.ends_with('\r')) line.remove_suffix(1);

    const bool blank = line.find_first_not_of(" \t") == std::string_view::npos;
    if (blank || line.starts_with('#')) continue;
    if (line.starts_with('[') && line.ends_with(']') && line.size() >= 2) {
      section.Length = SectionNamed(line.substr(1, line.size() - 2));
      section.Unknown = !section.Length;
      if (section.Unknown)
        collection.Notes.push_back({lineNumber, TextFileProblem::UnknownSection});
      continue;
    }
    if (section.Unknown) continue;  // noted once, at its header
    if (!section.Length) {
      collection.Notes.push_back({lineNumber, TextFileProblem::TextBeforeSection});
      continue;
    }
    std::optional<std::string> text = win1252::TryFromUtf8(line);
    if (!text) {
      collection.Notes.push_back({lineNumber, TextFileProblem::NotWindows1252});
      continue;
    }
    collection.Texts[static_cast<std::size_t>(*section.Length)].push_back(std::move(*text));
  }
  return collection;
}

const std::vector<std::string>& PracticeTexts(TextLength length) {
  // Read once, on first use; the file never changes while the program runs.
  static const PracticeCollection collection = ParsePracticeTexts(PracticeTextFile());
  return collection.Of(length);
}
