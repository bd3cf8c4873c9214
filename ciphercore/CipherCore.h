#pragma once
// The cipher core: the 60 cipher characters, the alphabet in use, the text
// handed to the analyses, and the two-row substitution tables of the main
// window with their lookups.
//
// A cipher table lives in a StringGrid: row 0 holds the plain alphabet, row 1
// the same alphabet rotated by the table's shift. The grid is what the learner
// sees and may type over, so the lookups read the cells, never a copy.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "toolkit/model/StringGrid.h"

// Program-wide state of the unit. The app owns one instance and hands it to
// every window model by reference.
struct CipherCore {
  std::string MasterAlphabet;  // empty until the main window is first shown
  int AlphabetSize = 0;        // 26, 27, 37 or 60 once the alphabet option is applied
  std::string AnalysisText;    // the upper-cased ciphertext handed to the analyses
};

inline constexpr int kMasterAlphabetLength = 60;

// The 60 cipher characters in their fixed order (Windows-1252): A to Z, the
// space, 0 to 9, Ä Ö Ü ß, then punctuation ending with the underscore.
std::string_view MasterAlphabetCharacters();

// The column count of an alphabet option: 0 gives 26, 1 gives 27, 2 gives 37,
// any other value 60.
int AlphabetSizeForOption(int itemIndex);

// Rebuilds core.MasterAlphabet and writes its characters into row 0 of the table.
void BuildMasterAlphabet(CipherCore& core, StringGrid& table);

// Row 1 := row 0 rotated by shift, over the table's column count. The caller
// reduces a shift larger than the count first; a shift equal to it gives the
// identity, like 0.
void BuildShiftedRow(StringGrid& table, int shift);

// The outcome of a lookup: the matching column (-1 when nothing matched) and the
// answer-row character. When nothing matched the character is the one sought;
// when the answer cell is empty (the learner cleared it) there is none.
struct Lookup {
  int Column = -1;
  std::optional<char> Character;
};

// A cipher table with a lookup index. The index is rebuilt only when the grid's
// cells or the alphabet size have changed, so a long run of lookups costs one
// array access each instead of a scan of up to 60 cells.
class CipherTable {
 public:
  explicit CipherTable(StringGrid& grid) : grid_(grid) {}

  StringGrid& Grid() { return grid_; }
  const StringGrid& Grid() const { return grid_; }

  // Finds ch by the first character of the cells in searchRow, among the
  // columns 0 to alphabetSize - 1, and answers from the other row. When several
  // columns match, the highest wins.
  Lookup Find(int searchRow, char ch, int alphabetSize) const;

 private:
  StringGrid& grid_;
  mutable std::uint64_t indexedRevision_ = 0;
  mutable int indexedSize_ = -1;
  mutable int indexedRow_ = -1;
  mutable std::array<std::int8_t, 256> index_{};
};

// Looks a plaintext character up in row 0 of the encryption table.
Lookup EncLookup(const CipherTable& encTable, int alphabetSize, char ch);
// Looks a ciphertext character up in row 1 of the decryption table.
Lookup DecLookup(const CipherTable& decTable, int alphabetSize, char ch);
