// The cipher core on its own: upper-casing, the master alphabet, shifted rows
// and the lookups, including a cell the learner typed over.
#include <gtest/gtest.h>

#include "ciphercore/CipherCore.h"
#include "ciphercore/Upcase.h"
#include "toolkit/model/Win1252.h"

namespace {

struct UpcaseCase {
  const char* name;
  const char* input;  // UTF-8, converted to Windows-1252
  const char* expected;
};

const UpcaseCase kUpcaseCases[] = {
    {"sharp_s_stays", "straße", "STRAßE"},
    {"umlauts", "äöü", "ÄÖÜ"},
    {"capital_umlauts_stay", "ÄÖÜ", "ÄÖÜ"},
    {"other_accents_stay", "café ÿ à ç", "CAFé ÿ à ç"},
    {"digits_and_punctuation", "Hallo, Welt 42!", "HALLO, WELT 42!"},
    {"empty", "", ""},
};

class UpcaseTest : public testing::TestWithParam<UpcaseCase> {};

TEST_P(UpcaseTest, MapsOnlyLettersAndUmlauts) {
  const std::string input = W(GetParam().input);
  const std::string out = UpcaseText(input);
  EXPECT_EQ(out, W(GetParam().expected));
  EXPECT_EQ(out.size(), input.size());
}

INSTANTIATE_TEST_SUITE_P(Texts, UpcaseTest, testing::ValuesIn(kUpcaseCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Upcase, EveryByteOutsideTheMappedOnesIsUnchanged) {
  for (int b = 0; b < 256; ++b) {
    const char c = static_cast<char>(b);
    const bool mapped = (b >= 'a' && b <= 'z') || b == 0xE4 || b == 0xF6 || b == 0xFC;
    if (mapped)
      EXPECT_EQ(static_cast<unsigned char>(UpcaseGerman(c)), b - 0x20) << b;
    else
      EXPECT_EQ(UpcaseGerman(c), c) << b;
  }
}

TEST(MasterAlphabet, HoldsTheSixtyCharactersInOrder) {
  EXPECT_EQ(MasterAlphabetCharacters(),
            W("ABCDEFGHIJKLMNOPQRSTUVWXYZ 0123456789ÄÖÜß!\"#()*+,-./:;<=>?@_"));
}

TEST(MasterAlphabet, BuiltTwiceStillSixtyAndFillsRowZero) {
  CipherCore core;
  StringGrid a(37, 2, 0, 1), b(37, 2, 0, 1);
  BuildMasterAlphabet(core, a);
  BuildMasterAlphabet(core, b);
  EXPECT_EQ(core.MasterAlphabet.size(), 60u);
  EXPECT_EQ(a.Cell(40, 0), W("ß"));  // row 0 always holds all 60, whatever the count
  EXPECT_EQ(b.Cell(59, 0), "_");
}

std::string Row(const StringGrid& g, int row) {
  std::string s;
  for (int c = 0; c < g.ColCount(); ++c) s += g.Cell(c, row);
  return s;
}

TEST(ShiftedRow, RotatesWithinTheColumnCount) {
  CipherCore core;
  StringGrid g(26, 2, 0, 1);
  BuildMasterAlphabet(core, g);
  BuildShiftedRow(g, 17);
  EXPECT_EQ(Row(g, 1), "RSTUVWXYZABCDEFGHIJKLMNOPQ");
  BuildShiftedRow(g, 26);  // equal to the count: the identity, like 0
  EXPECT_EQ(Row(g, 1), Row(g, 0));
  g.SetColCount(60);
  BuildShiftedRow(g, 17);
  EXPECT_EQ(Row(g, 1), W("RSTUVWXYZ 0123456789ÄÖÜß!\"#()*+,-./:;<=>?@_ABCDEFGHIJKLMNOPQ"));
}

TEST(Lookup, FindsWithinTheAlphabetInUseOnly) {
  CipherCore core;
  StringGrid g(37, 2, 0, 1);
  CipherTable table(g);
  BuildMasterAlphabet(core, g);
  BuildShiftedRow(g, 17);
  const Lookup nine = EncLookup(table, 37, '9');
  EXPECT_EQ(nine.Column, 36);
  EXPECT_EQ(nine.Character, 'Q');
  const Lookup outside = EncLookup(table, 26, '9');
  EXPECT_EQ(outside.Column, -1);
  EXPECT_EQ(outside.Character, '9');
  EXPECT_EQ(EncLookup(table, 37, 'a').Column, -1);  // callers upper-case first
  EXPECT_EQ(DecLookup(table, 37, '$').Character, '$');
}

TEST(Lookup, DecLookupUndoesEncLookupUnderEqualShifts) {
  CipherCore core;
  StringGrid enc(60, 2, 0, 1), dec(60, 2, 0, 1);
  CipherTable encTable(enc), decTable(dec);
  BuildMasterAlphabet(core, enc);
  BuildMasterAlphabet(core, dec);
  BuildShiftedRow(enc, 23);
  BuildShiftedRow(dec, 23);
  for (const char c : core.MasterAlphabet) {
    const Lookup there = EncLookup(encTable, 60, c);
    const Lookup back = DecLookup(decTable, 60, *there.Character);
    EXPECT_EQ(back.Character, c);
    EXPECT_EQ(back.Column, there.Column);
  }
}

TEST(Lookup, FollowsACellTypedOverAndItsRebuild) {
  CipherCore core;
  StringGrid g(37, 2, 0, 1);
  CipherTable table(g);
  BuildMasterAlphabet(core, g);
  BuildShiftedRow(g, 17);
  EXPECT_EQ(EncLookup(table, 37, 'H').Character, 'Y');
  g.SetCell(7, 1, "XY");
  EXPECT_EQ(EncLookup(table, 37, 'H').Character, 'X');
  g.SetCell(7, 1, "");  // an emptied cell answers no character at all
  EXPECT_EQ(EncLookup(table, 37, 'H').Column, 7);
  EXPECT_FALSE(EncLookup(table, 37, 'H').Character.has_value());
  BuildShiftedRow(g, 17);
  EXPECT_EQ(EncLookup(table, 37, 'H').Character, 'Y');
}

}  // namespace
