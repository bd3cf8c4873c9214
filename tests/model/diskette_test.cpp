// The four diskette buttons of the main window without a display: a real
// temporary directory stands for drive A:, the platform answers the message
// boxes from a script, and failures are injected below the drive.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <functional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "allgfunkt/PosixDrive.h"
#include "maincaesar/model/TForm1.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/FaultySystemCalls.h"
#include "tests/support/NoHang.h"
#include "tests/support/TempDir.h"
#include "toolkit/model/Win1252.h"

namespace {

using A = MessageAnswer;
using B = MessageButtons;
using K = MessageKind;

// A message box as one readable line in UTF-8: "Fehler [OK] text".
std::string Line(MessageKind kind, MessageButtons buttons, const std::string& text1252) {
  const char* title = kind == K::Warning       ? "Warnung"
                      : kind == K::Error       ? "Fehler"
                      : kind == K::Information ? "Information"
                                               : "Bestätigung";
  const char* keys = buttons == B::Ok ? "OK" : buttons == B::OkCancel ? "OK/Abbrechen" : "Ja/Nein";
  return std::string(title) + " [" + keys + "] " + win1252::ToUtf8(text1252);
}
std::string Box(MessageKind kind, MessageButtons buttons, const char* utf8) {
  return Line(kind, buttons, W(utf8));
}

const std::string kPrompt =
    Box(K::Confirmation, B::OkCancel,
        "Bitte eine Diskette in das Laufwerk A: einlegen!\rDanach dann bei \"OK\" bestätigen!");
const std::string kSaveProblem = Box(K::Error, B::Ok, "Problem beim Speichern aufgetreten!");
const std::string kLoadProblem =
    Box(K::Error, B::Ok, "Problem beim Lesen von Diskette aufgetreten!");

// The ciphertext and the plaintext side: their buttons, field, file and texts.
struct Twin {
  const char* name;
  void (TForm1::*save)();
  void (TForm1::*load)();
  Edit TForm1::*field;
  const char* file;
  std::string saveQuestion, loadQuestion, overwriteQuestion, saved, missing;
};

void PrintTo(const Twin& t, std::ostream* os) {
  *os << t.name;
}

const Twin kCipher{
    "Geheimtext",
    &TForm1::BitBtn5Click,
    &TForm1::BitBtn4Click,
    &TForm1::Edit3,
    "GEHEIM.TXT",
    Box(K::Confirmation, B::YesNo,
        "Soll der Geheimtext jetzt auf\reiner Diskette gespeichert werden?"),
    Box(K::Confirmation, B::YesNo,
        "Soll der Geheimtext jetzt von\reiner Diskette eingelesen werden?"),
    Box(K::Confirmation, B::YesNo,
        "Soll der vorhandene Geheimtext\rauf der Diskette überschrieben werden?"),
    Box(K::Information, B::Ok, "Geheimtext auf Diskette gespeichert!"),
    Box(K::Error, B::Ok, "Es ist kein Geheimtext\rauf der Diskette vorhanden!"),
};

const Twin kPlain{
    "Klartext",
    &TForm1::BitBtn18Click,
    &TForm1::BitBtn17Click,
    &TForm1::Edit1,
    "KLARTEXT.TXT",
    Box(K::Confirmation, B::YesNo,
        "Soll der Klartext jetzt auf\reiner Diskette gespeichert werden?"),
    Box(K::Confirmation, B::YesNo,
        "Soll der Klartext jetzt von\reiner Diskette eingelesen werden?"),
    Box(K::Confirmation, B::YesNo,
        "Soll der vorhandene Klartext\rauf der Diskette überschrieben werden?"),
    Box(K::Information, B::Ok, "Klartext auf Diskette gespeichert!"),
    Box(K::Error, B::Ok, "Es ist kein Klartext\rauf der Diskette vorhanden!"),
};

// Everything of the workbench a diskette handler might touch, so that a test
// can say exactly what changed and that nothing else did.
struct Bench {
  std::string edit1, edit3, edit5;
  std::size_t encPos, decPos;
  bool bitBtn1, bitBtn7, bitBtn8;
  std::size_t marker;
  bool gridSelectionCleared;
  int encShift, decShift;
  bool operator==(const Bench&) const = default;
};

void PrintTo(const Bench& b, std::ostream* os) {
  *os << "{Edit1 \"" << win1252::ToUtf8(b.edit1) << "\", Edit3 \"" << win1252::ToUtf8(b.edit3)
      << "\", Edit5 \"" << win1252::ToUtf8(b.edit5) << "\", EncPos " << b.encPos << ", DecPos "
      << b.decPos << ", BitBtn1 " << b.bitBtn1 << ", BitBtn7 " << b.bitBtn7 << ", BitBtn8 "
      << b.bitBtn8 << ", marker " << b.marker << ", cleared " << b.gridSelectionCleared
      << ", shifts " << b.encShift << "/" << b.decShift << "}";
}

class Diskette : public testing::Test {
 protected:
  void SetUp() override {
    form.FormCreate();
    form.FormShow();
  }

