// TForm1 without a display: the single encryption and decryption steps, the
// animated and immediate runs, and which step buttons every handler enables.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "allgfunkt/PosixDrive.h"
#include "maincaesar/model/TForm1.h"
#include "tests/support/FakePlatform.h"
#include "toolkit/model/Win1252.h"

namespace {

// The fake platform, plus a look at the model at every redraw: what the
// learner would see before the pause.
class StepPlatform : public FakePlatform {
 public:
  void RedrawNow() override {
    FakePlatform::RedrawNow();
    if (OnRedraw) OnRedraw();
  }
  std::function<void()> OnRedraw;
};

// The six step buttons in the order BitBtn1, 2, 3, 7, 8, 9, written as '+'
// (enabled) and '-' (disabled).
std::string StepButtons(const TForm1& f) {
  std::string s;
  for (const Button* b : {&f.BitBtn1, &f.BitBtn2, &f.BitBtn3, &f.BitBtn7, &f.BitBtn8, &f.BitBtn9})
    s += b->Enabled ? '+' : '-';
  return s;
}

void SetStepButtons(TForm1& f, bool enabled) {
  for (Button* b : {&f.BitBtn1, &f.BitBtn2, &f.BitBtn3, &f.BitBtn7, &f.BitBtn8, &f.BitBtn9})
    b->Enabled = enabled;
}

class Steps : public testing::Test {
 protected:
  void SetUp() override {
    form.FormCreate();
    form.FormShow();
  }
  void Times(int n, void (TForm1::*handler)()) {
    for (int i = 0; i < n; ++i) (form.*handler)();
  }

