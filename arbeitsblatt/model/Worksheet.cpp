#include "arbeitsblatt/model/Worksheet.h"

#include <algorithm>

#include "ciphercore/Upcase.h"
#include "ciphercore/TextCipher.h"

namespace {

void AddPages(std::vector<SheetPage>& pages, SheetPart part, const std::vector<TextLine>& spread) {
  for (std::size_t i = 0; i < spread.size(); ++i) pages.push_back({part, i == 0, spread[i]});
}

}  // namespace

Worksheet PlanWorksheet(const WorksheetSource& source, const WorksheetChoice& choice,
                        const SheetMetrics& m) {
  Worksheet w;
  const int n = static_cast<int>(source.Alphabet.size());
  w.Alphabet = source.Alphabet;
  w.AlphabetName = source.AlphabetName;
  w.Deciphering = !source.Ciphertext.empty() || source.Plaintext.empty();
  if (w.Deciphering) {
    // The ciphertext as a decryption step reads it; the key is the shift the
    // decryption table stands on, or an exercise's secret.
    w.TaskText = UpcaseText(source.Ciphertext);
    w.Key = source.SecretShift.value_or(source.DecShift);
    w.SolutionText = source.SecretPlaintext.value_or(
        n > 0 ? DecipherText(w.TaskText, n, w.Key) : std::string());
  } else {
    w.TaskText = UpcaseText(source.Plaintext);
    w.Key = source.EncShift;
    w.SolutionText = n > 0 ? EncipherText(w.TaskText, n, w.Key, source.UnknownOption) : std::string();
    w.ShiftGiven = choice.ShiftGiven;
  }
  if (n > 0) w.Key %= n;  // a shift of N or more turns the disk as its remainder does

  const double body = m.Body();
  w.BoxesPerLine = std::max(1, static_cast<int>(m.Width / SheetMetrics::kBoxWidth));
  w.TaskLines = BreakIntoLines(w.TaskText, w.BoxesPerLine);
  w.BlocksPerPage = std::max(1, HowManyFit(m.Width + SheetMetrics::kTableBlockGap,
                                           SheetMetrics::kTableBlockWidth + SheetMetrics::kTableBlockGap));
  const int rowsFit = std::max(1, HowManyFit(body - SheetMetrics::kTableHead, SheetMetrics::kTableRow));
  // The rows in as few blocks as fit, shared out evenly between them.
  const int blocks = std::max(1, (n + rowsFit - 1) / rowsFit);
  w.RowsPerBlock = std::max(1, (n + blocks - 1) / blocks);
  w.SubstitutionRows = std::max(1, (n + SheetMetrics::kSubstitutionColumns - 1) /
                                       SheetMetrics::kSubstitutionColumns);
  w.SolutionCharsPerLine = std::max(1, static_cast<int>(m.Width / SheetMetrics::kTextCharWidth));
  w.SolutionLines = BreakIntoLines(w.SolutionText, w.SolutionCharsPerLine);

  if (choice.Task) {
    const int first = HowManyFit(body - SheetMetrics::kTaskHead, m.LinePitch());
    const int further = HowManyFit(body, m.LinePitch());
    AddPages(w.Pages, SheetPart::Task, SpreadOverPages(w.TaskLines.size(), first, further));
  }
  if (choice.Frequencies) {
    const int perPage = w.RowsPerBlock * w.BlocksPerPage;
    AddPages(w.Pages, SheetPart::Frequencies,
             SpreadOverPages(static_cast<std::size_t>(n), perPage, perPage));
  }
  if (choice.Disk) w.Pages.push_back({SheetPart::Disk, true, {}});
  if (choice.Solution) {
    const double above = SheetMetrics::kSolutionHead +
                         w.SubstitutionRows * (2 * SheetMetrics::kSubstitutionRow + 3) +
                         SheetMetrics::kChart + SheetMetrics::kSolutionTextHead;
    const int first = HowManyFit(body - above, SheetMetrics::kTextLine);
    const int further = HowManyFit(body, SheetMetrics::kTextLine);
    AddPages(w.Pages, SheetPart::Solution, SpreadOverPages(w.SolutionLines.size(), first, further));
  }
  return w;
}
