// TForm1 without a display: start-up, the options, the spinners, the clear and
// restart buttons, the marker, the selection hiding and the analysis launchers.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "allgfunkt/PosixDrive.h"
#include "ciphercore/Upcase.h"
#include "maincaesar/model/TForm1.h"
#include "tests/support/FakePlatform.h"
#include "toolkit/model/Win1252.h"

namespace {

class Workbench : public testing::Test {
 protected:
  void SetUp() override {
    form.FormCreate();
    form.FormShow();
  }

  std::string Row(const StringGrid& g, int row) const {
    std::string s;
    for (int c = 0; c < g.ColCount(); ++c) s += g.Cell(c, row);
    return s;
  }
  // An arrow click as the view performs it: the handler runs only when the
  // position really moved.
  bool SpinEnc(bool up) {
    const bool moved = up ? form.UpDown1.ClickUp() : form.UpDown1.ClickDown();
    if (moved) form.UpDown1Click();
    return moved;
  }
  bool SpinDec(bool up) {
    const bool moved = up ? form.UpDown2.ClickUp() : form.UpDown2.ClickDown();
    if (moved) form.UpDown2Click();
    return moved;
  }
  void ChooseAlphabet(int item) {
    form.RadioGroup1.ItemIndex = item;
    form.RadioGroup1Click();
  }
  void SetBothShifts(int shift) {
    form.UpDown1.Position = shift;
    form.UpDown1Click();
  }

