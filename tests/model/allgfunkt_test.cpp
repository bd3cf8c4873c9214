// Drive A: without a display: which directory stands for it, what the search
// of its root finds, what the drive check says about it, and the German texts
// of failed file operations. Saving and loading through the handlers is in
// diskette_test.cpp.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <functional>

#include "allgfunkt/CheckDrive.h"
#include "allgfunkt/PosixDrive.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/FaultySystemCalls.h"
#include "tests/support/TempDir.h"
#include "toolkit/model/Win1252.h"

namespace {

namespace fs = std::filesystem;

TEST(ChooseDriveRoot, TheVariableNamesADirectoryThatIsNeverCreated) {
  EXPECT_EQ(ChooseDriveRoot(nullptr, "/home/lea/Dokumente/Laufwerk-A").Directory,
            "/home/lea/Dokumente/Laufwerk-A");
  EXPECT_TRUE(ChooseDriveRoot(nullptr, "/d").CreateWhenMissing);
  EXPECT_EQ(ChooseDriveRoot("", "/d").Directory, "/d");  // set but empty: as if unset
  EXPECT_TRUE(ChooseDriveRoot("", "/d").CreateWhenMissing);
  EXPECT_EQ(ChooseDriveRoot("/media/stick", "/d").Directory, "/media/stick");
  EXPECT_FALSE(ChooseDriveRoot("/media/stick", "/d").CreateWhenMissing);

  ASSERT_EQ(setenv(kDriveAVariable, "/media/stick", 1), 0);
  EXPECT_EQ(ChooseDriveRoot("/d").Directory, "/media/stick");
  EXPECT_FALSE(ChooseDriveRoot("/d").CreateWhenMissing);
  ASSERT_EQ(unsetenv(kDriveAVariable), 0);
  EXPECT_EQ(ChooseDriveRoot("/d").Directory, "/d");
  EXPECT_TRUE(ChooseDriveRoot("/d").CreateWhenMissing);
}

TEST(PosixDrive, CreatesTheDefaultFolderAtTheFirstCheckWithItsParents) {
  TempDir home;
  const std::string folder = home.Path("Dokumente/Laufwerk-A");  // no documents folder yet
  PosixDrive drive(folder, true);
  EXPECT_FALSE(fs::exists(folder));  // not before the drive is checked
  EXPECT_EQ(drive.FindFirstEntry(), RootSearch::Empty);
  EXPECT_TRUE(fs::is_directory(folder));

  fs::remove(folder);  // taken away while the program runs: the next check brings it back
  EXPECT_EQ(drive.FindFirstEntry(), RootSearch::Empty);
  EXPECT_TRUE(fs::is_directory(folder));
}

TEST(PosixDrive, NeverCreatesADirectoryNamedByTheVariable) {
  TempDir media;
  const std::string stick = media.Path("stick");
  const DriveRoot root = ChooseDriveRoot(stick.c_str(), media.Path("default"));
  PosixDrive drive(root.Directory, root.CreateWhenMissing);
  EXPECT_EQ(drive.FindFirstEntry(), RootSearch::NoMedium);
  EXPECT_EQ(drive.FindFirstEntry(), RootSearch::NoMedium);
  EXPECT_TRUE(media.Entries().empty());
}

struct SearchCase {
  const char* name;
  std::function<void(TempDir&, FaultySystemCalls&)> arrange;
  std::string root;  // relative to the temporary directory; "" for itself
  RootSearch found;
};

void PrintTo(const SearchCase& c, std::ostream* os) {
  *os << c.name;
}

class RootSearchCase : public testing::TestWithParam<SearchCase> {};

TEST_P(RootSearchCase, MapsTheSearchToItsClass) {
  TempDir dir;
  FaultySystemCalls calls;
  GetParam().arrange(dir, calls);
  PosixDrive drive(GetParam().root.empty() ? dir.Path() : dir.Path(GetParam().root), false, calls);
  EXPECT_EQ(drive.FindFirstEntry(), GetParam().found);
}

const auto kNothing = [](TempDir&, FaultySystemCalls&) {};

INSTANTIATE_TEST_SUITE_P(
    Cases, RootSearchCase,
    testing::Values(
        SearchCase{"AFile", [](TempDir& d, auto&) { d.Put("GEHEIM.TXT", "X\r\n"); }, "",
                   RootSearch::EntryFound},
        SearchCase{"AHiddenFile", [](TempDir& d, auto&) { d.Put(".versteckt", ""); }, "",
                   RootSearch::EntryFound},
        SearchCase{"AFolder", [](TempDir& d, auto&) { fs::create_directory(d.Path("Ordner")); }, "",
                   RootSearch::EntryFound},
        SearchCase{"Nothing", kNothing, "", RootSearch::Empty},
        SearchCase{"MissingRoot", kNothing, "fehlt", RootSearch::NoMedium},
        SearchCase{"RootIsAFile", [](TempDir& d, auto&) { d.Put("datei", ""); }, "datei",
                   RootSearch::NoMedium},
        SearchCase{"OpeningDenied",
                   [](TempDir&, FaultySystemCalls& c) { c.FailAt(Call::OpenDir, EACCES); }, "",
                   RootSearch::Unreadable},
        SearchCase{"OpeningFails",
                   [](TempDir&, FaultySystemCalls& c) { c.FailAt(Call::OpenDir, EIO); }, "",
                   RootSearch::Unreadable},
        SearchCase{"ReadingFails",
                   [](TempDir& d, FaultySystemCalls& c) {
                     d.Put("GEHEIM.TXT", "");
                     c.FailAt(Call::ReadDir, EIO);
                   },
                   "", RootSearch::Unreadable},
        SearchCase{"EndingTheSearchFails",
                   [](TempDir& d, FaultySystemCalls& c) {
                     d.Put("GEHEIM.TXT", "");
                     c.FailAt(Call::CloseDir, EIO);
                   },
                   "", RootSearch::EntryFound}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PosixDrive, AFileCountsAsMissingOnlyWhenTheSystemSaysSo) {
  TempDir dir;
  FaultySystemCalls calls;
  PosixDrive drive(dir.Path(), false, calls);
  EXPECT_FALSE(drive.FileExists("GEHEIM.TXT"));
  dir.Put("GEHEIM.TXT", "");
  EXPECT_TRUE(drive.FileExists("GEHEIM.TXT"));
  EXPECT_FALSE(drive.FileExists("KLARTEXT.TXT"));
  // Unsure means there: saving then asks before it overwrites.
  calls.FailAt(Call::Stat, EIO);
  EXPECT_TRUE(drive.FileExists("KLARTEXT.TXT"));
}

TEST(PosixDrive, WritesWindows1252BytesAndCrLfOverTheWholeOldFile) {
  TempDir dir;
  PosixDrive drive(dir.Path(), false);
  dir.Put("KLARTEXT.TXT", "EIN VIEL LAENGERER ALTER TEXT\r\nZWEITE ZEILE\r\n");
  ASSERT_TRUE(drive.WriteLine("KLARTEXT.TXT", W("ÄÖÜß 1")).Ok());
  EXPECT_EQ(dir.Bytes("KLARTEXT.TXT"), "\xC4\xD6\xDC\xDF 1\r\n");
  ASSERT_TRUE(drive.WriteLine("KLARTEXT.TXT", "").Ok());
  EXPECT_EQ(dir.Bytes("KLARTEXT.TXT"), "\r\n");
  EXPECT_EQ(dir.Entries(), (std::set<std::string>{"KLARTEXT.TXT"}));
}

TEST(PosixDrive, RefusesAFirstLineLongerThanTheLimitWithoutReadingOn) {
  TempDir dir;
  PosixDrive drive(dir.Path(), false);
  dir.Put("GEHEIM.TXT", "ABCDE\r\nmore");
  EXPECT_EQ(drive.ReadFirstLine("GEHEIM.TXT", 5).Text, "ABCDE");
  const FirstLine tooLong = drive.ReadFirstLine("GEHEIM.TXT", 4);
  EXPECT_FALSE(tooLong.Text);
  EXPECT_EQ(tooLong.Result.Status, FileStatus::LineTooLong);
  // CRs are not characters of the text, so they do not count.
  dir.Put("GEHEIM.TXT", "AB\rCD\r\n");
  EXPECT_EQ(drive.ReadFirstLine("GEHEIM.TXT", 4).Text, "ABCD");
}

class StubDrive : public Drive {
 public:
  explicit StubDrive(RootSearch found) : found_(found) {}
  RootSearch FindFirstEntry() override { return found_; }
  bool FileExists(const std::string&) override { return false; }
  FileResult WriteLine(const std::string&, std::string_view) override { return {}; }
  FirstLine ReadFirstLine(const std::string&, std::size_t) override { return {}; }

 private:
  RootSearch found_;
};

struct CheckCase {
  RootSearch found;
  bool ready;
  MessageKind kind;
  const char* text;  // "" for no message
};

TEST(CheckDrive, SaysWhatTheSearchFoundOnlyWhenAsked) {
  const CheckCase cases[] = {
      {RootSearch::EntryFound, true, MessageKind::Information, ""},
      {RootSearch::Empty, true, MessageKind::Information, "Diskette im Laufwerk B:\rist leer!"},
      {RootSearch::NoMedium, false, MessageKind::Error, "Keine Diskette im Laufwerk B: !"},
      {RootSearch::Unreadable, false, MessageKind::Error,
       "Diskette im Laufwerk B:\rist nicht formatiert!"},
  };
  for (const CheckCase& c : cases) {
    SCOPED_TRACE(c.text);
    StubDrive drive(c.found);
    FakePlatform quiet;
    EXPECT_EQ(CheckDrive(drive, 'B', false, quiet), c.ready);
    EXPECT_TRUE(quiet.Messages.empty());

    FakePlatform told;
    EXPECT_EQ(CheckDrive(drive, 'B', true, told), c.ready);
    if (*c.text == '\0') {
      EXPECT_TRUE(told.Messages.empty());
    } else {
      ASSERT_EQ(told.Messages.size(), 1u);
      EXPECT_EQ(told.Messages[0].Kind, c.kind);
      EXPECT_EQ(told.Messages[0].Text, c.text);
      EXPECT_EQ(told.Messages[0].Buttons, MessageButtons::Ok);
    }
  }
}

TEST(FileErrorText, NamesDeniedAccessAndAFullMediumAndNumbersTheRest) {
  EXPECT_EQ(FileErrorText(FileResult::Failed(EACCES)), "Dateizugriff verweigert");
  EXPECT_EQ(FileErrorText(FileResult::Failed(EPERM)), "Dateizugriff verweigert");
  EXPECT_EQ(FileErrorText(FileResult::Failed(EROFS)), "Dateizugriff verweigert");
  EXPECT_EQ(FileErrorText(FileResult::Failed(ENOSPC)), W("Der Datenträger ist voll"));
  EXPECT_EQ(FileErrorText(FileResult::Failed(EDQUOT)), W("Der Datenträger ist voll"));
  EXPECT_EQ(FileErrorText(FileResult::Failed(EIO)), "E/A-Fehler 5");
  EXPECT_EQ(FileErrorText(FileResult::Failed(EXDEV)), "E/A-Fehler 18");
  EXPECT_EQ(FileErrorText({FileStatus::LineTooLong, 0}),
            W("Die erste Zeile der Datei ist länger als 65535 Zeichen\r"
              "und kann nicht eingelesen werden!"));
}

}  // namespace