  // The learner's answers to the next boxes; forgets the boxes shown so far.
  void Answer(const std::vector<MessageAnswer>& answers) {
    platform.Answers.assign(answers.begin(), answers.end());
    platform.Messages.clear();
  }
  std::vector<std::string> Shown() const {
    std::vector<std::string> lines;
    for (const ShownMessage& m : platform.Messages)
      lines.push_back(Line(m.Kind, m.Buttons, m.Text));
    return lines;
  }
  // A workbench in the middle of work: every field filled, both positions
  // moved, the decryption buttons and an encryption button switched off.
  void Busy() {
    form.Edit1.SetText("klar");
    form.Edit3.SetText("geheim");
    form.Edit5.SetText("entschl");
    form.State.EncPos = 3;
    form.State.DecPos = 4;
    form.ShowPositionMarker(3);
    form.State.GridSelectionCleared = false;
    form.BitBtn1.Enabled = false;
    form.BitBtn7.Enabled = false;
    form.BitBtn8.Enabled = false;
  }
  Bench Now() const {
    return {form.Edit1.Text(),     form.Edit3.Text(),
            form.Edit5.Text(),     form.State.EncPos,
            form.State.DecPos,     form.BitBtn1.Enabled,
            form.BitBtn7.Enabled,  form.BitBtn8.Enabled,
            form.Edit4.Position(), form.State.GridSelectionCleared,
            form.State.EncShift,   form.State.DecShift};
  }
  void Click(void (TForm1::*handler)()) { (form.*handler)(); }
  // "Geheimtext einlesen ..." on a busy workbench when the drive turns out not
  // to be ready after the prompt: its message, and the handler's later steps
  // all the same.
  void ExpectCipherLoadFindsNoDiskette();
  Edit& Field(const Twin& twin) { return form.*twin.field; }

