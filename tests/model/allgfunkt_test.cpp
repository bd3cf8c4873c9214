// Drive A: without a display: which directory stands for it, what the search
// of its root finds, what the drive check says about it, what the drive does
// with names that are no files, with read-only files and with a folder that
// went away, how a line is decoded, and the German texts of failed file
// operations. Saving and loading through the handlers is in diskette_test.cpp.
#include <gtest/gtest.h>

#include <pwd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <set>

#include "allgfunkt/CheckDrive.h"
#include "allgfunkt/FileFormat.h"
#include "allgfunkt/PosixDrive.h"
#include "tests/support/FaultySystemCalls.h"
#include "tests/support/NoHang.h"
#include "tests/support/TempDir.h"
#include "toolkit/model/Controls.h"
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

// --- the default folder ----------------------------------------------------

TEST(ChooseDriveRoot, WithoutADefaultFolderTheDriveHasNoPlace) {
  const DriveRoot root = ChooseDriveRoot(nullptr, std::nullopt);
  EXPECT_EQ(root.Directory, "");
  EXPECT_TRUE(root.CreateWhenMissing);
  EXPECT_EQ(ChooseDriveRoot("/media/stick", std::nullopt).Directory, "/media/stick");
}

TEST(DefaultDriveFolder, AsksTheDesktopWhileHomeIsSetAndTheAccountOtherwise) {
  TempDir account;  // holds no user-dirs.dirs: the documents folder is "Documents"
  const std::string accountDefault = account.Path("Documents/Laufwerk-A");
  const struct {
    const char* name;
    const char* home;  // nullptr: unset
    std::optional<std::string> accountHome;
    std::string desktop;  // the desktop's documents folder
    std::optional<std::string> folder;
    bool desktopAsked;
  } cases[] = {
      {"home set", "/home/lea", account.Path(), "/home/lea/Dokumente",
       "/home/lea/Dokumente/Laufwerk-A", true},
      {"desktop knows no documents", "/home/lea", account.Path(), "", "/home/lea/Laufwerk-A",
       true},
      {"home unset", nullptr, account.Path(), "/Documents", accountDefault, false},
      {"home empty", "", account.Path(), "/Documents", accountDefault, false},
      {"home is the root", "/", account.Path(), "/Documents", accountDefault, false},
      {"home is relative", "lea", account.Path(), "lea/Documents", accountDefault, false},
      {"the account's home is the root too", nullptr, "/", "/Documents", std::nullopt, false},
      {"no account either", nullptr, std::nullopt, "/Documents", std::nullopt, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    bool asked = false;
    const auto desktop = [&] {
      asked = true;
      return c.desktop;
    };
    EXPECT_EQ(DefaultDriveFolder({c.home, nullptr, c.accountHome}, desktop), c.folder);
    EXPECT_EQ(asked, c.desktopAsked);
  }
}

TEST(DefaultDriveFolder, WithoutHomeTheAccountOfTheRealUserNamesTheHomeFolder) {
  const char* home = std::getenv("HOME");
  const std::optional<std::string> kept = home ? std::optional<std::string>(home) : std::nullopt;
  ASSERT_EQ(unsetenv("HOME"), 0);
  const AccountFolders account = CurrentAccountFolders();
  if (kept) setenv("HOME", kept->c_str(), 1);

  const passwd* entry = getpwuid(getuid());
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(account.HomeVariable, nullptr);
  EXPECT_EQ(account.AccountHome, std::string(entry->pw_dir));
  const std::optional<std::string> folder = DefaultDriveFolder(account, [] {
    ADD_FAILURE() << "without HOME the desktop would answer from the root";
    return std::string("/Documents");
  });
  if (!IsUsableHome(entry->pw_dir)) {
    EXPECT_EQ(folder, std::nullopt);
    return;
  }
  ASSERT_TRUE(folder);
  EXPECT_TRUE(folder->starts_with(std::string(entry->pw_dir) + "/")) << *folder;
  EXPECT_TRUE(folder->ends_with("/Laufwerk-A")) << *folder;
}

TEST(DefaultDriveFolder, WithoutHomeReadsTheAccountsUserDirs) {
  TempDir account;
  std::filesystem::create_directories(account.Path(".config"));
  account.Put(".config/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n");
  const auto noDesktop = [] { return std::string("/Documents"); };
  EXPECT_EQ(DefaultDriveFolder({nullptr, nullptr, account.Path()}, noDesktop),
            account.Path("Dokumente/Laufwerk-A"));

  // XDG_CONFIG_HOME moves the file elsewhere.
  TempDir config;
  config.Put("user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/Eigene Dateien\"\n");
  EXPECT_EQ(DefaultDriveFolder({nullptr, config.Path().c_str(), account.Path()}, noDesktop),
            account.Path("Eigene Dateien/Laufwerk-A"));
}

TEST(DocumentsFolderOf, ReadsTheDocumentsLineOfUserDirs) {
  const struct {
    const char* userDirs;
    const char* documents;
  } cases[] = {
      {"", "/h/Documents"},
      {"XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n", "/h/Dokumente"},
      {"# von xdg-user-dirs-update\r\nXDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\r\n"
       "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\r\n",
       "/h/Dokumente"},
      {"  XDG_DOCUMENTS_DIR=$HOME/Dokumente  \n", "/h/Dokumente"},
      {"XDG_DOCUMENTS_DIR=\"/srv/schule/lea\"\n", "/srv/schule/lea"},
      {"XDG_DOCUMENTS_DIR=\"$HOME\"\n", "/h"},
      {"XDG_DOCUMENTS_DIR=\"$HOME/A\"\nXDG_DOCUMENTS_DIR=\"$HOME/B\"\n", "/h/B"},
      // Not understood, so the usual folder: relative, another variable, a comment.
      {"XDG_DOCUMENTS_DIR=\"Dokumente\"\n", "/h/Documents"},
      {"XDG_DOCUMENTS_DIR=\"$HOMEWORK/x\"\n", "/h/Documents"},
      {"#XDG_DOCUMENTS_DIR=\"$HOME/A\"\n", "/h/Documents"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.userDirs);
    EXPECT_EQ(DocumentsFolderOf("/h", c.userDirs), c.documents);
  }
}

struct MakeCase {
  const char* name;
  std::function<void(TempDir&, FaultySystemCalls&)> arrange;
  int error;
};

TEST(PosixDrive, SaysOnceWhyTheDefaultFolderCannotBeMade) {
  const MakeCase cases[] = {
      {"refused", [](TempDir&, FaultySystemCalls& c) { c.FailEvery(Call::Mkdir, EACCES); },
       EACCES},
      {"medium full", [](TempDir&, FaultySystemCalls& c) { c.FailEvery(Call::Mkdir, ENOSPC); },
       ENOSPC},
      {"a file on the way", [](TempDir& d, FaultySystemCalls&) { d.Put("Dokumente", ""); },
       ENOTDIR},
      {"a file of the folder's name",
       [](TempDir& d, FaultySystemCalls&) {
         fs::create_directory(d.Path("Dokumente"));
         d.Put("Dokumente/Laufwerk-A", "");
       },
       ENOTDIR},
  };
  for (const MakeCase& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir home;
    FaultySystemCalls calls;
    c.arrange(home, calls);
    const std::string folder = home.Path("Dokumente/Laufwerk-A");
    PosixDrive drive(folder, true, calls);
    EXPECT_EQ(drive.FindFirstEntry(), RootSearch::NoMedium);
    ASSERT_TRUE(drive.CreationProblem());
    EXPECT_EQ(drive.CreationProblem()->Folder, folder);
    EXPECT_EQ(drive.CreationProblem()->ErrorNumber, c.error) << std::strerror(c.error);
    EXPECT_FALSE(fs::is_directory(folder));

    // Put right, the next check makes the folder and forgets the problem.
    calls.FailAt(Call::Mkdir, 0, 1000000);
    fs::remove_all(home.Path("Dokumente"));
    EXPECT_EQ(drive.FindFirstEntry(), RootSearch::Empty);
    EXPECT_FALSE(drive.CreationProblem());
  }
}

TEST(PosixDrive, AFolderThatIsNeverMadeHasNoCreationProblem) {
  PosixDrive noHome("", true);  // a default folder without a home folder to put it in
  EXPECT_EQ(noHome.FindFirstEntry(), RootSearch::NoMedium);
  ASSERT_TRUE(noHome.CreationProblem());
  EXPECT_EQ(noHome.CreationProblem()->Folder, "");
  EXPECT_EQ(noHome.CreationProblem()->ErrorNumber, 0);

  TempDir media;
  PosixDrive stick(media.Path("stick"), false);  // named by the variable: just no medium
  EXPECT_EQ(stick.FindFirstEntry(), RootSearch::NoMedium);
  EXPECT_FALSE(stick.CreationProblem());
}

// --- what is no file --------------------------------------------------------

// What each entry of a folder is, as far as a test can tell them apart: its
// type and inode, its bytes for a file, its target for a link.
std::map<std::string, std::string> Snapshot(const std::string& folder) {
  std::map<std::string, std::string> seen;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    struct stat status;
    if (lstat(entry.path().c_str(), &status) != 0) continue;
    std::string what = std::to_string(status.st_mode) + " " + std::to_string(status.st_ino);
    if (S_ISLNK(status.st_mode)) what += " -> " + fs::read_symlink(entry.path()).string();
    if (S_ISREG(status.st_mode)) {
      std::ifstream in(entry.path(), std::ios::binary);
      what += " " + std::string(std::istreambuf_iterator<char>(in), {});
    }
    seen[fs::relative(entry.path(), folder).string()] = what;
  }
  return seen;
}