  CipherCore core;
  StepPlatform platform;
  PosixDrive driveA{"/nonexistent/Laufwerk-A", false};  // no diskette: nothing here saves
  TForm1 form{core, platform, driveA};
};

TEST_F(Steps, HalloEncryptsToYR114AndDecryptsBack) {
  form.Edit1.SetText("HALLO");
  struct Expected {
    int column;
    const char* cipher;
    const char* marker;
  };
  const Expected steps[] = {{7, "Y", "^"},
                            {0, "YR", " ^"},
                            {11, "YR1", "  ^"},
                            {11, "YR11", "   ^"},
                            {14, "YR114", "    ^"}};
  for (const Expected& e : steps) {
    form.BitBtn1Click();
    SCOPED_TRACE(e.cipher);
    EXPECT_EQ(form.State.HitColumn, e.column);
    EXPECT_EQ(form.StringGrid1.Current(), (GridCoord{e.column, 1}));
    EXPECT_EQ(form.Edit3.Text(), e.cipher);
    EXPECT_EQ(form.Edit4.Text(), e.marker);
  }
  EXPECT_EQ(form.State.EncPos, 6u);

  form.BitBtn3Click();
  EXPECT_EQ(form.Edit3.Text(), "YR114");
  EXPECT_EQ(form.State.EncPos, 1u);
  form.BitBtn9Click();
  EXPECT_EQ(form.Edit5.Text(), "HALLO");
  EXPECT_EQ(form.State.DecPos, 1u);
  EXPECT_EQ(form.State.HitColumn, 14);  // the last "4" stands under "O"
  EXPECT_EQ(platform.Redraws, 10);
  EXPECT_TRUE(platform.Pauses.empty());
}

TEST_F(Steps, FirstStepUpperCasesALowerCasePlaintext) {
  form.Edit1.SetText(W("hallo, straße äöü"));
  form.BitBtn1Click();
  EXPECT_EQ(form.Edit1.Text(), W("HALLO, STRAßE ÄÖÜ"));
  EXPECT_EQ(form.Edit3.Text(), "Y");
}

struct UnknownCase {
  const char* name;
  int option;
  const char* dollar;   // cipher of "A$"
  const char* yUmlaut;  // cipher of "Aÿ", UTF-8
};

class UnknownCharacter : public Steps, public testing::WithParamInterface<UnknownCase> {};

TEST_P(UnknownCharacter, OptionDecidesEncryptionOnly) {
  form.RadioGroup2.ItemIndex = GetParam().option;
  form.RadioGroup2Click();
  form.Edit1.SetText("A$");
  form.BitBtn1Click();
  form.BitBtn1Click();
  EXPECT_EQ(form.Edit3.Text(), GetParam().dollar);
  EXPECT_EQ(form.State.HitColumn, -1);
  EXPECT_EQ(form.State.EncPos, 3u);
  EXPECT_EQ(form.Edit4.Text(), " ^");

  // "ÿ" is byte 255 and was once mistaken for "append nothing".
  form.Edit1.SetText(W("Aÿ"));
  form.BitBtn3Click();
  EXPECT_EQ(form.Edit3.Text(), W(GetParam().yUmlaut));

  // Decryption takes over every character it does not know.
  form.Edit3.SetText(W("R$ÿ"));
  form.BitBtn9Click();
  EXPECT_EQ(form.Edit5.Text(), W("A$ÿ"));
}

INSTANTIATE_TEST_SUITE_P(Options, UnknownCharacter,
                         testing::Values(UnknownCase{"skip", 0, "R", "R"},
                                         UnknownCase{"takeOver", 1, "R$", "Rÿ"},
                                         UnknownCase{"space", 2, "R ", "R "}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Steps, RowOneCellTypedOverCountsUntilTheRowIsRebuilt) {
  form.StringGrid1.SetCell(7, 1, "XY");    // under "H"
  form.StringGrid1.SetCell(0, 1, W("ÿ"));  // under "A"
  form.Edit1.SetText("HALLO");
  form.BitBtn3Click();
  EXPECT_EQ(form.Edit3.Text(), W("Xÿ114"));

  form.RadioGroup1Click();
  form.BitBtn3Click();
  EXPECT_EQ(form.Edit3.Text(), "YR114");
}

TEST_F(Steps, EmptiedRowOneCellSelectsItsColumnAndAppendsNothing) {
  form.RadioGroup2.ItemIndex = 2;  // the character was found, so no space stands in
  form.StringGrid1.SetCell(0, 1, "");
  form.Edit1.SetText("AB");
  form.BitBtn1Click();
  EXPECT_EQ(form.State.HitColumn, 0);
  EXPECT_EQ(form.StringGrid1.Current(), (GridCoord{0, 1}));
  EXPECT_EQ(form.ActiveControl(), &form.StringGrid1);
  EXPECT_EQ(form.Edit3.Text(), "");
  EXPECT_EQ(form.State.EncPos, 2u);
  form.BitBtn1Click();
  EXPECT_EQ(form.Edit3.Text(), "S");
}

TEST_F(Steps, UsedUpStepOnlyUpperCasesAndDisablesItsButton) {
  form.Edit1.SetText("HALLO");
  Times(5, &TForm1::BitBtn1Click);
  EXPECT_TRUE(form.BitBtn1.Enabled);
  form.Edit1.SetText("hallo");
  form.BitBtn1Click();
  EXPECT_EQ(form.Edit1.Text(), "HALLO");
  EXPECT_EQ(form.Edit3.Text(), "YR114");
  EXPECT_EQ(form.State.EncPos, 6u);
  EXPECT_EQ(form.State.HitColumn, -1);
  EXPECT_EQ(form.Edit4.Text(), "    ^");
  EXPECT_EQ(form.StringGrid1.Current(), (GridCoord{14, 1}));
  EXPECT_EQ(StepButtons(form), "-+++++");

  // Shortened below the position by the learner.
  form.BitBtn14Click();
  Times(2, &TForm1::BitBtn1Click);
  form.Edit1.SetText("h");
  form.BitBtn1Click();
  EXPECT_EQ(form.Edit1.Text(), "H");
  EXPECT_EQ(form.Edit3.Text(), "YR");
  EXPECT_EQ(form.State.EncPos, 3u);
  EXPECT_FALSE(form.BitBtn1.Enabled);

  form.Edit3.SetText("yr114");
  Times(5, &TForm1::BitBtn7Click);
  EXPECT_TRUE(form.BitBtn7.Enabled);
  form.BitBtn7Click();
  EXPECT_EQ(form.Edit5.Text(), "HALLO");
  EXPECT_EQ(form.State.DecPos, 6u);
  EXPECT_EQ(form.State.HitColumn, -1);
  EXPECT_EQ(StepButtons(form), "-++-++");
}

TEST_F(Steps, AnimatedRunAfterTwoStepsAppendsAndPausesAfterEveryStep) {
  // At every redraw: ciphertext | marker | selected column | pauses so far.
  std::vector<std::string> seen;
  platform.OnRedraw = [&] {
    seen.push_back(form.Edit3.Text() + "|" + form.Edit4.Text() + "|" +
                   std::to_string(form.StringGrid1.Current().Col) + "|" +
                   std::to_string(platform.Pauses.size()));
  };
  form.Edit1.SetText("HALLO");
  Times(2, &TForm1::BitBtn1Click);
  form.BitBtn2Click();
  // Each step is on screen before its pause; the first comes at once.
  EXPECT_EQ(seen, (std::vector<std::string>{"YR1|  ^|11|0", "YR11|   ^|11|1", "YR114|    ^|14|2"}));
  EXPECT_EQ(platform.Pauses, (std::vector<int>{400, 400, 400}));
  EXPECT_EQ(form.State.EncPos, 1u);
  EXPECT_EQ(StepButtons(form), "--++++");

  platform.OnRedraw = nullptr;
  platform.Pauses.clear();
  Times(2, &TForm1::BitBtn7Click);
  form.BitBtn8Click();
  EXPECT_EQ(form.Edit5.Text(), "HALLO");
  EXPECT_EQ(platform.Pauses, (std::vector<int>{400, 400, 400}));
  EXPECT_EQ(form.State.DecPos, 1u);
  EXPECT_EQ(StepButtons(form), "--+--+");
}

TEST_F(Steps, EscapeStopsAnAnimatedRunAfterTheStepOnScreen) {
  struct Case {
    const char* name;
    void (TForm1::*run)();
    void (TForm1::*step)();
    const Edit& destination;
    const std::size_t& pos;
  };
  const Case cases[] = {
      {"encryption", &TForm1::BitBtn2Click, &TForm1::BitBtn1Click, form.Edit3, form.State.EncPos},
      {"decryption", &TForm1::BitBtn8Click, &TForm1::BitBtn7Click, form.Edit5, form.State.DecPos},
  };
  form.Edit1.SetText("HALLO");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    platform.Pauses.clear();
    platform.StopAtPause = 2;  // while the second character is on screen
    (form.*c.run)();
    EXPECT_EQ(platform.Pauses.size(), 2u);
    EXPECT_EQ(c.destination.Text().size(), 2u);
    // The position and the buttons stay, so the learner goes on step by step.
    EXPECT_EQ(c.pos, 3u);
    EXPECT_EQ(StepButtons(form), "++++++");
    (form.*c.step)();
    EXPECT_EQ(c.destination.Text().size(), 3u);
  }
  EXPECT_EQ(form.Edit3.Text(), "YR1");
  EXPECT_EQ(form.Edit5.Text(), "HAL");

  // Stopped in the pause after the last step, the run has simply ended.
  form.BitBtn14Click();
  platform.Pauses.clear();
  platform.StopAtPause = 5;
  form.BitBtn2Click();
  EXPECT_EQ(form.Edit3.Text(), "YR114");
  EXPECT_EQ(form.State.EncPos, 1u);
  EXPECT_EQ(StepButtons(form), "--++++");
}

TEST_F(Steps, ImmediateRunYieldsExactlyTheWholeTextAndKeepsTheButtons) {
  form.Edit1.SetText("HALLO");
  Times(2, &TForm1::BitBtn1Click);
  form.Edit3.SetText("JUNK");
  form.BitBtn1.Enabled = false;
  form.BitBtn3Click();
  EXPECT_EQ(form.Edit3.Text(), "YR114");
  EXPECT_EQ(form.State.EncPos, 1u);
  EXPECT_EQ(platform.Redraws, 5);
  EXPECT_TRUE(platform.Pauses.empty());
  EXPECT_EQ(StepButtons(form), "-+++++");

  // A still-enabled step button starts again at the first character.
  form.BitBtn1.Enabled = true;
  form.BitBtn1Click();
  EXPECT_EQ(form.Edit3.Text(), "YR114Y");

  Times(3, &TForm1::BitBtn7Click);
  form.Edit5.SetText("JUNK");
  form.BitBtn9Click();
  EXPECT_EQ(form.Edit5.Text(), "HALLOH");
  EXPECT_EQ(form.State.DecPos, 1u);
  EXPECT_EQ(StepButtons(form), "++++++");
}

TEST_F(Steps, EmptySourceForEveryKindOfStepAndRun) {
  struct Case {
    const char* name;
    void (TForm1::*handler)();
    Edit TForm1::*source;
    Edit TForm1::*destination;
    const char* destinationAfter;
    const char* buttonsAfter;
  };
  const Case cases[] = {
      {"BitBtn1Click", &TForm1::BitBtn1Click, &TForm1::Edit1, &TForm1::Edit3, "JUNK", "-+++++"},
      {"BitBtn2Click", &TForm1::BitBtn2Click, &TForm1::Edit1, &TForm1::Edit3, "JUNK", "--++++"},
      {"BitBtn3Click", &TForm1::BitBtn3Click, &TForm1::Edit1, &TForm1::Edit3, "", "++++++"},
      {"BitBtn7Click", &TForm1::BitBtn7Click, &TForm1::Edit3, &TForm1::Edit5, "JUNK", "+++-++"},
      {"BitBtn8Click", &TForm1::BitBtn8Click, &TForm1::Edit3, &TForm1::Edit5, "JUNK", "+++--+"},
      {"BitBtn9Click", &TForm1::BitBtn9Click, &TForm1::Edit3, &TForm1::Edit5, "", "++++++"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CipherCore core;
    FakePlatform platform;
    PosixDrive driveA{"/nonexistent/Laufwerk-A", false};
    TForm1 f{core, platform, driveA};
    f.FormCreate();
    f.FormShow();
    (f.*c.source).SetText("");
    (f.*c.destination).SetText("JUNK");
    (f.*c.handler)();
    EXPECT_EQ((f.*c.destination).Text(), c.destinationAfter);
    EXPECT_EQ(StepButtons(f), c.buttonsAfter);
    EXPECT_EQ(f.State.EncPos, 1u);
    EXPECT_EQ(f.State.DecPos, 1u);
    EXPECT_TRUE(f.State.GridSelectionCleared);
    EXPECT_EQ(platform.Redraws, 0);
    EXPECT_TRUE(platform.Pauses.empty());
  }
}

TEST_F(Steps, FoundCharacterTakesTheFocusAndAnUnknownOneLeavesIt) {
  form.Edit1.SetText("$H$");
  form.BitBtn1Click();
  EXPECT_EQ(form.State.HitColumn, -1);
  EXPECT_FALSE(form.State.GridSelectionCleared);
  EXPECT_EQ(form.StringGrid1.Current(), (GridCoord{0, 1}));  // into row 1, column kept
  EXPECT_EQ(form.ActiveControl(), &form.Edit1);
  form.BitBtn1Click();
  EXPECT_EQ(form.StringGrid1.Current(), (GridCoord{7, 1}));
  EXPECT_EQ(form.ActiveControl(), &form.StringGrid1);
  form.BitBtn1Click();
  EXPECT_EQ(form.StringGrid1.Current(), (GridCoord{7, 1}));
  EXPECT_EQ(form.ActiveControl(), &form.StringGrid1);

  // A restart sets the flag that hides the encryption table's selection when it
  // loses the focus; the decryption step clears the flag before it takes the
  // focus, so the encryption table keeps its selected column.
  form.BitBtn15Click();
  form.Edit3.SetText("Y$");
  form.BitBtn7Click();
  EXPECT_EQ(form.State.HitColumn, 7);
  EXPECT_EQ(form.StringGrid2.Current(), (GridCoord{7, 1}));
  EXPECT_EQ(form.ActiveControl(), &form.StringGrid2);
  EXPECT_EQ(form.StringGrid1.Selection(), (GridRect{7, 1, 7, 1}));
  form.BitBtn7Click();
  EXPECT_EQ(form.State.HitColumn, -1);
  EXPECT_EQ(form.StringGrid2.Current(), (GridCoord{7, 1}));
  EXPECT_EQ(form.ActiveControl(), &form.StringGrid2);
  EXPECT_EQ(form.Edit5.Text(), "H$");
}

TEST_F(Steps, FieldEditedBetweenStepsIsUpperCasedAgain) {
  form.Edit1.SetText("HALLO");
  form.BitBtn1Click();
  form.Edit1.SetText("hbllo");  // same length, changed under the position
  form.BitBtn1Click();
  EXPECT_EQ(form.Edit1.Text(), "HBLLO");
  EXPECT_EQ(form.Edit3.Text(), "YS");

  form.BitBtn7Click();
  form.Edit3.SetText("ys");
  form.BitBtn7Click();
  EXPECT_EQ(form.Edit3.Text(), "YS");
  EXPECT_EQ(form.Edit5.Text(), "HB");

  // The encryption appends a lower-case character from a typed-over cell; the
  // next decryption step upper-cases it before reading it.
  form.StringGrid1.SetCell(11, 1, "x");
  form.BitBtn1Click();
  EXPECT_EQ(form.Edit3.Text(), "YSx");
  form.BitBtn7Click();
  EXPECT_EQ(form.Edit3.Text(), "YSX");
  EXPECT_EQ(form.Edit5.Text(), "HBG");
}

TEST_F(Steps, FullDestinationRefusesFurtherSteps) {
  form.Edit1.SetText(std::string(kMaxFieldLength, 'a'));
  form.BitBtn3Click();
  EXPECT_EQ(form.Edit3.Text(), std::string(kMaxFieldLength, 'R'));
  EXPECT_TRUE(form.BitBtn1.Enabled);
  form.BitBtn1Click();
  EXPECT_EQ(form.Edit3.Text().size(), kMaxFieldLength);
  EXPECT_EQ(form.State.EncPos, 1u);
  EXPECT_FALSE(form.BitBtn1.Enabled);
  platform.Pauses.clear();
  form.BitBtn2Click();
  EXPECT_EQ(form.Edit3.Text().size(), kMaxFieldLength);
  EXPECT_TRUE(platform.Pauses.empty());

  form.BitBtn9Click();
  EXPECT_EQ(form.Edit5.Text(), std::string(kMaxFieldLength, 'A'));
  form.BitBtn7Click();
  EXPECT_EQ(form.Edit5.Text().size(), kMaxFieldLength);
  EXPECT_EQ(form.State.DecPos, 1u);
  EXPECT_EQ(StepButtons(form), "--+-++");

  // A text longer than a field holds, such as one set from outside the widget:
  // the immediate run stops with the field full and leaves the buttons alone.
  form.BitBtn6Click();
  form.Edit1.SetText(std::string(kMaxFieldLength + 10, 'A'));
  form.BitBtn3Click();
  EXPECT_EQ(form.Edit3.Text().size(), kMaxFieldLength);
  EXPECT_EQ(form.State.EncPos, 1u);
  EXPECT_EQ(StepButtons(form), "+++-++");
}

// Which of the six step buttons every handler of the main window enables ('+'),
// disables ('-') or leaves alone ('.'). Each row runs once with all six enabled
// and once with all six disabled, so that "alone" is told from "on" and "off".
TEST(StepButtonTable, EveryHandlerEnablesAndDisablesAsDocumented) {
  struct Row {
    const char* name;
    std::function<void(TForm1&)> run;
    const char* effect;  // BitBtn1, 2, 3, 7, 8, 9
  };
  const auto click = [](void (TForm1::*handler)()) {
    return [handler](TForm1& f) { (f.*handler)(); };
  };
  // clang-format off: one handler a line reads best
  const Row rows[] = {
      {"RadioGroup1Click",
       [](TForm1& f) {
         f.RadioGroup1.ItemIndex = 3;
         f.RadioGroup1Click();
       },
       "......"},
      {"RadioGroup2Click", click(&TForm1::RadioGroup2Click), "......"},
      {"Edit1Exit", click(&TForm1::Edit1Exit), "......"},
      {"UpDown1Click",
       [](TForm1& f) {
         f.UpDown1.ClickUp();
         f.UpDown1Click();
       },
       "++...."},
      {"UpDown2Click",
       [](TForm1& f) {
         f.UpDown2.ClickUp();
         f.UpDown2Click();
       },
       "...++."},
      {"StringGrid1Exit", click(&TForm1::StringGrid1Exit), "......"},
      {"BitBtn1Click with text left", click(&TForm1::BitBtn1Click), "......"},
      {"BitBtn1Click used up",
       [](TForm1& f) {
         f.State.EncPos = 6;
         f.BitBtn1Click();
       },
       "-....."},
      {"BitBtn2Click", click(&TForm1::BitBtn2Click), "--...."},
      {"BitBtn3Click", click(&TForm1::BitBtn3Click), "......"},
      {"BitBtn6Click", click(&TForm1::BitBtn6Click), "+++..."},
      {"BitBtn7Click with text left", click(&TForm1::BitBtn7Click), "......"},
      {"BitBtn7Click used up",
       [](TForm1& f) {
         f.State.DecPos = 6;
         f.BitBtn7Click();
       },
       "...-.."},
      {"BitBtn8Click", click(&TForm1::BitBtn8Click), "...--."},
      {"BitBtn9Click", click(&TForm1::BitBtn9Click), "......"},
      {"BitBtn10Click", click(&TForm1::BitBtn10Click), "......"},
      {"BitBtn11Click", click(&TForm1::BitBtn11Click), "......"},
      {"BitBtn12Click", click(&TForm1::BitBtn12Click), "......"},
      {"BitBtn13Click", click(&TForm1::BitBtn13Click), "...+++"},
      {"BitBtn14Click", click(&TForm1::BitBtn14Click), "++...."},
      {"BitBtn15Click", click(&TForm1::BitBtn15Click), "...++."},
      {"BitBtn16Click", click(&TForm1::BitBtn16Click), "...++."},
      // The diskette buttons, with every question left unanswered.
      {"BitBtn4Click", click(&TForm1::BitBtn4Click), "...++."},
      {"BitBtn5Click", click(&TForm1::BitBtn5Click), "......"},
      {"BitBtn17Click", click(&TForm1::BitBtn17Click), "...++."},
      {"BitBtn18Click", click(&TForm1::BitBtn18Click), "......"},
  };
  // clang-format on
  for (const Row& row : rows) {
    for (const bool start : {true, false}) {
      SCOPED_TRACE(std::string(row.name) + (start ? ", all enabled" : ", all disabled"));
      CipherCore core;
      FakePlatform platform;
      PosixDrive driveA{"/nonexistent/Laufwerk-A", false};
    TForm1 f{core, platform, driveA};
      f.FormCreate();
      f.FormShow();
      f.Edit1.SetText("HALLO");
      f.Edit3.SetText("YR114");
      SetStepButtons(f, start);
      row.run(f);
      std::string expected;
      for (const char e : std::string(row.effect))
        expected += e == '+' ? '+' : e == '-' ? '-' : (start ? '+' : '-');
      EXPECT_EQ(StepButtons(f), expected);
    }
  }
}

}  // namespace

namespace {

// What a screen reader hears of a step: the pair and the text so far, after
// every single step, the same pair again too; a run says its result once.
class Said : public Steps {
 protected:
  // Every text the announcer was given while act ran, in order.
  std::vector<std::string> During(const std::function<void()>& act) {
    std::vector<std::string> said;
    std::uint64_t seen = form.Announcer.Revision();
    platform.OnRedraw = [&] {
      if (form.Announcer.Revision() != seen) said.push_back("(mid-run) " + form.Announcer.Text());
      seen = form.Announcer.Revision();
    };
    act();
    platform.OnRedraw = nullptr;
    if (form.Announcer.Revision() != seen) said.push_back(form.Announcer.Text());
    return said;
  }
  std::vector<std::string> Steps(void (TForm1::*step)(), int n) {
    std::vector<std::string> said;
    for (int i = 0; i < n; ++i) {
      const auto one = During([&] { (form.*step)(); });
      said.insert(said.end(), one.begin(), one.end());
    }
    return said;
  }
};

TEST_F(Said, EachSingleStepSaysThePairAndTheTextSoFar) {
  struct Case {
    const char* name;
    int unknownOption;
    std::vector<const char*> said;  // UTF-8
  };
  const Case cases[] = {
      {"a repeated letter, and a character taken over", 1,
       {"A wird zu R. Geheimtext: R", "L wird zu 1. Geheimtext: R1", "L wird zu 1. Geheimtext: R11",
        "$ übernommen. Geheimtext: R11$", "Der Klartext ist ganz verschlüsselt."}},
      {"a character skipped", 0,
       {"A wird zu R. Geheimtext: R", "L wird zu 1. Geheimtext: R1", "L wird zu 1. Geheimtext: R11",
        "$ übersprungen. Geheimtext: R11", "Der Klartext ist ganz verschlüsselt."}},
      {"a character that becomes a blank, said as a word", 2,
       {"A wird zu R. Geheimtext: R", "L wird zu 1. Geheimtext: R1", "L wird zu 1. Geheimtext: R11",
        "$ wird zu Leerzeichen. Geheimtext: R11 ", "Der Klartext ist ganz verschlüsselt."}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    form.BitBtn16Click();  // "Klartext löschen"
    form.BitBtn6Click();   // "Geheimtext löschen": the buttons again
    form.RadioGroup2.ItemIndex = c.unknownOption;
    form.Edit1.SetText("all$");
    std::vector<std::string> expected;
    for (const char* s : c.said) expected.push_back(W(s));
    EXPECT_EQ(Steps(&TForm1::BitBtn1Click, 5), expected);
  }

  // Decryption: the blank of the 37-character alphabet said as a word, a
  // character outside the table taken over.
  form.Edit3.SetText("RG$");
  std::vector<std::string> decrypted;
  for (const char* s : {"R wird zu A. Klartext: A", "G wird zu Leerzeichen. Klartext: A ",
                        "$ übernommen. Klartext: A $", "Der Geheimtext ist ganz entschlüsselt."})
    decrypted.push_back(W(s));
  EXPECT_EQ(Steps(&TForm1::BitBtn7Click, 4), decrypted);
}

TEST_F(Said, ARunSaysItsResultOnceAtItsEnd) {
  form.Edit1.SetText("hallo");
  EXPECT_EQ(During([&] { form.BitBtn3Click(); }), std::vector<std::string>{"Geheimtext: YR114"});
  form.BitBtn6Click();
  EXPECT_EQ(During([&] { form.BitBtn2Click(); }), std::vector<std::string>{"Geheimtext: YR114"});
  // Stopped by Escape in the second pause: where it stopped.
  form.BitBtn14Click();
  platform.StopAtPause = platform.Pauses.size() + 2;
  EXPECT_EQ(During([&] { form.BitBtn2Click(); }),
            std::vector<std::string>{"Angehalten. Geheimtext: YR"});
  form.Edit3.SetText("YR114");
  EXPECT_EQ(During([&] { form.BitBtn9Click(); }), std::vector<std::string>{"Klartext: HALLO"});
  // A long text is said by its length and its end.
  form.Edit1.SetText(std::string(100, 'A'));
  EXPECT_EQ(During([&] { form.BitBtn3Click(); }),
            std::vector<std::string>{"Geheimtext, 100 Zeichen, zuletzt: " + std::string(30, 'R')});
}

}  // namespace