  TempDir root;
  FaultySystemCalls calls;
  PosixDrive driveA{root.Path(), false, calls};
  CipherCore core;
  FakePlatform platform;
  TForm1 form{core, platform, driveA};
};

// The workbench as it was, with the given changes.
template <typename Change>
Bench Changed(Bench b, Change change) {
  change(b);
  return b;
}

void Diskette::ExpectCipherLoadFindsNoDiskette() {
  Busy();
  const Bench before = Now();
  Answer({A::Yes, A::Ok});
  form.BitBtn4Click();
  EXPECT_EQ(Shown(), (std::vector<std::string>{kCipher.loadQuestion, kPrompt, kLoadProblem}));
  EXPECT_EQ(Now(), Changed(before, [](Bench& b) {
              b.edit1 = b.edit5 = "";
              b.edit3 = "GEHEIM";
              b.decPos = 1;
              b.bitBtn7 = b.bitBtn8 = true;
            }));
}

// The field of the twin's side in a snapshot.
std::string& FieldIn(Bench& b, const Twin& t) {
  return t.field == &TForm1::Edit1 ? b.edit1 : b.edit3;
}

// Scripts of answers that do not lead to the diskette.
const std::vector<std::vector<MessageAnswer>> kDeclined = {{A::No}, {A::None}, {A::Yes, A::Cancel}};

class DisketteTwin : public Diskette, public testing::WithParamInterface<Twin> {};

INSTANTIATE_TEST_SUITE_P(Both, DisketteTwin, testing::Values(kCipher, kPlain),
                         [](const auto& info) { return std::string(info.param.name); });

// --- saving -----------------------------------------------------------------

TEST_P(DisketteTwin, SavesTheUpperCasedFieldAsWindows1252AndCrLf) {
  const Twin& t = GetParam();
  const struct {
    const char* typed;  // UTF-8
    std::string bytes;
  } cases[] = {
      {"abc", "ABC\r\n"},
      {"Grüße, äöü ß é!", W("GRÜßE, ÄÖÜ ß é!") + "\r\n"},
      {"", "\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    Busy();
    Field(t).SetText(W(c.typed));
    Bench expected = Now();
    FieldIn(expected, t) = c.bytes.substr(0, c.bytes.size() - 2);
    Answer({A::Yes, A::Ok});
    Click(t.save);
    EXPECT_EQ(root.Bytes(t.file), c.bytes);
    EXPECT_EQ(Now(), expected);
    std::filesystem::remove(root.Path(t.file));
    EXPECT_EQ(Shown(), (std::vector<std::string>{t.saveQuestion, kPrompt, t.saved}));
  }
}

TEST_P(DisketteTwin, SavingUpperCasesTheFieldBeforeTheQuestionWhateverTheAnswer) {
  const Twin& t = GetParam();
  for (const auto& answers : kDeclined) {
    Field(t).SetText(W("abc äöü"));
    Answer(answers);
    Click(t.save);
    EXPECT_EQ(Field(t).Text(), W("ABC ÄÖÜ"));
    EXPECT_EQ(Shown().front(), t.saveQuestion);
    EXPECT_TRUE(root.Entries().empty());
  }
}

TEST_P(DisketteTwin, AsksBeforeOverwritingAndNoLeavesTheFileAlone) {
  const Twin& t = GetParam();
  root.Put(t.file, "ALT\r\nZWEITE ZEILE\r\n");
  Field(t).SetText("neu");

  Answer({A::Yes, A::Ok, A::No});
  Click(t.save);
  EXPECT_EQ(Shown(), (std::vector<std::string>{t.saveQuestion, kPrompt, t.overwriteQuestion}));
  EXPECT_EQ(root.Bytes(t.file), "ALT\r\nZWEITE ZEILE\r\n");
  EXPECT_EQ(root.Entries(), (std::set<std::string>{t.file}));

  // Only No keeps the file: a box closed without an answer goes on like Yes.
  for (const A answer : {A::Yes, A::None}) {
    root.Put(t.file, "ALT\r\n");
    Answer({A::Yes, A::Ok, answer});
    Click(t.save);
    EXPECT_EQ(Shown(),
              (std::vector<std::string>{t.saveQuestion, kPrompt, t.overwriteQuestion, t.saved}));
    EXPECT_EQ(root.Bytes(t.file), "NEU\r\n");
  }
}

// --- loading ----------------------------------------------------------------

TEST_F(Diskette, LoadingTheCiphertextClearsTheDecryptionButKeepsTheEncryptionPosition) {
  root.Put("GEHEIM.TXT", W("yr114 äöü ß\r\nzweite zeile\r\n"));
  Busy();
  const Bench expected = Changed(Now(), [](Bench& b) {
    b.edit1 = "";
    b.edit3 = W("YR114 ÄÖÜ ß");  // a lower-case file loads upper-cased
    b.edit5 = "";
    b.decPos = 1;
    b.bitBtn7 = b.bitBtn8 = true;
  });
  Answer({A::Yes, A::Ok});
  form.BitBtn4Click();
  EXPECT_EQ(Now(), expected);
  EXPECT_EQ(Shown(), (std::vector<std::string>{kCipher.loadQuestion, kPrompt}));
  EXPECT_EQ(root.Bytes("GEHEIM.TXT"), W("yr114 äöü ß\r\nzweite zeile\r\n"));
}

TEST_F(Diskette, LoadingThePlaintextRestartsBothSides) {
  root.Put("KLARTEXT.TXT", "hallo welt\r\n");
  Busy();
  const Bench expected = Changed(Now(), [](Bench& b) {
    b.edit1 = "HALLO WELT";
    b.edit3 = "";
    b.edit5 = "";
    b.encPos = 1;
    b.decPos = 1;
    b.bitBtn7 = b.bitBtn8 = true;  // the marker, BitBtn1 and the selection flag stay
  });
  Answer({A::Yes, A::Ok});
  form.BitBtn17Click();
  EXPECT_EQ(Now(), expected);
  EXPECT_EQ(Shown(), (std::vector<std::string>{kPlain.loadQuestion, kPrompt}));
}

TEST_F(Diskette, AMissingFileStillResetsWhatTheHandlerResetsAfterTheLoad) {
  Busy();  // the diskette is empty: ready, but holding neither file
  Bench before = Now();
  Answer({A::Yes, A::Ok});
  form.BitBtn4Click();
  EXPECT_EQ(Shown(), (std::vector<std::string>{kCipher.loadQuestion, kPrompt, kCipher.missing}));
  EXPECT_EQ(Now(), Changed(before, [](Bench& b) {
              b.edit1 = "";
              b.edit3 = "GEHEIM";  // kept, only upper-cased
              b.edit5 = "";
              b.decPos = 1;
              b.bitBtn7 = b.bitBtn8 = true;
            }));

  Busy();
  before = Now();
  Answer({A::Yes, A::Ok});
  form.BitBtn17Click();
  EXPECT_EQ(Shown(), (std::vector<std::string>{kPlain.loadQuestion, kPrompt, kPlain.missing}));
  EXPECT_EQ(Now(), Changed(before, [](Bench& b) {
              b.edit1 = b.edit3 = b.edit5 = "";
              b.encPos = b.decPos = 1;
              b.bitBtn7 = b.bitBtn8 = true;
            }));
  EXPECT_TRUE(root.Entries().empty());
}

TEST_P(DisketteTwin, DecliningALoadStillEnablesDecryptionAndUpperCases) {
  const Twin& t = GetParam();
  root.Put(t.file, "DATEI\r\n");
  for (const auto& answers : kDeclined) {
    Busy();
    Bench expected = Now();
    expected.bitBtn7 = expected.bitBtn8 = true;
    FieldIn(expected, t) = t.field == &TForm1::Edit1 ? "KLAR" : "GEHEIM";
    Answer(answers);
    Click(t.load);
    EXPECT_EQ(Now(), expected);
    EXPECT_EQ(Shown().front(), t.loadQuestion);
    EXPECT_EQ(Shown().size(), answers.size());
  }
}

struct LineCase {
  const char* name;
  std::string bytes;
  std::string loaded;
};

void PrintTo(const LineCase& c, std::ostream* os) {
  *os << c.name;
}

class FirstLineOnly : public Diskette, public testing::WithParamInterface<LineCase> {};

TEST_P(FirstLineOnly, LoadsTheTextBeforeTheFirstLineEnding) {
  root.Put("GEHEIM.TXT", GetParam().bytes);
  form.Edit3.SetText("VORHER");
  Answer({A::Yes, A::Ok});
  form.BitBtn4Click();
  EXPECT_EQ(form.Edit3.Text(), GetParam().loaded);
  EXPECT_EQ(Shown().size(), 2u);  // no message beyond the question and the prompt
}

INSTANTIATE_TEST_SUITE_P(
    Endings, FirstLineOnly,
    testing::Values(LineCase{"CrLf", "ABC\r\n", "ABC"}, LineCase{"LfAlone", "ABC\nDEF\n", "ABC"},
                    LineCase{"LoneCrsLeftOut", "A\rB\r\rC\r\n", "ABC"},
                    LineCase{"CrAtTheEnd", "ABC\r", "ABC"},
                    LineCase{"NoLineEnding", "ABC DEF", "ABC DEF"},
                    LineCase{"SeveralLines", "EINS\r\nZWEI\r\nDREI\r\n", "EINS"},
                    LineCase{"EmptyFirstLine", "\r\nZWEI\r\n", ""}, LineCase{"EmptyFile", "", ""},
                    // A NUL, a tab and the other control bytes would show as
                    // nothing and cut a screen reader's reading of the field:
                    // blanks, as in a paste. Every other byte stays as it is.
                    LineCase{"ControlBytesBecomeBlanksOthersStay",
                             std::string("\x01\xC4\xFF\t;\0A\x7F\x1F", 9) + "\r\n",
                             std::string(" \xC4\xFF ; A  ", 9)}),
    [](const auto& info) { return std::string(info.param.name); });

// Today's editors save UTF-8, with or without a byte-order mark; what is not
// well-formed UTF-8 is Windows-1252 as before, even where parts look like UTF-8.
INSTANTIATE_TEST_SUITE_P(
    Encodings, FirstLineOnly,
    testing::Values(
        LineCase{"Utf8WithMark", "\xEF\xBB\xBF" "Gr\xC3\xBC\xC3\x9F" "e aus K\xC3\xB6ln\r\n",
                 W("GRÜßE AUS KÖLN")},
        LineCase{"Utf8", "Gr\xC3\xBC\xC3\x9F" "e aus K\xC3\xB6ln\r\nzweite\r\n",
                 W("GRÜßE AUS KÖLN")},
        LineCase{"Utf8EuroSign", "\xE2\x82\xAC 5\n", W("€ 5")},
        LineCase{"Windows1252", "Gr\xFC\xDF" "e aus K\xF6ln\r\n", W("GRÜßE AUS KÖLN")},
        LineCase{"Windows1252LookingLikeUtf8InPart", "GR\xC3\xBCN \xFC\r\n", W("GRÃ¼N Ü")},
        LineCase{"Utf8BeyondWindows1252", "\xEF\xBB\xBF" "Kreis \xE2\x97\x8B\r\n",
                 W("ï»¿KREIS â—‹")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Diskette, AFirstLineTooLongForTheFieldIsRefusedNotCut) {
  const std::string longest(kMaxFieldLength, 'A');
  root.Put("GEHEIM.TXT", longest + "\r\n");
  Answer({A::Yes, A::Ok});
  form.BitBtn4Click();
  EXPECT_EQ(form.Edit3.Text(), longest);

  // The limit counts characters: a full field of Ä in UTF-8 is twice as many bytes.
  std::string utf8;
  for (std::size_t i = 0; i < kMaxFieldLength; ++i) utf8 += "\xC3\x84";
  root.Put("GEHEIM.TXT", utf8 + "\r\n");
  Answer({A::Yes, A::Ok});
  form.BitBtn4Click();
  EXPECT_EQ(form.Edit3.Text(), std::string(kMaxFieldLength, '\xC4'));

  root.Put("GEHEIM.TXT", longest + "B\r\nZWEI\r\n");
  Busy();
  // The load ends the handler: only the step before it has happened.
  const Bench expected = Changed(Now(), [](Bench& b) { b.edit1 = ""; });
  Answer({A::Yes, A::Ok});
  form.BitBtn4Click();
  EXPECT_EQ(Now(), expected);
  EXPECT_EQ(Shown(),
            (std::vector<std::string>{kCipher.loadQuestion, kPrompt,
                                      Box(K::Error, B::Ok,
                                          "Die erste Zeile der Datei ist länger als 65535 Zeichen\r"
                                          "und kann nicht eingelesen werden!")}));
  EXPECT_EQ(root.Bytes("GEHEIM.TXT"), longest + "B\r\nZWEI\r\n");
}

// --- the drive --------------------------------------------------------------

TEST_F(Diskette, ThePromptComesBackWhileTheDriveIsNotReady) {
  std::filesystem::remove(root.Path());  // no diskette in the drive
  form.Edit3.SetText("X");
  Answer({A::Yes, A::Ok, A::Ok, A::Cancel});
  form.BitBtn5Click();
  EXPECT_EQ(Shown(), (std::vector<std::string>{kCipher.saveQuestion, kPrompt, kPrompt, kPrompt}));
  EXPECT_FALSE(std::filesystem::exists(root.Path()));  // never created

  Busy();
  const Bench before = Now();
  Answer({A::Yes, A::Ok, A::Cancel});
  form.BitBtn4Click();
  EXPECT_EQ(Shown(), (std::vector<std::string>{kCipher.loadQuestion, kPrompt, kPrompt}));
  EXPECT_EQ(Now(), Changed(before, [](Bench& b) {
              b.edit3 = "GEHEIM";  // cancelled: only the closing steps
              b.bitBtn7 = b.bitBtn8 = true;
            }));
}

TEST_F(Diskette, ADiskettePutInAfterTheFirstPromptIsUsed) {
  calls.FailAt(Call::OpenDir, ENOENT);  // the first check finds no diskette
  form.Edit3.SetText("X");
  Answer({A::Yes, A::Ok, A::Ok});
  form.BitBtn5Click();
  EXPECT_EQ(Shown(),
            (std::vector<std::string>{kCipher.saveQuestion, kPrompt, kPrompt, kCipher.saved}));
  EXPECT_EQ(root.Bytes("GEHEIM.TXT"), "X\r\n");
}

TEST_F(Diskette, ADisketteTakenOutAfterThePromptIsReported) {
  calls.FailAt(Call::OpenDir, ENOENT, 2);  // ready at the prompt, gone at the save
  form.Edit3.SetText("X");
  Answer({A::Yes, A::Ok});
  form.BitBtn5Click();
  EXPECT_EQ(Shown(), (std::vector<std::string>{kCipher.saveQuestion, kPrompt, kSaveProblem}));
  EXPECT_TRUE(root.Entries().empty());

  // Loading reports it and goes on with the handler's later steps.
  root.Put("GEHEIM.TXT", "DATEI\r\n");
  calls.FailAt(Call::OpenDir, EIO, 2);  // there, but unreadable
  ExpectCipherLoadFindsNoDiskette();
}

TEST(DisketteDefaultFolder, SavingWorksOutOfTheBox) {
  TempDir home;
  const DriveRoot where = ChooseDriveRoot(nullptr, home.Path("Dokumente/Laufwerk-A"));
  PosixDrive driveA(where.Directory, where.CreateWhenMissing);
  CipherCore core;
  FakePlatform platform;
  TForm1 form(core, platform, driveA);
  form.FormCreate();
  form.FormShow();
  form.Edit1.SetText("hallo");
  platform.Answers = {A::Yes, A::Ok};
  form.BitBtn18Click();
  ASSERT_EQ(platform.Messages.size(), 3u);
  EXPECT_EQ(platform.Messages.back().Text, "Klartext auf Diskette gespeichert!");
  EXPECT_EQ(home.Bytes("Dokumente/Laufwerk-A/KLARTEXT.TXT"), "HALLO\r\n");
}

// --- what the drive refuses ------------------------------------------------

struct Intruder {
  const char* name;
  std::function<void(const std::string& path)> make;
  const char* message;  // UTF-8
};

const Intruder kIntruders[] = {
    {"a pipe", [](const std::string& p) { ASSERT_EQ(mkfifo(p.c_str(), 0666), 0); },
     "GEHEIM.TXT auf Laufwerk A: ist keine Datei,\rsondern eine Pipe (FIFO)!"},
    {"a folder", [](const std::string& p) { std::filesystem::create_directory(p); },
     "GEHEIM.TXT auf Laufwerk A: ist keine Datei,\rsondern ein Ordner!"},
};

TEST_F(Diskette, APipeOrAFolderUnderTheFilesNameIsRefusedAtOnce) {
  for (const Intruder& intruder : kIntruders) {
    SCOPED_TRACE(intruder.name);
    std::filesystem::remove_all(root.Path("GEHEIM.TXT"));
    intruder.make(root.Path("GEHEIM.TXT"));
    const auto type = std::filesystem::symlink_status(root.Path("GEHEIM.TXT")).type();
    const std::string refused = Box(K::Error, B::Ok, intruder.message);

    // Loading ends the handler there, as any input/output error does.
    Busy();
    const Bench expected = Changed(Now(), [](Bench& b) { b.edit1 = ""; });
    Answer({A::Yes, A::Ok});
    ASSERT_TRUE(FinishesWithin(std::chrono::seconds(10), root.Path(), [&] { form.BitBtn4Click(); }));
    EXPECT_EQ(Shown(), (std::vector<std::string>{kCipher.loadQuestion, kPrompt, refused}));
    EXPECT_EQ(Now(), expected);

    // Saving refuses it before asking whether to overwrite a text that is none.
    Answer({A::Yes, A::Ok});
    ASSERT_TRUE(FinishesWithin(std::chrono::seconds(10), root.Path(), [&] { form.BitBtn5Click(); }));
    EXPECT_EQ(Shown(), (std::vector<std::string>{kCipher.saveQuestion, kPrompt, refused}));
    EXPECT_EQ(std::filesystem::symlink_status(root.Path("GEHEIM.TXT")).type(), type);
    EXPECT_EQ(root.Entries(), (std::set<std::string>{"GEHEIM.TXT"}));
  }
}

TEST_F(Diskette, AReadOnlyFileIsNotOverwritten) {
  root.Put("KLARTEXT.TXT", "ALT\r\n");
  const std::string path = root.Path("KLARTEXT.TXT");
  ASSERT_EQ(chmod(path.c_str(), 0444), 0);  // as read-only for root as for anybody
  form.Edit1.SetText("neu");
  Answer({A::Yes, A::Ok, A::Yes});
  form.BitBtn18Click();
  EXPECT_EQ(Shown(), (std::vector<std::string>{kPlain.saveQuestion, kPrompt,
                                               kPlain.overwriteQuestion,
                                               Box(K::Error, B::Ok, "Dateizugriff verweigert")}));
  EXPECT_EQ(root.Bytes("KLARTEXT.TXT"), "ALT\r\n");
  struct stat status;
  ASSERT_EQ(stat(path.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 07777, 0444u);
  EXPECT_EQ(root.Entries(), (std::set<std::string>{"KLARTEXT.TXT"}));
}

TEST_F(Diskette, AFolderGoneAfterTheCheckIsAMediumTakenOut) {
  // The stick is pulled while the overwrite question waits.
  root.Put("GEHEIM.TXT", "ALT\r\n");
  form.Edit3.SetText("neu");
  calls.Before(Call::Open, [&] { std::filesystem::remove_all(root.Path()); });
  Answer({A::Yes, A::Ok, A::Yes});
  form.BitBtn5Click();
  EXPECT_EQ(Shown(), (std::vector<std::string>{kCipher.saveQuestion, kPrompt,
                                               kCipher.overwriteQuestion, kSaveProblem}));

  // Loading reports it and goes on with the handler's later steps.
  std::filesystem::create_directory(root.Path());
  root.Put("GEHEIM.TXT", "DATEI\r\n");
  calls.Before(Call::Open, [&] { std::filesystem::remove_all(root.Path()); });
  ExpectCipherLoadFindsNoDiskette();
}

TEST(DisketteDefaultFolder, AFolderThatCannotBeMadeIsToldOnceAndEndsAsIfCancelled) {
  TempDir home;
  const std::string folder = home.Path("Dokumente/Laufwerk-A");
  const struct {
    const char* name;
    std::string directory;
    bool refuse;  // every mkdir fails: a read-only home folder
    std::string message;
  } cases[] = {
      {"read-only home", folder, true,
       Box(K::Error, B::Ok, ("Der Ordner für Laufwerk A: kann nicht angelegt werden:\r" + folder +
                             "\rDateizugriff verweigert").c_str())},
      {"no home", "", false,
       Box(K::Error, B::Ok,
           "Der Ordner für Laufwerk A: kann nicht angelegt werden:\r"
           "Es wurde kein persönlicher Ordner gefunden.")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FaultySystemCalls calls;
    if (c.refuse) calls.FailEvery(Call::Mkdir, EACCES);
    PosixDrive driveA(c.directory, true, calls);
    CipherCore core;
    FakePlatform platform;
    TForm1 form(core, platform, driveA);
    form.FormCreate();
    form.FormShow();
    const auto shown = [&] {
      std::vector<std::string> lines;
      for (const ShownMessage& m : platform.Messages)
        lines.push_back(Line(m.Kind, m.Buttons, m.Text));
      platform.Messages.clear();
      return lines;
    };

    form.Edit1.SetText("hallo");
    platform.Answers = {A::Yes, A::Ok, A::Ok, A::Ok};  // OK as often as the prompt might come
    form.BitBtn18Click();
    EXPECT_EQ(shown(), (std::vector<std::string>{kPlain.saveQuestion, kPrompt, c.message}));

    form.Edit3.SetText("geheim");
    form.BitBtn7.Enabled = form.BitBtn8.Enabled = false;
    platform.Answers = {A::Yes, A::Ok, A::Ok, A::Ok};
    form.BitBtn17Click();
    EXPECT_EQ(shown(), (std::vector<std::string>{kPlain.loadQuestion, kPrompt, c.message}));
    // As after Cancel: only the closing steps.
    EXPECT_EQ(form.Edit1.Text(), "HALLO");
    EXPECT_EQ(form.Edit3.Text(), "geheim");
    EXPECT_TRUE(form.BitBtn7.Enabled && form.BitBtn8.Enabled);
    EXPECT_TRUE(home.Entries().empty());
  }
}

// --- input/output errors ----------------------------------------------------

struct Failure {
  const char* name;
  Call call;
  int nth;
  int error;
  const char* message;  // UTF-8
  std::size_t writeChunk = SIZE_MAX;
};

void PrintTo(const Failure& f, std::ostream* os) {
  *os << f.name;
}

// A failed save leaves the old file as it was and no temporary file behind;
// the error box is the last thing the learner sees, and the next try works.
class SaveFailure : public Diskette, public testing::WithParamInterface<Failure> {};

TEST_P(SaveFailure, KeepsTheOldFileAndShowsTheError) {
  const Failure& f = GetParam();
  root.Put("GEHEIM.TXT", "ALT\r\n");
  Busy();
  form.Edit3.SetText("neu");
  const Bench expected = Changed(Now(), [](Bench& b) { b.edit3 = "NEU"; });
  calls.WriteChunk = f.writeChunk;
  calls.FailAt(f.call, f.error, f.nth);
  Answer({A::Yes, A::Ok, A::Yes});
  form.BitBtn5Click();
  EXPECT_EQ(Shown(),
            (std::vector<std::string>{kCipher.saveQuestion, kPrompt, kCipher.overwriteQuestion,
                                      Box(K::Error, B::Ok, f.message)}));
  EXPECT_EQ(root.Bytes("GEHEIM.TXT"), "ALT\r\n");
  EXPECT_EQ(root.Entries(), (std::set<std::string>{"GEHEIM.TXT"}));
  EXPECT_EQ(Now(), expected);

  Answer({A::Yes, A::Ok, A::Yes});
  form.BitBtn5Click();
  EXPECT_EQ(Shown().back(), kCipher.saved);
  EXPECT_EQ(root.Bytes("GEHEIM.TXT"), "NEU\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Steps, SaveFailure,
    testing::Values(Failure{"Creating", Call::Open, 1, EACCES, "Dateizugriff verweigert"},
                    Failure{"WritingPartWay", Call::Write, 3, ENOSPC, "Der Datenträger ist voll",
                            1},
                    Failure{"Writing", Call::Write, 1, EIO, "E/A-Fehler 5"},
                    Failure{"Flushing", Call::Fsync, 1, EIO, "E/A-Fehler 5"},
                    Failure{"Closing", Call::Close, 1, EDQUOT, "Der Datenträger ist voll"},
                    Failure{"Renaming", Call::Rename, 1, EROFS, "Dateizugriff verweigert"}),
    [](const auto& info) { return std::string(info.param.name); });

// A failed load ends the handler at the failing step: the plaintext emptied
// before it stays empty, the resets, enabling and upper-casing after it do not
// happen, and the file is not touched.
class LoadFailure : public Diskette, public testing::WithParamInterface<Failure> {};

TEST_P(LoadFailure, EndsTheHandlerWhereItFailed) {
  const Failure& f = GetParam();
  root.Put("GEHEIM.TXT", "hallo\r\n");
  Busy();
  // Only closing fails after the line is in the field, so only then is it filled.
  const bool filled = f.call == Call::Close;
  Bench expected = Now();
  expected.edit1 = "";
  if (filled) expected.edit3 = "hallo";
  calls.FailAt(f.call, f.error, f.nth);
  Answer({A::Yes, A::Ok});
  form.BitBtn4Click();
  EXPECT_EQ(Shown(), (std::vector<std::string>{kCipher.loadQuestion, kPrompt,
                                               Box(K::Error, B::Ok, f.message)}));
  EXPECT_EQ(Now(), expected);
  EXPECT_EQ(root.Bytes("GEHEIM.TXT"), "hallo\r\n");

  Answer({A::Yes, A::Ok});
  form.BitBtn4Click();
  EXPECT_EQ(form.Edit3.Text(), "HALLO");
}

INSTANTIATE_TEST_SUITE_P(Steps, LoadFailure,
                         testing::Values(Failure{"Opening", Call::Open, 1, EACCES,
                                                 "Dateizugriff verweigert"},
                                         Failure{"Reading", Call::Read, 1, EIO, "E/A-Fehler 5"},
                                         Failure{"Closing", Call::Close, 1, EIO, "E/A-Fehler 5"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
