// The cipher disk without a display: its geometry against the main window's
// own tables for every alphabet and shift, hit-testing and the shorter way,
// and the window model following steps and turning the shift as the
// spinners do.
#include <gtest/gtest.h>

#include <string>

#include "allgfunkt/PosixDrive.h"
#include "maincaesar/model/TForm1.h"
#include "scheibe/model/DiskForm.h"
#include "scheibe/model/DiskGeometry.h"
#include "tests/support/FakePlatform.h"
#include "toolkit/model/Win1252.h"

namespace {

class Disk : public testing::Test {
 protected:
  void SetUp() override {
    form.FormCreate();
    form.FormShow();
    disk.FormShow();
  }
  void ChooseAlphabet(int index) {
    form.RadioGroup1.ItemIndex = index;
    form.RadioGroup1Click();
    disk.Follow();
  }
  void SetEncShift(int shift) {
    form.UpDown1.Position = shift;
    form.UpDown1Click();
    disk.Follow();
  }

  CipherCore core;
  FakePlatform platform;
  PosixDrive driveA{"/nonexistent/Laufwerk-A", false};
  TForm1 form{core, platform, driveA};
  DiskForm disk{form};
};

// Under every alphabet and every shift the spinner reaches, each plain
// character of the outer ring stands over the cipher character the table
// gives it, and the pointer shows column 0.
TEST_F(Disk, EveryOuterCharacterStandsOverWhatTheTableMakesOfIt) {
  for (int alphabet = 0; alphabet < 4; ++alphabet) {
    ChooseAlphabet(alphabet);
    const int n = form.StringGrid1.ColCount();
    ASSERT_EQ(static_cast<int>(disk.Alphabet().size()), n);
    const DiskGeometry geometry(n);
    for (int shift = form.UpDown1.Min; shift <= form.UpDown1.Max; ++shift) {
      SetEncShift(shift);
      SCOPED_TRACE(testing::Message() << "alphabet " << alphabet << ", shift " << shift);
      const std::optional<DiskPair> pair = PairAtPointer(disk.Alphabet(), disk.Shift());
      ASSERT_TRUE(pair);
      EXPECT_EQ(std::string(1, pair->Plain), form.StringGrid1.Cell(0, 0));
      EXPECT_EQ(std::string(1, pair->Cipher), form.StringGrid1.Cell(0, 1));
      for (int c = 0; c < n; ++c) {
        const int inner = geometry.InnerAt(geometry.OuterCentre(c), disk.Turn());
        ASSERT_EQ(std::string(1, disk.Alphabet()[inner]), form.StringGrid1.Cell(c, 1)) << c;
        EXPECT_NEAR(geometry.InnerCentre(inner, disk.Turn()), geometry.OuterCentre(c), 1e-9);
      }
    }
  }
}

TEST(DiskGeometry, AnglesHitsAndTheShorterWay) {
  const DiskGeometry g(26);
  const DiskLayout l = LayoutInSquare(0, 0, 200);
  const double ringMiddle = (l.OuterRadius + l.MiddleRadius) / 2;
  const double innerMiddle = (l.MiddleRadius + l.InnerRadius) / 2;
  struct Case {
    const char* what;
    double x, y, turn;
    DiskRing ring;
    int segment;
  };
  const Case cases[] = {
      {"outer ring at the pointer", l.CentreX, l.CentreY - ringMiddle, 0, DiskRing::Outer, 0},
      {"outer ring at three o'clock", l.CentreX + ringMiddle, l.CentreY, 0, DiskRing::Outer, 7},
      {"inner ring at the pointer, turned by 17", l.CentreX, l.CentreY - innerMiddle, 17,
       DiskRing::Inner, 17},
      {"inner ring at six o'clock, turned by 20", l.CentreX, l.CentreY + innerMiddle, 20,
       DiskRing::Inner, 7},
      {"the hub", l.CentreX, l.CentreY, 0, DiskRing::None, -1},
      {"outside", 1, 1, 0, DiskRing::None, -1},
  };
  for (const Case& c : cases) {
    const DiskHit hit = g.HitTest(c.x, c.y, l, c.turn);
    EXPECT_EQ(hit.Ring, c.ring) << c.what;
    EXPECT_EQ(hit.Segment, c.segment) << c.what;
  }
  // Just either side of a segment's edge.
  const double half = g.SegmentDegrees() / 2;
  EXPECT_EQ(g.OuterAt(half - 0.01), 0);
  EXPECT_EQ(g.OuterAt(half + 0.01), 1);
  EXPECT_EQ(g.OuterAt(360 - half + 0.01), 0);
  EXPECT_EQ(g.OuterAt(360 - half - 0.01), 25);

  EXPECT_EQ(g.ShortestTurn(17, 7), -10);
  EXPECT_EQ(g.ShortestTurn(25, 1), 2);
  EXPECT_EQ(g.ShortestTurn(1, 25), -2);
  EXPECT_EQ(g.ShortestTurn(0, 13), 13);  // half way round: forward
  EXPECT_EQ(g.ShortestTurn(13, 0), 13);
  EXPECT_EQ(DiskGeometry(37).ShortestTurn(0, 19), -18);

  // A drag clockwise by one segment lowers the shift; across the top too, and
  // a drag once round and on, summed move by move, counts every position.
  const double step = g.SegmentDegrees();
  EXPECT_EQ(g.StepsForDrag(DragDegrees(10, 10 + step)), -1);
  EXPECT_EQ(g.StepsForDrag(DragDegrees(360 - step / 2, step / 2)), -1);
  EXPECT_EQ(g.StepsForDrag(DragDegrees(3 * step, 0)), 3);
  EXPECT_EQ(g.StepsForDrag(DragDegrees(0, step * 0.4)), 0);
  double dragged = 0;
  for (double a = 0; a < 400; a += 10) dragged += DragDegrees(a, a + 10);
  EXPECT_EQ(g.StepsForDrag(dragged), -29);  // 400° / (360° / 26) = 28.9
  EXPECT_EQ(DegreesOf(10, 0, 0, 0), 90);
}

TEST_F(Disk, StepsLightTheirColumnAndNothingForUnknownCharacters) {
  ChooseAlphabet(0);  // "nur Buchstaben (original)"
  SetEncShift(3);
  form.Edit1.SetText("H!");
  form.BitBtn1Click();
  disk.Follow();
  ASSERT_TRUE(disk.Lit());
  EXPECT_EQ(*disk.Lit(), 7);  // H
  form.BitBtn1Click();        // "!" is no letter
  disk.Follow();
  EXPECT_FALSE(disk.Lit());

  // The other table's steps leave the disk alone.
  disk.RadioGroup1.ItemIndex = DiskForm::kDecryption;
  disk.RadioGroup1Click();
  form.BitBtn1Click();
  form.BitBtn14Click();  // "von vorn beginnen"
  form.Edit1.SetText("A");
  form.BitBtn1Click();
  disk.Follow();
  EXPECT_FALSE(disk.Lit());
  form.BitBtn7Click();  // deciphers "D"
  disk.Follow();
  ASSERT_TRUE(disk.Lit());
  EXPECT_EQ(*disk.Lit(), 0);
  form.BitBtn15Click();  // starting anew puts it out
  disk.Follow();
  EXPECT_FALSE(disk.Lit());
}

TEST_F(Disk, TurningClicksTheSpinnerAndStopsWhereItStops) {
  ChooseAlphabet(0);
  SetEncShift(17);
  EXPECT_EQ(disk.Edit1.Text(), "Verschiebung 17: A wird zu R");
  form.Edit1.SetText("HALLO");
  form.BitBtn1Click();
  EXPECT_TRUE(disk.TurnBy(-10));
  EXPECT_EQ(form.State.EncShift, 7);
  EXPECT_EQ(form.State.DecShift, 7);       // as the encryption spinner sets it
  EXPECT_EQ(form.Edit3.Text(), "");        // and the encryption starts anew
  EXPECT_EQ(form.StringGrid1.Cell(0, 1), "H");
  EXPECT_EQ(disk.Edit1.Text(), "Verschiebung 7: A wird zu H");
  EXPECT_EQ(disk.Announcer.Text(), "Verschiebung 7: A wird zu H");

  // Beyond the column count the spinner's shift comes round: 25, 26, 27 → 1, 2.
  SetEncShift(24);
  EXPECT_TRUE(disk.TurnBy(4));
  EXPECT_EQ(form.State.EncShift, 2);
  EXPECT_EQ(disk.Turn(), 2);

  EXPECT_TRUE(disk.TurnTo(0));  // Home
  EXPECT_EQ(form.State.EncShift, 0);
  EXPECT_FALSE(disk.TurnBy(-1));  // 0 is the lowest
  ChooseAlphabet(2);              // 37 characters
  SetEncShift(form.UpDown1.Max);
  EXPECT_FALSE(disk.TurnBy(1));  // the spinner does not wrap
  EXPECT_EQ(form.State.EncShift, form.UpDown1.Max);

  // The decryption side turns the decryption shift alone.
  disk.RadioGroup1.ItemIndex = DiskForm::kDecryption;
  disk.RadioGroup1Click();
  SetEncShift(5);
  EXPECT_TRUE(disk.TurnBy(2));
  EXPECT_EQ(form.State.DecShift, 7);
  EXPECT_EQ(form.State.EncShift, 5);
  EXPECT_EQ(disk.Edit1.Text(), "Verschiebung 7: H wird zu A");
}

TEST_F(Disk, ABlankIsSaidAsAWord) {
  ChooseAlphabet(1);  // "Buchstaben und Leerzeichen": the blank follows Z
  SetEncShift(26);
  EXPECT_EQ(disk.Edit1.Text(), "Verschiebung 26: A wird zu Leerzeichen");
}

}  // namespace
