// TForm3 without a display, opened as the learner opens it: from the main
// window's "brachiale Kryptoanalyse (Brute Force)" button, with the fake
// platform running FormShow and the clicks made inside the dialog.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "allgfunkt/PosixDrive.h"
#include "KAnalyse3/model/TForm3.h"
#include "maincaesar/model/TForm1.h"
#include "tests/support/FakePlatform.h"
#include "toolkit/model/Win1252.h"

namespace {

class BruteForceWindow : public testing::Test {
 protected:
  void SetUp() override {
    // The program's start-up order: create the windows, then show the main one.
    form1.FormCreate();
    form3.FormCreate();
    form1.ReadTakenShiftsFrom(noFrequencyAnalysis, form3);
    form1.FormShow();
    platform.OnShowModal = [this](ModalForm form) {
      ASSERT_EQ(form, TForm1::kForm3);
      form3.Frame.StartShowing();
      form3.FormShow();
      if (insideDialog) insideDialog();
    };
  }

  // Types the ciphertext, picks the alphabet and presses the analysis button;
  // `inside` runs while the dialog is open.
  void Open(const std::string& ciphertext, int alphabetItem,
            std::function<void()> inside = nullptr) {
    form1.Edit3.SetText(ciphertext);
    form1.RadioGroup1.ItemIndex = alphabetItem;
    insideDialog = std::move(inside);
    form1.BitBtn12Click();
  }

  const StringGrid& Grid() const { return form3.StringGrid1; }
  std::vector<int> ShiftColumn(int rows) const {
    std::vector<int> shifts;
    for (int r = 1; r <= rows; ++r) shifts.push_back(std::stoi(Grid().Cell(0, r)));
    return shifts;
  }
  int RowOfShift(int shift, int rows) const {
    for (int r = 1; r <= rows; ++r)
      if (Grid().Cell(0, r) == std::to_string(shift)) return r;
    ADD_FAILURE() << "no row with shift " << shift;
    return 0;
  }
  void ExpectRowsBlankFrom(int first) const {
    for (int r = first; r <= 60; ++r)
      for (int c = 0; c <= 3; ++c) EXPECT_EQ(Grid().Cell(c, r), "") << "col " << c << " row " << r;
  }

