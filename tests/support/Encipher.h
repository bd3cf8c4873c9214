#pragma once
// A text enciphered as the workbench enciphers it, for tests and tools that
// need a ciphertext with a known shift: through a real encryption table, row 0
// looked up and row 1 answered; characters outside the alphabet in use stay.

#include <string>

#include "ciphercore/CipherCore.h"
#include "toolkit/model/StringGrid.h"

inline std::string Encipher(const std::string& plain, int alphabetSize, int shift) {
  CipherCore core;
  StringGrid grid(alphabetSize, 2, 0, 1);
  CipherTable table(grid);
  BuildMasterAlphabet(core, grid);
  BuildShiftedRow(grid, shift);
  std::string out;
  out.reserve(plain.size());
  for (const char c : plain) out.push_back(*EncLookup(table, alphabetSize, c).Character);
  return out;
}
