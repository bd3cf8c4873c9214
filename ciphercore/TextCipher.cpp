#include "ciphercore/TextCipher.h"

#include "ciphercore/CipherCore.h"
#include "ciphercore/Upcase.h"
#include "toolkit/model/StringGrid.h"

namespace {

// A table as the main window builds it: row 0 the master alphabet, row 1 the
// same rotated by shift over the alphabet in use.
struct Table {
  Table(int alphabetSize, int shift) : grid(alphabetSize, 2, 0, 1) {
    CipherCore core;
    BuildMasterAlphabet(core, grid);
    BuildShiftedRow(grid, shift % alphabetSize);
  }
  StringGrid grid;
  CipherTable table{grid};
};

}  // namespace

std::string EncipherText(std::string_view plaintext, int alphabetSize, int shift,
                         int unknownOption) {
  const Table t(alphabetSize, shift);
  std::string out;
  out.reserve(plaintext.size());
  for (const char ch : plaintext) {
    const Lookup hit = EncLookup(t.table, alphabetSize, ch);
    if (hit.Column >= 0) {
      out.push_back(*hit.Character);  // a built table has no empty cell
      continue;
    }
    switch (unknownOption) {
      case kUnknownSkip:
        break;
      case kUnknownBlank:
        out.push_back(' ');
        break;
      default:
        out.push_back(ch);
        break;
    }
  }
  return out;
}

std::string DecipherText(std::string_view ciphertext, int alphabetSize, int shift) {
  const Table t(alphabetSize, shift);
  std::string out;
  out.reserve(ciphertext.size());
  for (const char ch : UpcaseText(ciphertext))
    out.push_back(*DecLookup(t.table, alphabetSize, ch).Character);
  return out;
}