  CipherCore core;
  FakePlatform platform;
  BruteForceState state;
  PosixDrive driveA{"/nonexistent/Laufwerk-A", false};
  TForm1 form1{core, platform, driveA};
  TForm3 form3{state, core};
  const FakeShiftTaker noFrequencyAnalysis;
  std::function<void()> insideDialog;
};

std::vector<int> Ascending(int from, int to) {
  std::vector<int> v;
  for (int i = from; i <= to; ++i) v.push_back(i);
  return v;
}

TEST_F(BruteForceWindow, CreationLaysOutTheGridAndTheWordListLine) {
  EXPECT_EQ(Grid().ColCount(), 5);
  EXPECT_EQ(Grid().RowCount(), 61);
  EXPECT_EQ(Grid().FixedCols(), 1);
  EXPECT_EQ(Grid().FixedRows(), 1);
  EXPECT_EQ(Grid().Cell(0, 0), "Verschiebung");
  EXPECT_EQ(Grid().Cell(1, 0), W("dt. Wörter"));
  EXPECT_EQ(Grid().Cell(2, 0), "passender Klar-Text");
  EXPECT_EQ(Grid().Cell(3, 0), "");
  std::vector<int> widths;
  for (int c = 0; c < 5; ++c) widths.push_back(Grid().ColWidth(c));
  EXPECT_EQ(widths, (std::vector<int>{75, 55, 400, 90, 64}));
  EXPECT_EQ(form3.RichEdit1.Text,
            W("DER, DIE, UND, IN, DES, DEN, ZU, DAS, VON, FUER, FÜR, AUF, MIT, SICH, DASS, "
              "DEM, SIE, IST, IM, EIN, ER, ICH, NUN, ASS, WIE, AUF, SEI, AB, BIN, DES, VOR, "
              "UNS, GEHEIM, KRYPTO, CÄSAR, CAESAR, ANALYSE, SCHULE, LEHRER, DU"));
  EXPECT_TRUE(form3.Edit1.ReadOnly);
  EXPECT_TRUE(form3.BitBtn2.Enabled);
  EXPECT_TRUE(form3.BitBtn3.Enabled);
  EXPECT_EQ(form3.Frame.Width, 619);
  EXPECT_EQ(form3.Frame.Height, 449);
}

TEST_F(BruteForceWindow, FindsDerLehrerAndRanksItFirst) {
  std::vector<int> shiftOrder, scoreOrder;
  Open("ghu ohkuhu", 0, [&] {
    EXPECT_EQ(form3.Edit1.Text(), "26");
    shiftOrder = ShiftColumn(26);
    EXPECT_EQ(Grid().Cell(2, 1), "GHU OHKUHU");  // shift 0: the text as handed over
    EXPECT_EQ(Grid().Cell(1, 1), "0");
    EXPECT_EQ(Grid().Cell(1, 4), "4");
    EXPECT_EQ(Grid().Cell(2, 4), "DER LEHRER");
    ExpectRowsBlankFrom(27);

    form3.BitBtn2Click();
    scoreOrder = ShiftColumn(26);
    EXPECT_EQ(Grid().Cell(2, 1), "DER LEHRER");
    EXPECT_EQ(Grid().Cell(1, 1), "4");
    const char* ones[] = {"ABO IBEOBO", "QRE YRUERE", "NOB VORBOB"};
    for (int r = 2; r <= 4; ++r) {
      EXPECT_EQ(Grid().Cell(1, r), "1");
      EXPECT_EQ(Grid().Cell(2, r), ones[r - 2]);
    }
    for (int r = 5; r <= 26; ++r) EXPECT_EQ(Grid().Cell(1, r), "0");
    EXPECT_EQ(Grid().Cell(2, 5), "GHU OHKUHU");
  });
  EXPECT_EQ(shiftOrder, Ascending(0, 25));
  std::vector<int> expected = {3, 6, 16, 19};
  for (int s = 0; s < 26; ++s)
    if (s != 3 && s != 6 && s != 16 && s != 19) expected.push_back(s);
  EXPECT_EQ(scoreOrder, expected);
  // The window hands nothing back and changes nothing outside itself.
  EXPECT_EQ(core.AnalysisText, "GHU OHKUHU");
  EXPECT_EQ(form1.Edit3.Text(), "GHU OHKUHU");
}

struct CaesarCase {
  const char* name;
  int alphabetItem;
  int alphabetSize;
  const char* ciphertext;  // UTF-8: FÜR CÄSAR enciphered with shift 5
};

class FuerCaesar : public BruteForceWindow, public testing::WithParamInterface<CaesarCase> {};

TEST_P(FuerCaesar, TheRowWithShiftFiveReadsThePlaintext) {
  const CaesarCase& c = GetParam();
  Open(W(c.ciphertext), c.alphabetItem, [&] {
    EXPECT_EQ(form3.Edit1.Text(), std::to_string(c.alphabetSize));
    const int row = RowOfShift(5, c.alphabetSize);
    EXPECT_EQ(Grid().Cell(2, row), W("FÜR CÄSAR"));
    EXPECT_EQ(Grid().Cell(1, row), "2");
    if (c.alphabetSize == 26) {  // umlauts and space lie outside: they stay in every row
      for (int r = 1; r <= 26; ++r) {
        const std::string& text = Grid().Cell(2, r);
        EXPECT_EQ(text[1], W("Ü")[0]);
        EXPECT_EQ(text[3], ' ');
        EXPECT_EQ(text[5], W("Ä")[0]);
      }
    }
    ExpectRowsBlankFrom(c.alphabetSize + 1);
  });
}

// Under 60 the umlauts and the space are enciphered too: Ü moves to "(", the
// space to "4", Ä to the double quote.
INSTANTIATE_TEST_SUITE_P(Alphabets, FuerCaesar,
                         testing::Values(CaesarCase{"letters_only", 0, 26, "KÜW HÄXFW"},
                                         CaesarCase{"extended_list", 3, 60, "K(W4H\"XFW"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(BruteForceWindow, RowsBeyondASmallerAlphabetAreBlankAfterALargerOne) {
  Open("GHU OHKUHU", 3, [&] {
    EXPECT_EQ(ShiftColumn(60), Ascending(0, 59));
    EXPECT_EQ(Grid().Cell(2, 1), "GHU OHKUHU");
  });
  Open("GHU OHKUHU", 0, [&] {
    EXPECT_EQ(ShiftColumn(26), Ascending(0, 25));
    ExpectRowsBlankFrom(27);
  });
}

TEST_F(BruteForceWindow, SortButtonsKeepTheirStatesAcrossACloseAndAReopen) {
  Open("GHU OHKUHU", 0, [&] {
    EXPECT_TRUE(form3.BitBtn2.Enabled);
    EXPECT_TRUE(form3.BitBtn3.Enabled);
    form3.BitBtn2Click();
    EXPECT_FALSE(form3.BitBtn2.Enabled);
    EXPECT_TRUE(form3.BitBtn3.Enabled);
    EXPECT_EQ(form3.Frame.ModalResult, kModalResultNone);
    form3.BitBtn1Click();  // "Beenden"
    EXPECT_EQ(form3.Frame.ModalResult, kModalResultOk);
  });
  Open("GHU OHKUHU", 0, [&] {
    // Shift order again, although the buttons still say "sorted by score".
    EXPECT_EQ(ShiftColumn(26), Ascending(0, 25));
    EXPECT_FALSE(form3.BitBtn2.Enabled);
    EXPECT_TRUE(form3.BitBtn3.Enabled);
    form3.BitBtn3Click();
    EXPECT_EQ(ShiftColumn(26), Ascending(0, 25));
    EXPECT_TRUE(form3.BitBtn2.Enabled);
    EXPECT_FALSE(form3.BitBtn3.Enabled);
  });
}

struct TakeCase {
  const char* name;
  bool byScore;    // sorted by "dt. Wörter" first
  int selectRow;   // the cell the learner clicks, in column 1; 0: none
  int extendTo;    // the row a Shift+click extends the selection to; 0: none
  int shift;       // what reaches the main window's decryption
  const char* plaintext;
};
void PrintTo(const TakeCase& c, std::ostream* os) { *os << c.name; }

class TakeShift : public BruteForceWindow, public testing::WithParamInterface<TakeCase> {};

// "Verschiebung übernehmen" after the learner has (or has not) picked a row:
// the main window's decryption then gives exactly the text of that row.
TEST_P(TakeShift, TheSelectedRowOrTheTopRowReachesTheDecryption) {
  const TakeCase& c = GetParam();
  form1.Edit5.SetText("alt");
  Open("GHU OHKUHU", 0, [&] {
    if (c.byScore) form3.BitBtn2Click();
    if (c.selectRow > 0) form3.StringGrid1.SetCurrent({1, c.selectRow});
    if (c.extendTo > 0) form3.StringGrid1.ExtendSelectionTo({2, c.extendTo});
    form3.BitBtn4Click();
    EXPECT_EQ(form3.Frame.ModalResult, kModalResultOk);
    EXPECT_EQ(form3.TakenShift(), c.shift);
  });
  EXPECT_EQ(form1.Edit6.Text(), std::to_string(c.shift));
  EXPECT_EQ(form1.UpDown2.Position, c.shift);
  EXPECT_EQ(form1.Edit5.Text(), "") << "the decryption starts anew";
  EXPECT_EQ(form1.State.DecPos, 1u);
  form1.BitBtn9Click();  // "sofort alle Zeichen entschlüsseln"
  EXPECT_EQ(form1.Edit5.Text(), c.plaintext);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TakeShift,
    testing::Values(TakeCase{"none_in_shift_order", false, 0, 0, 0, "GHU OHKUHU"},
                    TakeCase{"none_by_score", true, 0, 0, 3, "DER LEHRER"},
                    TakeCase{"row_7_in_shift_order", false, 7, 0, 6, "ABO IBEOBO"},
                    TakeCase{"row_3_by_score", true, 3, 0, 16, "QRE YRUERE"},
                    TakeCase{"range_ends_in_row_5", false, 2, 5, 4, "CDQ KDGQDQ"},
                    TakeCase{"blank_row_below_the_26_shifts", true, 40, 0, 3, "DER LEHRER"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BruteForceWindow, BeendenChangesNothingInTheMainWindow) {
  form1.Edit5.SetText("alt");
  Open("GHU OHKUHU", 0, [&] {
    form3.BitBtn2Click();
    form3.StringGrid1.SetCurrent({1, 1});
    form3.BitBtn1Click();
  });
  EXPECT_EQ(form1.Edit6.Text(), "17");
  EXPECT_EQ(form1.State.DecShift, 17);
  EXPECT_EQ(form1.Edit5.Text(), "alt");
}

TEST_F(BruteForceWindow, ResizingBelowTheMinimumSnapsBack) {
  struct Case {
    int width, height, expectedWidth, expectedHeight;
  };
  for (const Case c : {Case{500, 300, 619, 449}, Case{700, 300, 700, 449}, Case{500, 600, 619, 600},
                       Case{619, 449, 619, 449}, Case{800, 600, 800, 600}}) {
    form3.Frame.Width = c.width;
    form3.Frame.Height = c.height;
    form3.FormResize();
    EXPECT_EQ(form3.Frame.Width, c.expectedWidth) << c.width << "x" << c.height;
    EXPECT_EQ(form3.Frame.Height, c.expectedHeight) << c.width << "x" << c.height;
  }
}

}  // namespace