  CipherCore core;
  FakePlatform platform;
  PosixDrive driveA{"/nonexistent/Laufwerk-A", false};  // no diskette: nothing here saves
  TForm1 form{core, platform, driveA};
};

TEST_F(Workbench, StartsInTheDocumentedState) {
  EXPECT_EQ(form.State.EncShift, 17);
  EXPECT_EQ(form.State.DecShift, 17);
  EXPECT_EQ(form.Edit2.Text(), "17");
  EXPECT_EQ(form.Edit6.Text(), "17");
  EXPECT_EQ(form.UpDown1.Position, 17);
  EXPECT_EQ(form.UpDown2.Position, 17);
  EXPECT_EQ(form.UpDown1.Max, 37);
  EXPECT_EQ(form.UpDown2.Max, 37);
  EXPECT_EQ(form.RadioGroup1.ItemIndex, 2);
  EXPECT_EQ(form.RadioGroup2.ItemIndex, 1);
  EXPECT_EQ(form.State.EncPos, 1u);
  EXPECT_EQ(form.State.DecPos, 1u);
  EXPECT_TRUE(form.State.GridSelectionCleared);
  EXPECT_EQ(form.Edit4.Text(), "^");
  EXPECT_TRUE(form.Edit4.Visible);
  EXPECT_EQ(form.ActiveControl(), &form.Edit1);
  EXPECT_EQ(core.AlphabetSize, 37);
  EXPECT_EQ(core.MasterAlphabet.size(), 60u);
  // Both current cells lie in the fixed row, so nothing is drawn highlighted.
  EXPECT_EQ(form.StringGrid1.Selection(), (GridRect{0, 0, 0, 0}));
  EXPECT_EQ(form.StringGrid2.Selection(), (GridRect{0, 0, 0, 0}));
  for (const StringGrid* g : {&form.StringGrid1, &form.StringGrid2}) {
    EXPECT_EQ(g->ColCount(), 37);
    EXPECT_EQ(Row(*g, 0), "ABCDEFGHIJKLMNOPQRSTUVWXYZ 0123456789");
    EXPECT_EQ(Row(*g, 1), "RSTUVWXYZ 0123456789ABCDEFGHIJKLMNOPQ");
  }
  for (const Button* b : {&form.BitBtn1, &form.BitBtn2, &form.BitBtn3, &form.BitBtn4,
                          &form.BitBtn5, &form.BitBtn6, &form.BitBtn7, &form.BitBtn8,
                          &form.BitBtn9, &form.BitBtn10, &form.BitBtn12, &form.BitBtn13,
                          &form.BitBtn14, &form.BitBtn15, &form.BitBtn16, &form.BitBtn17,
                          &form.BitBtn18})
    EXPECT_TRUE(b->Enabled);
  EXPECT_FALSE(form.BitBtn11.Enabled);
}

struct AlphabetCase {
  int item;
  int columns;
  const char* row1;  // UTF-8, with shift 17
};

class AlphabetOption : public Workbench, public testing::WithParamInterface<AlphabetCase> {};

TEST_P(AlphabetOption, SetsColumnsAndRebuildsBothTables) {
  ChooseAlphabet(GetParam().item);
  EXPECT_EQ(core.AlphabetSize, GetParam().columns);
  EXPECT_EQ(form.StringGrid1.ColCount(), GetParam().columns);
  EXPECT_EQ(form.StringGrid2.ColCount(), GetParam().columns);
  EXPECT_EQ(Row(form.StringGrid1, 1), W(GetParam().row1));
  EXPECT_EQ(Row(form.StringGrid2, 1), W(GetParam().row1));
}

INSTANTIATE_TEST_SUITE_P(
    Items, AlphabetOption,
    testing::Values(AlphabetCase{0, 26, "RSTUVWXYZABCDEFGHIJKLMNOPQ"},
                    AlphabetCase{1, 27, "RSTUVWXYZ ABCDEFGHIJKLMNOPQ"},
                    AlphabetCase{2, 37, "RSTUVWXYZ 0123456789ABCDEFGHIJKLMNOPQ"},
                    AlphabetCase{3, 60,
                                 "RSTUVWXYZ 0123456789ÄÖÜß!\"#()*+,-./:;<=>?@_ABCDEFGHIJKLMNOPQ"}),
    [](const auto& info) { return "item" + std::to_string(info.param.item); });

TEST_F(Workbench, SmallerAlphabetReducesLargerShiftsAndKeepsTheMaxima) {
  ChooseAlphabet(3);
  EXPECT_EQ(form.UpDown1.Max, 60);
  EXPECT_EQ(form.UpDown2.Max, 60);
  SetBothShifts(50);
  ChooseAlphabet(0);
  EXPECT_EQ(form.State.EncShift, 24);
  EXPECT_EQ(form.State.DecShift, 24);
  EXPECT_EQ(form.Edit2.Text(), "24");
  EXPECT_EQ(form.Edit6.Text(), "24");
  EXPECT_EQ(form.UpDown1.Position, 24);
  EXPECT_EQ(form.UpDown2.Position, 24);
  EXPECT_EQ(form.UpDown1.Max, 60);  // never lowered
  EXPECT_EQ(form.UpDown2.Max, 60);

  ChooseAlphabet(3);
  SetBothShifts(52);
  ChooseAlphabet(0);
  EXPECT_EQ(form.State.EncShift, 0);
  EXPECT_EQ(Row(form.StringGrid1, 1), Row(form.StringGrid1, 0));
  EXPECT_EQ(Row(form.StringGrid2, 1), Row(form.StringGrid2, 0));
}

TEST_F(Workbench, ShiftEqualToTheColumnCountStaysAndGivesTheIdentity) {
  ChooseAlphabet(3);
  SetBothShifts(26);
  ChooseAlphabet(0);
  EXPECT_EQ(form.State.EncShift, 26);
  EXPECT_EQ(form.Edit2.Text(), "26");
  EXPECT_EQ(Row(form.StringGrid1, 1), Row(form.StringGrid1, 0));
  // Past the count, which the raised maximum allows: 27 becomes 1.
  EXPECT_TRUE(SpinEnc(true));
  EXPECT_EQ(form.State.EncShift, 1);
  EXPECT_EQ(form.State.DecShift, 1);
  EXPECT_EQ(form.Edit2.Text(), "1");
  EXPECT_EQ(form.UpDown1.Position, 1);
}

TEST_F(Workbench, ShiftOf45ReducedModulo26) {
  ChooseAlphabet(3);
  SetBothShifts(45);
  ChooseAlphabet(0);
  EXPECT_EQ(form.State.EncShift, 19);
  EXPECT_EQ(form.UpDown1.Position, 19);
}

TEST_F(Workbench, SpinnersStopAtTheirEndsWithoutAHandler) {
  SetBothShifts(37);
  form.Edit3.SetText("KEEP");
  EXPECT_FALSE(SpinEnc(true));
  EXPECT_FALSE(SpinDec(true));
  EXPECT_EQ(form.Edit3.Text(), "KEEP");  // no restart ran
  SetBothShifts(0);
  form.Edit3.SetText("KEEP");
  EXPECT_FALSE(SpinEnc(false));
  EXPECT_FALSE(SpinDec(false));
  EXPECT_EQ(form.State.EncShift, 0);
  EXPECT_EQ(form.Edit3.Text(), "KEEP");
}

TEST_F(Workbench, EncryptionSpinnerSetsBothShiftsAndRestartsOnlyEncryption) {
  form.Edit1.SetText("HALLO");
  form.Edit3.SetText("xyz");
  form.Edit5.SetText("done");
  form.State.EncPos = 3;
  form.State.DecPos = 4;
  form.BitBtn1.Enabled = form.BitBtn2.Enabled = form.BitBtn7.Enabled = false;
  form.UpDown1.Position = 5;
  form.UpDown1Click();
  EXPECT_EQ(form.State.EncShift, 5);
  EXPECT_EQ(form.State.DecShift, 5);
  EXPECT_EQ(form.Edit2.Text(), "5");
  EXPECT_EQ(form.Edit6.Text(), "5");
  EXPECT_EQ(form.UpDown2.Position, 5);
  EXPECT_EQ(Row(form.StringGrid1, 1), "FGHIJKLMNOPQRSTUVWXYZ 0123456789ABCDE");
  EXPECT_EQ(Row(form.StringGrid2, 1), Row(form.StringGrid1, 1));
  EXPECT_EQ(form.Edit3.Text(), "");
  EXPECT_EQ(form.State.EncPos, 1u);
  EXPECT_TRUE(form.BitBtn1.Enabled);
  EXPECT_TRUE(form.BitBtn2.Enabled);
  EXPECT_EQ(form.Edit5.Text(), "done");
  EXPECT_EQ(form.State.DecPos, 4u);
  EXPECT_FALSE(form.BitBtn7.Enabled);
}

TEST_F(Workbench, DecryptionSpinnerChangesOnlyTheDecryptionSide) {
  form.Edit1.SetText("hallo");
  form.Edit3.SetText("yr114");
  form.Edit5.SetText("HAL");
  form.State.EncPos = 3;
  form.State.DecPos = 4;
  const std::string encRow = Row(form.StringGrid1, 1);
  EXPECT_TRUE(SpinDec(true));
  EXPECT_EQ(form.State.DecShift, 18);
  EXPECT_EQ(form.Edit6.Text(), "18");
  EXPECT_EQ(form.State.EncShift, 17);
  EXPECT_EQ(form.Edit2.Text(), "17");
  EXPECT_EQ(Row(form.StringGrid1, 1), encRow);
  EXPECT_EQ(Row(form.StringGrid2, 1), "STUVWXYZ 0123456789ABCDEFGHIJKLMNOPQR");
  EXPECT_EQ(form.Edit1.Text(), "hallo");
  EXPECT_EQ(form.Edit3.Text(), "YR114");  // only upper-cased
  EXPECT_EQ(form.Edit5.Text(), "");
  EXPECT_EQ(form.State.EncPos, 3u);
  EXPECT_EQ(form.State.DecPos, 1u);
}

// One row per clear or restart button: what it resets, and what it must leave.
struct ResetCase {
  const char* name;
  void (TForm1::*handler)();
  const char* edit1;
  const char* edit3;
  const char* edit5;
  std::size_t encPos;
  std::size_t decPos;
  bool enc1, enc2, enc3, dec7, dec8, dec9;  // enabled flags afterwards
  bool selectionCleared;
  bool markerReset;
};

const ResetCase kResetCases[] = {
    {"BitBtn6_clear_ciphertext", &TForm1::BitBtn6Click, "abc", "", "ghi", 1, 4,
     true, true, true, false, false, false, false, false},
    {"BitBtn13_clear_decrypted", &TForm1::BitBtn13Click, "abc", "def", "", 3, 1,
     false, false, false, true, true, true, false, false},
    {"BitBtn14_restart_encryption", &TForm1::BitBtn14Click, "abc", "", "ghi", 1, 4,
     true, true, false, false, false, false, true, true},
    {"BitBtn15_restart_decryption", &TForm1::BitBtn15Click, "abc", "DEF", "", 3, 1,
     false, false, false, true, true, false, true, false},
    {"BitBtn16_clear_plaintext", &TForm1::BitBtn16Click, "", "", "", 1, 4,
     false, false, false, true, true, false, true, true},
};

class ResetButton : public Workbench, public testing::WithParamInterface<ResetCase> {};

TEST_P(ResetButton, ResetsItsRowAndLeavesTheRest) {
  const ResetCase& c = GetParam();
  form.Edit1.SetText("abc");
  form.Edit3.SetText("def");
  form.Edit5.SetText("ghi");
  form.State.EncPos = 3;
  form.State.DecPos = 4;
  form.State.GridSelectionCleared = false;
  form.ShowPositionMarker(3);
  for (Button* b : {&form.BitBtn1, &form.BitBtn2, &form.BitBtn3, &form.BitBtn7, &form.BitBtn8,
                    &form.BitBtn9})
    b->Enabled = false;

  (form.*c.handler)();

  EXPECT_EQ(form.Edit1.Text(), c.edit1);
  EXPECT_EQ(form.Edit3.Text(), c.edit3);
  EXPECT_EQ(form.Edit5.Text(), c.edit5);
  EXPECT_EQ(form.State.EncPos, c.encPos);
  EXPECT_EQ(form.State.DecPos, c.decPos);
  EXPECT_EQ(form.BitBtn1.Enabled, c.enc1);
  EXPECT_EQ(form.BitBtn2.Enabled, c.enc2);
  EXPECT_EQ(form.BitBtn3.Enabled, c.enc3);
  EXPECT_EQ(form.BitBtn7.Enabled, c.dec7);
  EXPECT_EQ(form.BitBtn8.Enabled, c.dec8);
  EXPECT_EQ(form.BitBtn9.Enabled, c.dec9);
  EXPECT_EQ(form.State.GridSelectionCleared, c.selectionCleared);
  EXPECT_EQ(form.Edit4.Text(), c.markerReset ? "^" : "  ^");
  EXPECT_EQ(form.State.EncShift, 17);
  EXPECT_EQ(form.State.DecShift, 17);
}

INSTANTIATE_TEST_SUITE_P(Buttons, ResetButton, testing::ValuesIn(kResetCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Workbench, RestartEncryptionEmptiesTheCiphertextEvenWithoutPlaintext) {
  form.Edit3.SetText("ABC");
  form.BitBtn14Click();
  EXPECT_EQ(form.Edit3.Text(), "");
}

TEST_F(Workbench, MarkerStandsUnderPositionAndHidesFrom76Characters) {
  form.ShowPositionMarker(5);
  EXPECT_EQ(form.Edit4.Text(), "    ^");
  form.ShowPositionMarker(0);
  EXPECT_EQ(form.Edit4.Text(), "^");

  form.Edit1.SetText(std::string(75, 'A'));
  form.ShowPositionMarker(1);
  EXPECT_TRUE(form.Edit4.Visible);
  form.Edit1.SetText(std::string(76, 'A'));  // typing alone changes nothing
  EXPECT_TRUE(form.Edit4.Visible);
  form.ShowPositionMarker(1);
  EXPECT_FALSE(form.Edit4.Visible);
  form.BitBtn16Click();
  EXPECT_TRUE(form.Edit4.Visible);
  EXPECT_EQ(form.Edit4.Text(), "^");
}

TEST_F(Workbench, EncryptionTableHidesItsSelectionOnExitOnlyWhileCleared) {
  // As after a step: the flag is off and the table has the focus.
  form.State.GridSelectionCleared = false;
  form.StringGrid1.SetCurrent({7, 1});
  form.SetFocus(form.StringGrid1);
  form.SetFocus(form.Edit3);
  EXPECT_EQ(form.StringGrid1.Current(), (GridCoord{7, 1}));

  form.BitBtn14Click();  // sets the flag again
  form.SetFocus(form.StringGrid1);
  form.SetFocus(form.Edit1);
  EXPECT_EQ(form.StringGrid1.Selection(), (GridRect{0, 0, 0, 0}));

  // The decryption table has no exit handler: its selection stays.
  form.StringGrid2.SetCurrent({4, 1});
  form.SetFocus(form.StringGrid2);
  form.SetFocus(form.Edit1);
  EXPECT_EQ(form.StringGrid2.Current(), (GridCoord{4, 1}));
}

TEST_F(Workbench, RowOneCellTypedOverCountsUntilTheNextRebuild) {
  form.StringGrid1.SetCell(7, 1, "XY");
  EXPECT_EQ(EncLookup(form.EncTable, core.AlphabetSize, 'H').Character, 'X');
  ChooseAlphabet(2);
  EXPECT_EQ(form.StringGrid1.Cell(7, 1), "Y");
}

TEST_F(Workbench, AnalysisWithEmptyCiphertextShowsTheErrorAndOpensNothing) {
  form.BitBtn10Click();
  ASSERT_EQ(platform.Messages.size(), 1u);
  EXPECT_EQ(platform.Messages[0].Kind, MessageKind::Error);
  EXPECT_EQ(platform.Messages[0].Text, "Kein Text zum Analysieren vorhanden!");
  EXPECT_EQ(platform.Messages[0].Buttons, MessageButtons::Ok);
  EXPECT_TRUE(platform.Shown.empty());
  EXPECT_EQ(form.Edit3.Text(), "");
}

TEST_F(Workbench, AnalysisHandsOverTheUpperCasedCiphertextAndAlphabet) {
  form.RadioGroup1.ItemIndex = 0;  // chosen but not yet applied: the launcher applies it
  form.Edit3.SetText(W("yr114 äß"));
  int sizeSeen = 0;
  std::string textSeen;
  platform.OnShowModal = [&](ModalForm) {
    sizeSeen = core.AlphabetSize;
    textSeen = core.AnalysisText;
  };
  form.BitBtn10Click();
  form.BitBtn12Click();
  EXPECT_EQ(platform.Shown, (std::vector<ModalForm>{TForm1::kForm2, TForm1::kForm3}));
  EXPECT_TRUE(platform.Messages.empty());
  EXPECT_EQ(sizeSeen, 26);
  EXPECT_EQ(textSeen, W("YR114 Äß"));
  EXPECT_EQ(form.Edit3.Text(), W("YR114 Äß"));
}

// What the main window shows of its decryption side, to compare two workbenches.
struct DecryptionSide {
  std::string Edit6, Edit3, Edit5, Row0, Row1;
  int DecShift, Position;
  std::size_t DecPos;
  bool Cleared, Step, Stepwise;
  bool operator==(const DecryptionSide&) const = default;
};
void PrintTo(const DecryptionSide& d, std::ostream* os) {
  *os << "Edit6 " << d.Edit6 << ", shift " << d.DecShift << ", UpDown2 " << d.Position
      << ", row 1 " << d.Row1 << ", DecPos " << d.DecPos << ", Edit5 \"" << d.Edit5 << "\"";
}

// A shift an analysis window hands back reaches the decryption exactly as the
// spinner would put it there: the same state as the arrow clicks to that
// position (or, for a shift no arrow reaches, to the shift it comes round to).
TEST_F(Workbench, ATakenShiftLeavesTheStateOfASpinnerClick) {
  struct Case {
    const char* name;
    int alphabetItem;
    int taken;
    int clickedTo;  // where the spinner's arrows give the same table
  };
  const Case cases[] = {
      {"down from 17", 2, 5, 5},
      {"up from 17", 2, 30, 30},
      {"the alphabet size: the identity table, shown as 37", 2, 37, 37},
      {"above the spinner's maximum comes round", 2, 40, 3},
      {"below 0 comes round", 2, -1, 36},
      {"26 letters under a maximum of 37 stays 26", 0, 26, 26},
      {"the shift the table already has still starts anew", 2, 17, 17},
  };
  const auto side = [this](const TForm1& f) {
    return DecryptionSide{f.Edit6.Text(), f.Edit3.Text(), f.Edit5.Text(),
                          Row(f.StringGrid2, 0), Row(f.StringGrid2, 1), f.State.DecShift,
                          f.UpDown2.Position, f.State.DecPos, f.State.GridSelectionCleared,
                          f.BitBtn7.Enabled, f.BitBtn8.Enabled};
  };
  // A decryption half way and both its buttons used up, so that the restart shows.
  const auto halfWay = [](TForm1& f, int alphabetItem) {
    f.FormCreate();
    f.FormShow();
    f.RadioGroup1.ItemIndex = alphabetItem;
    f.RadioGroup1Click();
    f.Edit3.SetText("yr114");
    f.BitBtn7Click();
    f.BitBtn7Click();
    f.BitBtn8.Enabled = false;
    f.State.GridSelectionCleared = false;
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CipherCore takenCore, clickedCore;
    FakePlatform takenPlatform, clickedPlatform;
    TForm1 taken{takenCore, takenPlatform, driveA};
    TForm1 clicked{clickedCore, clickedPlatform, driveA};
    halfWay(taken, c.alphabetItem);
    halfWay(clicked, c.alphabetItem);

    const FakeShiftTaker analysis(c.taken);
    taken.ReadTakenShiftsFrom(analysis, analysis);
    taken.BitBtn10Click();

    const int from = clicked.UpDown2.Position;
    for (int p = from; p != c.clickedTo; p += c.clickedTo > from ? 1 : -1)
      ASSERT_TRUE(c.clickedTo > from ? clicked.UpDown2.ClickUp() : clicked.UpDown2.ClickDown());
    // Where no arrow moves the spinner, the handler runs as the taken shift runs it.
    clicked.Edit3.SetText(UpcaseText(clicked.Edit3.Text()));  // as the analysis button does
    clicked.UpDown2Click();

    EXPECT_EQ(side(taken), side(clicked));
    EXPECT_EQ(taken.Edit5.Text(), "") << "the decryption starts anew";
    EXPECT_EQ(taken.State.DecPos, 1u);
  }
}

TEST_F(Workbench, BeendenOrTheCloseBoxOfAnAnalysisChangeNoShift) {
  form.Edit3.SetText("yr114");
  form.BitBtn7Click();
  const FakeShiftTaker nothingTaken;
  form.ReadTakenShiftsFrom(nothingTaken, nothingTaken);
  for (int showing = 0; showing < 2; ++showing) {
    form.BitBtn10Click();
    form.BitBtn12Click();
    EXPECT_EQ(form.State.DecShift, 17);
    EXPECT_EQ(form.Edit6.Text(), "17");
    EXPECT_EQ(form.Edit5.Text(), "H");
    EXPECT_EQ(form.State.DecPos, 2u);
  }
  // Nor does a shift handed back from an analysis that could not open.
  const FakeShiftTaker taken(5);
  form.ReadTakenShiftsFrom(taken, taken);
  form.Edit3.SetText({});
  form.BitBtn10Click();
  EXPECT_EQ(form.State.DecShift, 17);
  EXPECT_EQ(form.Edit5.Text(), "H");
}

TEST_F(Workbench, PairAnalysisOnlyUpperCasesThePlaintext) {
  form.Edit1.SetText("hallo");
  form.BitBtn11Click();
  EXPECT_EQ(form.Edit1.Text(), "HALLO");
  EXPECT_TRUE(platform.Shown.empty());
}

}  // namespace
