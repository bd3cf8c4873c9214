#include "ciphercore/CipherCore.h"

namespace {

// "A".."Z", space, "0".."9", Ä Ö Ü ß, ! " #, ( ) * + , - . /, : ; < = > ? @, _
constexpr char kMasterAlphabet[] =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZ 0123456789"
    "\xC4\xD6\xDC\xDF"
    "!\"#()*+,-./:;<=>?@_";
static_assert(sizeof(kMasterAlphabet) - 1 == kMasterAlphabetLength);

}  // namespace

std::string_view MasterAlphabetCharacters() {
  return {kMasterAlphabet, kMasterAlphabetLength};
}

int AlphabetSizeForOption(int itemIndex) {
  switch (itemIndex) {
    case 0: return 26;
    case 1: return 27;
    case 2: return 37;
    default: return 60;
  }
}

void BuildMasterAlphabet(CipherCore& core, StringGrid& table) {
  core.MasterAlphabet.clear();
  int column = 0;
  for (const char c : MasterAlphabetCharacters()) {
    table.SetCell(column++, 0, std::string(1, c));
    core.MasterAlphabet.push_back(c);
  }
}

void BuildShiftedRow(StringGrid& table, int shift) {
  const int n = table.ColCount();
  for (int c = 0; c < n; ++c) table.SetCell(c, 1, table.Cell((c + shift) % n, 0));
}

Lookup CipherTable::Find(int searchRow, char ch, int alphabetSize) const {
  if (indexedRevision_ != grid_.Revision() || indexedSize_ != alphabetSize ||
      indexedRow_ != searchRow) {
    index_.fill(-1);
    for (int c = 0; c < alphabetSize; ++c) {
      const std::string& cell = grid_.Cell(c, searchRow);
      if (!cell.empty()) index_[static_cast<unsigned char>(cell[0])] = static_cast<std::int8_t>(c);
    }
    indexedRevision_ = grid_.Revision();
    indexedSize_ = alphabetSize;
    indexedRow_ = searchRow;
  }
  Lookup hit;
  hit.Column = index_[static_cast<unsigned char>(ch)];
  if (hit.Column < 0) {
    hit.Character = ch;
  } else {
    const std::string& answer = grid_.Cell(hit.Column, 1 - searchRow);
    if (!answer.empty()) hit.Character = answer[0];
  }
  return hit;
}

Lookup EncLookup(const CipherTable& encTable, int alphabetSize, char ch) {
  return encTable.Find(0, ch, alphabetSize);
}

Lookup DecLookup(const CipherTable& decTable, int alphabetSize, char ch) {
  return decTable.Find(1, ch, alphabetSize);
}
