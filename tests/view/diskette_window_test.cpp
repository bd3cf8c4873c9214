// Saving and loading through the real buttons, with the real message boxes
// answered as a learner would, on a drive A: that is a temporary folder; and
// which folder the program takes for drive A: when none is named.
#include <gtest/gtest.h>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <cstdlib>
#include <deque>
#include <memory>
#include <optional>
#include <string>

#include "app/Program.h"
#include "tests/support/NoHang.h"
#include "tests/support/Typing.h"
#include "tests/support/WindowTest.h"

namespace {

class DisketteWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(drive.isValid());
    qputenv("CHIFFRARIUM_LAUFWERK_A", drive.path().toLocal8Bit());
    program = std::make_unique<Program>();
    program->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&program->window1));
  }
  void TearDown() override { qunsetenv("CHIFFRARIUM_LAUFWERK_A"); }

  QLineEdit* Field(const char* name) { return Find<QLineEdit>(&program->window1, name); }
  void Click(const char* button) { ::Click(&program->window1, button); }
  QByteArray FileBytes(const char* name) {
    QFile file(drive.filePath(QString::fromLatin1(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
  }

  QTemporaryDir drive;
  std::unique_ptr<Program> program;
};

TEST_F(DisketteWindowTest, SavesAndLoadsThePlaintext) {
  QTest::keyClicks(Field("Edit1"), QStringLiteral("hallo welt"));
  {
    BoxAnswerer answers({"&Ja", "OK", "OK"});
    Click("BitBtn18");  // "Klartext speichern ..."
    EXPECT_EQ(answers.Seen,
              QStringList({QString::fromUtf8("Bestätigung: Soll der Klartext jetzt auf\neiner "
                                             "Diskette gespeichert werden?"),
                           QString::fromUtf8("Bestätigung: Bitte eine Diskette in das Laufwerk "
                                             "A: einlegen!\nDanach dann bei \"OK\" bestätigen!"),
                           QStringLiteral("Information: Klartext auf Diskette gespeichert!")}));
  }
  EXPECT_EQ(Field("Edit1")->text(), QStringLiteral("HALLO WELT"));
  EXPECT_EQ(FileBytes("KLARTEXT.TXT"), QByteArray("HALLO WELT\r\n"));

  Click("BitBtn16");  // "Klartext löschen"
  {
    BoxAnswerer answers({"&Ja", "OK"});
    Click("BitBtn17");  // "Klartext einlesen ..."
    EXPECT_EQ(answers.Seen.size(), 2);
  }
  EXPECT_EQ(Field("Edit1")->text(), QStringLiteral("HALLO WELT"));
}

TEST_F(DisketteWindowTest, NoToTheOverwriteQuestionLeavesTheFile) {
  TypeText(Field("Edit3"), QString::fromUtf8("yr114 äß"));
  {
    BoxAnswerer answers({"&Ja", "OK", "OK"});
    Click("BitBtn5");  // "Geheimtext speichern ..."
  }
  EXPECT_EQ(FileBytes("GEHEIM.TXT"), QByteArray("YR114 \xC4\xDF\r\n"));  // Windows-1252
  Field("Edit3")->clear();
  QTest::keyClicks(Field("Edit3"), QStringLiteral("anders"));
  {
    BoxAnswerer answers({"&Ja", "OK", "&Nein"});
    Click("BitBtn5");
    ASSERT_EQ(answers.Seen.size(), 3);
    EXPECT_EQ(answers.Seen[2], QString::fromUtf8("Bestätigung: Soll der vorhandene Geheimtext\nauf "
                                                 "der Diskette überschrieben werden?"));
  }
  EXPECT_EQ(FileBytes("GEHEIM.TXT"), QByteArray("YR114 \xC4\xDF\r\n"));
  EXPECT_EQ(Field("Edit3")->text(), QStringLiteral("ANDERS"));  // upper-cased before the question

  {
    BoxAnswerer answers({"&Ja", "OK"});
    Click("BitBtn4");  // "Geheimtext einlesen ..."
  }
  EXPECT_EQ(Field("Edit3")->text(), QString::fromUtf8("YR114 Äß"));
}

TEST_F(DisketteWindowTest, TooltipsNameTheFileAndTheFolderOfDriveA) {
  for (const char* button : {"BitBtn4", "BitBtn5", "BitBtn17", "BitBtn18"})
    EXPECT_TRUE(Find(&program->window1, button)->toolTip().contains(drive.path())) << button;
  const QString folder =
      QStringLiteral("\nLaufwerk A: ist der Ordner ") + QDir::toNativeSeparators(drive.path());
  const struct {
    const char* button;
    const char* tip;
  } tips[] = {
      {"BitBtn4", "Liest den Geheimtext aus der Datei GEHEIM.TXT von Laufwerk A: ein."},
      {"BitBtn5", "Speichert den Geheimtext in der Datei GEHEIM.TXT auf Laufwerk A:."},
      {"BitBtn17", "Liest den Klartext aus der Datei KLARTEXT.TXT von Laufwerk A: ein."},
      {"BitBtn18", "Speichert den Klartext in der Datei KLARTEXT.TXT auf Laufwerk A:."},
  };
  for (const auto& t : tips)
    EXPECT_EQ(Find(&program->window1, t.button)->toolTip(), QString::fromUtf8(t.tip) + folder)
        << t.button;
  // Naming the folder again replaces the line rather than adding another.
  program->window1.ShowDriveDirectory(QStringLiteral("/media/STICK"));
  EXPECT_EQ(Find(&program->window1, "BitBtn4")->toolTip(),
            QStringLiteral("Liest den Geheimtext aus der Datei GEHEIM.TXT von Laufwerk A: ein.\n"
                           "Laufwerk A: ist der Ordner /media/STICK"));
}

TEST_F(DisketteWindowTest, APipeUnderTheFilesNameIsRefusedWithoutWaiting) {
  ASSERT_EQ(mkfifo(QFile::encodeName(drive.filePath(QStringLiteral("GEHEIM.TXT"))).constData(), 0666),
            0);
  const QString refused = QStringLiteral(
      "Fehler: GEHEIM.TXT auf Laufwerk A: ist keine Datei,\nsondern eine Pipe (FIFO)!");
  PipeWatch watch(std::chrono::seconds(10), drive.path().toStdString());
  {
    BoxAnswerer answers({"&Ja", "OK", "OK"});
    Click("BitBtn4");  // "Geheimtext einlesen ..."
    ASSERT_EQ(answers.Seen.size(), 3);
    EXPECT_EQ(answers.Seen[2], refused);
  }
  QTest::keyClicks(Field("Edit3"), QStringLiteral("neu"));
  {
    BoxAnswerer answers({"&Ja", "OK", "OK"});
    Click("BitBtn5");  // "Geheimtext speichern ..."
    ASSERT_EQ(answers.Seen.size(), 3);
    EXPECT_EQ(answers.Seen[2], refused);
  }
  struct stat status;
  ASSERT_EQ(lstat(QFile::encodeName(drive.filePath(QStringLiteral("GEHEIM.TXT"))).constData(),
                  &status),
            0);
  EXPECT_TRUE(S_ISFIFO(status.st_mode));
}

TEST_F(DisketteWindowTest, AFileSavedAsUtf8ByAnEditorLoadsAsWritten) {
  QFile file(drive.filePath(QStringLiteral("KLARTEXT.TXT")));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("\xEF\xBB\xBFGr\xC3\xBC\xC3\x9F" "e aus K\xC3\xB6ln\n");
  file.close();
  BoxAnswerer answers({"&Ja", "OK"});
  Click("BitBtn17");  // "Klartext einlesen ..."
  EXPECT_EQ(answers.Seen.size(), 2);
  EXPECT_EQ(Field("Edit1")->text(), QString::fromUtf8("GRÜßE AUS KÖLN"));
}

// Sets or unsets an environment variable for as long as it lives.
class EnvironmentVariable {
 public:
  EnvironmentVariable(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value)
      setenv(name, value, 1);
    else
      unsetenv(name);
  }
  ~EnvironmentVariable() {
    if (old_)
      setenv(name_, old_->c_str(), 1);
    else
      unsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(DriveAFolder, IsInTheHomeFolderEvenWithoutHomeAndNeverAtTheRoot) {
  EnvironmentVariable noDrive(kDriveAVariable, nullptr);
  const passwd* entry = getpwuid(getuid());
  ASSERT_NE(entry, nullptr);
  const std::string accountHome = entry->pw_dir;
  QTemporaryDir home;
  const std::string setHome = home.path().toStdString();
  const struct {
    const char* home;
    std::string expectedHome;
  } cases[] = {{setHome.c_str(), setHome}, {nullptr, accountHome}, {"/", accountHome}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.home ? c.home : "HOME unset");
    EnvironmentVariable variable("HOME", c.home);
    Program program;
    const std::string folder = program.driveRoot.Directory;
    EXPECT_TRUE(program.driveRoot.CreateWhenMissing);
    if (!IsUsableHome(c.expectedHome.c_str())) {  // an account without a home: no folder at all
      EXPECT_EQ(folder, "");
      continue;
    }
    EXPECT_TRUE(folder.starts_with(c.expectedHome + "/")) << folder;
    EXPECT_TRUE(folder.ends_with("/Laufwerk-A")) << folder;
    EXPECT_TRUE(program.window1.findChild<QWidget*>(QStringLiteral("BitBtn5"))
                    ->toolTip()
                    .contains(QString::fromStdString(folder)));
  }
}

}  // namespace