void MakeSocket(const std::string& path) {
  const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(fd, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  ASSERT_LT(path.size(), sizeof address.sun_path);
  std::strcpy(address.sun_path, path.c_str());
  EXPECT_EQ(bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  close(fd);  // the socket's name stays
}

struct Intruder {
  const char* name;
  std::function<void(const std::string& path)> make;
  EntryKind kind;
};

void PrintTo(const Intruder& i, std::ostream* os) {
  *os << i.name;
}

class NotAFile : public testing::TestWithParam<Intruder> {};

TEST_P(NotAFile, IsRefusedForReadingAndWritingWithoutWaitingAndLeftAlone) {
  TempDir dir;
  GetParam().make(dir.Path("GEHEIM.TXT"));
  const auto before = Snapshot(dir.Path());
  PosixDrive drive(dir.Path(), false);
  bool exists = false;
  FirstLine read;
  FileResult written;
  ASSERT_TRUE(FinishesWithin(std::chrono::seconds(10), dir.Path(), [&] {
    exists = drive.FileExists("GEHEIM.TXT");
    read = drive.ReadFirstLine("GEHEIM.TXT", kMaxFieldLength);
    written = drive.WriteLine("GEHEIM.TXT", "NEU");
  }));
  EXPECT_TRUE(exists);  // saving asks before it tries to overwrite it
  EXPECT_FALSE(read.Text);
  EXPECT_EQ(read.Result.Status, FileStatus::NotAFile);
  EXPECT_EQ(read.Result.Kind, GetParam().kind);
  EXPECT_EQ(written.Status, FileStatus::NotAFile);
  EXPECT_EQ(written.Kind, GetParam().kind);
  EXPECT_EQ(Snapshot(dir.Path()), before);  // no temporary file either
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, NotAFile,
    testing::Values(
        Intruder{"Pipe", [](const std::string& p) { ASSERT_EQ(mkfifo(p.c_str(), 0666), 0); },
                 EntryKind::Pipe},
        Intruder{"Folder",
                 [](const std::string& p) {
                   fs::create_directory(p);
                   std::ofstream(p + "/DRIN.TXT") << "DRIN\r\n";
                 },
                 EntryKind::Folder},
        Intruder{"Socket", MakeSocket, EntryKind::Socket},
        Intruder{"Device", [](const std::string& p) { fs::create_symlink("/dev/null", p); },
                 EntryKind::Device},
        Intruder{"LinkToAPipe",
                 [](const std::string& p) {
                   ASSERT_EQ(mkfifo((p + ".pipe").c_str(), 0666), 0);
                   fs::create_symlink(p + ".pipe", p);
                 },
                 EntryKind::Pipe}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PosixDrive, APipeSwappedInAfterTheFirstLookIsRefusedWithoutWaiting) {
  TempDir dir;
  dir.Put("GEHEIM.TXT", "HALLO\r\n");
  FaultySystemCalls calls;
  PosixDrive drive(dir.Path(), false, calls);
  calls.Before(Call::Open, [&] {
    fs::remove(dir.Path("GEHEIM.TXT"));
    ASSERT_EQ(mkfifo(dir.Path("GEHEIM.TXT").c_str(), 0666), 0);
  });
  FirstLine read;
  ASSERT_TRUE(FinishesWithin(std::chrono::seconds(10), dir.Path(),
                             [&] { read = drive.ReadFirstLine("GEHEIM.TXT", kMaxFieldLength); }));
  EXPECT_FALSE(read.Text);
  EXPECT_EQ(read.Result.Status, FileStatus::NotAFile);
  EXPECT_EQ(read.Result.Kind, EntryKind::Pipe);
  EXPECT_EQ(calls.Made(Call::Read), 0);
}

// --- the temporary file of a save -------------------------------------------

// Something of somebody else's under the name: a file, a pipe, a folder, or a
// link to a file outside the drive.
void Plant(const TempDir& dir, const std::string& name, int which, const std::string& outside) {
  const std::string path = dir.Path(name);
  switch (which % 4) {
    case 0:
      dir.Put(name, "FREMD " + std::to_string(which));
      break;
    case 1:
      ASSERT_EQ(mkfifo(path.c_str(), 0666), 0);
      break;
    case 2:
      fs::create_directory(path);
      break;
    case 3:
      fs::create_symlink(outside, path);
      break;
  }
}

class TemporaryNames : public testing::Test {
 protected:
  // Plants something at the temporary name of each of the first `taken` tries.
  void PlantAtTheFirst(int taken) {
    outside.Put("ZIEL.TXT", "NICHT ANFASSEN\r\n");
    for (int i = 0; i < PosixDrive::kTemporaryNameTries; ++i) {
      const std::uint64_t number = 0x5EED0000u + static_cast<std::uint64_t>(i);
      calls.RandomNumbers.push_back(number);
      if (i < taken)
        Plant(dir, PosixDrive::TemporaryName("GEHEIM.TXT", number), i, outside.Path("ZIEL.TXT"));
    }
    dir.Put("GEHEIM.TXT", "ALT\r\n");
    before = Snapshot(dir.Path());
  }
  FileResult Save() {
    FileResult written;
    EXPECT_TRUE(FinishesWithin(std::chrono::seconds(10), dir.Path(),
                               [&] { written = drive.WriteLine("GEHEIM.TXT", "NEU"); }));
    return written;
  }

  TempDir dir, outside;
  FaultySystemCalls calls;
  PosixDrive drive{dir.Path(), false, calls};
  std::map<std::string, std::string> before;
};

TEST_F(TemporaryNames, EveryNameTakenButOneIsLeftAloneAndTheSaveUsesTheFreeOne) {
  PlantAtTheFirst(PosixDrive::kTemporaryNameTries - 1);
  ASSERT_TRUE(Save().Ok());
  EXPECT_EQ(dir.Bytes("GEHEIM.TXT"), "NEU\r\n");
  auto after = Snapshot(dir.Path());
  after.erase("GEHEIM.TXT");
  before.erase("GEHEIM.TXT");
  EXPECT_EQ(after, before);  // every planted entry as it was, and nothing new
  EXPECT_EQ(outside.Bytes("ZIEL.TXT"), "NICHT ANFASSEN\r\n");
  EXPECT_EQ(calls.Made(Call::Unlink), 0);
}

TEST_F(TemporaryNames, EveryNameTakenEndsTheSaveCleanly) {
  PlantAtTheFirst(PosixDrive::kTemporaryNameTries);
  const FileResult written = Save();
  EXPECT_EQ(written.Status, FileStatus::SystemError);
  EXPECT_EQ(written.ErrorNumber, EEXIST);
  EXPECT_EQ(Snapshot(dir.Path()), before);
  EXPECT_EQ(outside.Bytes("ZIEL.TXT"), "NICHT ANFASSEN\r\n");
  EXPECT_EQ(calls.Made(Call::Unlink), 0);
}

TEST(TemporaryName, IsHiddenBesideTheFileAndDiffersFromSaveToSave) {
  EXPECT_EQ(PosixDrive::TemporaryName("GEHEIM.TXT", 0xABCDEFu), ".GEHEIM.TXT.0000000000abcdef.tmp");
  PosixSystemCalls real;
  std::set<std::uint64_t> numbers;
  for (int i = 0; i < 8; ++i) numbers.insert(real.RandomNumber());
  EXPECT_EQ(numbers.size(), 8u);
}

// --- read-only files and permissions ----------------------------------------

TEST(PosixDrive, RefusesAFileThatIsReadOnlyOrMayNotBeWrittenAndLeavesItAlone) {
  const struct {
    const char* name;
    mode_t mode;
    int accessError;  // 0: the system lets the user write
    int error;
  } cases[] = {
      {"nobody may write, not even root", 0444, 0, EACCES},
      {"nobody may do anything", 0000, 0, EACCES},
      {"the user may not write", 0644, EACCES, EACCES},
      {"a write-protected medium", 0644, EROFS, EROFS},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    FaultySystemCalls calls;
    dir.Put("KLARTEXT.TXT", "ALT\r\n");
    fs::permissions(dir.Path("KLARTEXT.TXT"), static_cast<fs::perms>(c.mode));
    if (c.accessError != 0) calls.FailAt(Call::AccessWrite, c.accessError);
    const auto before = Snapshot(dir.Path());
    PosixDrive drive(dir.Path(), false, calls);
    const FileResult written = drive.WriteLine("KLARTEXT.TXT", "NEU");
    EXPECT_EQ(written.Status, FileStatus::SystemError);
    EXPECT_EQ(written.ErrorNumber, c.error);
    EXPECT_EQ(FileErrorText(written, "KLARTEXT.TXT"), "Dateizugriff verweigert");
    EXPECT_EQ(Snapshot(dir.Path()), before);
  }
}

TEST(PosixDrive, AReplacedFileKeepsItsModeAndOwner) {
  // Root may give the file to anybody: then the owner is kept too.
  const bool root = geteuid() == 0;
  for (const mode_t mode : {0640, 0604, 0600, 0666, 0200}) {
    SCOPED_TRACE(testing::Message() << "mode " << std::oct << mode);
    TempDir dir;
    dir.Put("GEHEIM.TXT", "ALT\r\n");
    const std::string path = dir.Path("GEHEIM.TXT");
    ASSERT_EQ(chmod(path.c_str(), mode), 0);
    if (root) {
      ASSERT_EQ(chown(path.c_str(), 4321, 4322), 0);
    }
    PosixDrive drive(dir.Path(), false);
    ASSERT_TRUE(drive.WriteLine("GEHEIM.TXT", "NEU").Ok());
    EXPECT_EQ(dir.Bytes("GEHEIM.TXT"), "NEU\r\n");
    struct stat status;
    ASSERT_EQ(stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, mode);
    if (root) {
      EXPECT_EQ(status.st_uid, 4321u);
      EXPECT_EQ(status.st_gid, 4322u);
    }
  }
}

TEST(PosixDrive, SavesEvenWhereTheMediumKeepsNoPermissions) {
  TempDir dir;
  dir.Put("GEHEIM.TXT", "ALT\r\n");
  FaultySystemCalls calls;
  calls.FailAt(Call::Fchown, EPERM);
  PosixDrive drive(dir.Path(), false, calls);
  ASSERT_TRUE(drive.WriteLine("GEHEIM.TXT", "NEU").Ok());
  calls.FailAt(Call::Fchmod, EPERM);
  ASSERT_TRUE(drive.WriteLine("GEHEIM.TXT", "NEUER").Ok());
  EXPECT_EQ(dir.Bytes("GEHEIM.TXT"), "NEUER\r\n");
  EXPECT_EQ(dir.Entries(), (std::set<std::string>{"GEHEIM.TXT"}));
}

// --- a folder that went away ------------------------------------------------

TEST(PosixDrive, AFolderGoneAfterTheCheckIsAMediumTakenOut) {
  const struct {
    const char* name;
    std::function<void(const std::string& folder)> takeAway;
  } cases[] = {
      {"removed", [](const std::string& f) { fs::remove_all(f); }},
      {"a file in its place",
       [](const std::string& f) {
         fs::remove_all(f);
         std::ofstream(f) << "";
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir media;
    const std::string stick = media.Path("stick");
    fs::create_directory(stick);
    std::ofstream(stick + "/GEHEIM.TXT") << "HALLO\r\n";
    PosixDrive drive(stick, false);
    c.takeAway(stick);
    EXPECT_TRUE(drive.FileExists("GEHEIM.TXT"));  // cannot tell: taken to be there
    EXPECT_EQ(drive.ReadFirstLine("GEHEIM.TXT", 100).Result.Status, FileStatus::FolderGone);
    EXPECT_EQ(drive.WriteLine("GEHEIM.TXT", "NEU").Status, FileStatus::FolderGone);
    EXPECT_EQ(drive.WriteLine("KLARTEXT.TXT", "NEU").Status, FileStatus::FolderGone);
  }

  // Gone half-way through a save: between writing and renaming.
  TempDir media;
  const std::string stick = media.Path("stick");
  fs::create_directory(stick);
  FaultySystemCalls calls;
  PosixDrive drive(stick, false, calls);
  calls.Before(Call::Rename, [&] { fs::remove_all(stick); });
  EXPECT_EQ(drive.WriteLine("GEHEIM.TXT", "NEU").Status, FileStatus::FolderGone);
}

TEST(PosixDrive, AFileGoneFromAFolderStillThereIsNoMediumTakenOut) {
  TempDir dir;
  dir.Put("GEHEIM.TXT", "HALLO\r\n");
  FaultySystemCalls calls;
  PosixDrive drive(dir.Path(), false, calls);
  calls.Before(Call::Open, [&] { fs::remove(dir.Path("GEHEIM.TXT")); });
  const FirstLine read = drive.ReadFirstLine("GEHEIM.TXT", 100);
  EXPECT_EQ(read.Result.Status, FileStatus::SystemError);
  EXPECT_EQ(read.Result.ErrorNumber, ENOENT);
}

// --- decoding the first line ------------------------------------------------

TEST(DecodeLine, ReadsUtf8OnlyWhereItCanBeNothingElse) {
  const std::string koeln = W("GRÜßE AUS KÖLN");
  const struct {
    const char* name;
    std::string bytes;
    std::string text;
  } cases[] = {
      {"ascii", "GRUESSE", "GRUESSE"},
      {"utf-8", "GR\xC3\x9C\xC3\x9F" "E AUS K\xC3\x96LN", koeln},
      {"utf-8 with mark", "\xEF\xBB\xBFGR\xC3\x9C\xC3\x9F" "E AUS K\xC3\x96LN", koeln},
      {"mark before ascii", "\xEF\xBB\xBF" "ABC", "ABC"},
      {"mark alone", "\xEF\xBB\xBF", ""},
      {"euro sign and quotes", "\xE2\x82\xAC \xE2\x80\x9EJa\xE2\x80\x9C", "\x80 \x84Ja\x93"},
      {"windows-1252", "GR\xDC\xDF" "E AUS K\xD6LN", koeln},
      {"looks like utf-8 in part", "GR\xC3\xBCN \xFC", "GR\xC3\xBCN \xFC"},
      {"looks like utf-8 throughout", "GR\xC3\xBCN", W("GRüN")},
      {"overlong form", "A\xC0\xA0" "B", "A\xC0\xA0" "B"},
      {"utf-8 beyond the code page", "KREIS \xE2\x97\x8B", "KREIS \xE2\x97\x8B"},
      {"mark before windows-1252", "\xEF\xBB\xBFGR\xDCN", "\xEF\xBB\xBFGR\xDCN"},
      {"mark before a character beyond the code page", "\xEF\xBB\xBF\xE2\x97\x8B",
       "\xEF\xBB\xBF\xE2\x97\x8B"},
      // A second mark is a character, and Windows-1252 has none like it.
      {"two marks", "\xEF\xBB\xBF\xEF\xBB\xBF", "\xEF\xBB\xBF\xEF\xBB\xBF"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(DecodeLine(c.bytes), c.text);
  }
}

TEST(PosixDrive, CountsTheLimitInCharactersAfterDecoding) {
  TempDir dir;
  PosixDrive drive(dir.Path(), false);
  const auto read = [&](const std::string& bytes, std::size_t maxLength) {
    dir.Put("GEHEIM.TXT", bytes);
    return drive.ReadFirstLine("GEHEIM.TXT", maxLength);
  };
  const std::string ae = "\xC3\xA4";  // ä in UTF-8
  const std::string euro = "\xE2\x82\xAC";
  std::string fiveAe, sixAe, fiveEuro;
  for (int i = 0; i < 5; ++i) fiveAe += ae, fiveEuro += euro;
  sixAe = fiveAe + ae;

  EXPECT_EQ(read(fiveAe + "\r\n", 5).Text, std::string(5, '\xE4'));
  EXPECT_EQ(read("\xEF\xBB\xBF" + fiveEuro + "\r\n", 5).Text, std::string(5, '\x80'));
  EXPECT_EQ(read(sixAe + "\r\n", 5).Result.Status, FileStatus::LineTooLong);
  EXPECT_EQ(read("\xEF\xBB\xBF" + fiveEuro + "A\r\n", 5).Result.Status, FileStatus::LineTooLong);

  std::string longest;
  for (std::size_t i = 0; i < kMaxFieldLength; ++i) longest += euro;
  EXPECT_EQ(read("\xEF\xBB\xBF" + longest + "\r\n", kMaxFieldLength).Text,
            std::string(kMaxFieldLength, '\x80'));
  EXPECT_EQ(read(longest + ae + "\r\n", kMaxFieldLength).Result.Status, FileStatus::LineTooLong);
}

TEST(PosixDrive, StopsReadingAnAbsurdLineEarly) {
  TempDir dir;
  dir.Put("GEHEIM.TXT", std::string(8 << 20, 'A'));  // 8 MiB without a line ending
  FaultySystemCalls calls;
  PosixDrive drive(dir.Path(), false, calls);
  EXPECT_EQ(drive.ReadFirstLine("GEHEIM.TXT", kMaxFieldLength).Result.Status,
            FileStatus::LineTooLong);
  // Reads of 4 KiB: just past the longest form of a full field.
  EXPECT_LE(calls.Made(Call::Read), static_cast<int>(MaxLineBytes(kMaxFieldLength) / 4096 + 1));
}

class StubDrive : public Drive {
 public:
  explicit StubDrive(RootSearch found) : found_(found) {}
  RootSearch FindFirstEntry() override { return found_; }
  bool FileExists(const std::string&) override { return false; }
  std::optional<EntryKind> NotAFile(const std::string&) override { return std::nullopt; }
  FileResult WriteLine(const std::string&, std::string_view) override { return {}; }
  FirstLine ReadFirstLine(const std::string&, std::size_t) override { return {}; }

 private:
  RootSearch found_;
};

TEST(CheckDrive, AMediumThatIsThereAndReadableIsReadyAlsoWhenEmpty) {
  const struct {
    RootSearch found;
    bool ready;
  } cases[] = {
      {RootSearch::EntryFound, true},
      {RootSearch::Empty, true},
      {RootSearch::NoMedium, false},
      {RootSearch::Unreadable, false},
  };
  for (const auto& c : cases) {
    StubDrive drive(c.found);
    EXPECT_EQ(CheckDrive(drive), c.ready);
  }
}

TEST(FileErrorText, NamesDeniedAccessAFullMediumAndWhatIsNoFileAndNumbersTheRest) {
  const struct {
    FileResult result;
    const char* text;  // UTF-8
  } cases[] = {
      {FileResult::Failed(EACCES), "Dateizugriff verweigert"},
      {FileResult::Failed(EPERM), "Dateizugriff verweigert"},
      {FileResult::Failed(EROFS), "Dateizugriff verweigert"},
      {FileResult::Failed(ENOSPC), "Der Datenträger ist voll"},
      {FileResult::Failed(EDQUOT), "Der Datenträger ist voll"},
      {FileResult::Failed(EIO), "E/A-Fehler 5"},
      {FileResult::Failed(EXDEV), "E/A-Fehler 18"},
      {{FileStatus::LineTooLong},
       "Die erste Zeile der Datei ist länger als 65535 Zeichen\r"
       "und kann nicht eingelesen werden!"},
      {FileResult::NotAFile(EntryKind::Folder),
       "GEHEIM.TXT auf Laufwerk A: ist keine Datei,\rsondern ein Ordner!"},
      {FileResult::NotAFile(EntryKind::Pipe),
       "GEHEIM.TXT auf Laufwerk A: ist keine Datei,\rsondern eine Pipe (FIFO)!"},
      {FileResult::NotAFile(EntryKind::Device),
       "GEHEIM.TXT auf Laufwerk A: ist keine Datei,\rsondern ein Gerät!"},
      {FileResult::NotAFile(EntryKind::Socket),
       "GEHEIM.TXT auf Laufwerk A: ist keine Datei,\rsondern ein Socket!"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(win1252::ToUtf8(FileErrorText(c.result, "GEHEIM.TXT")), c.text);
  }
}

TEST(FolderProblemText, NamesTheFolderAndWhyItCannotBeMade) {
  const struct {
    FolderProblem problem;
    const char* text;  // UTF-8
  } cases[] = {
      {{"/home/lea/Dokumente/Laufwerk-A", EACCES},
       "Der Ordner für Laufwerk A: kann nicht angelegt werden:\r"
       "/home/lea/Dokumente/Laufwerk-A\rDateizugriff verweigert"},
      {{"/home/jörg/Laufwerk-A", ENOTDIR},
       "Der Ordner für Laufwerk A: kann nicht angelegt werden:\r"
       "/home/jörg/Laufwerk-A\rEin Teil des Weges ist eine Datei, kein Ordner."},
      {{"/media/voll/Laufwerk-A", ENOSPC},
       "Der Ordner für Laufwerk A: kann nicht angelegt werden:\r"
       "/media/voll/Laufwerk-A\rDer Datenträger ist voll"},
      {{"", 0},
       "Der Ordner für Laufwerk A: kann nicht angelegt werden:\r"
       "Es wurde kein persönlicher Ordner gefunden."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(win1252::ToUtf8(FolderProblemText(c.problem)), c.text);
  }
}

}  // namespace
