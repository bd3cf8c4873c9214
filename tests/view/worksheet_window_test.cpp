// The worksheet as a teacher makes it: "Arbeitsblatt …" over the README's
// example, the pages chosen, saved as a PDF and read back with poppler's
// tools, as any PDF reader or a screen reader's PDF support would read it:
// the page count and size, the headings, the ciphertext's characters in
// order, "Lösung" only when chosen, the reference values with the user's
// decimal separator.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <iterator>
#include <sstream>
#include <vector>
#include <string>

#include "app/Program.h"
#include "arbeitsblatt/view/PrintDialog.h"
#include "tests/support/TempDir.h"
#include "tests/support/WindowTest.h"
#include "toolkit/view/text/QtText.h"

namespace {

QString U8(const char* utf8) { return QString::fromUtf8(utf8); }

// What a command prints.
std::string Output(const std::string& command) {
  std::string out;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    while (const std::size_t n = fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
    pclose(pipe);
  }
  return out;
}

// The text without white space and without the "␣" that stands for a blank.
std::string WithoutBlanks(const std::string& text) {
  std::string out;
  const std::string blank = "\xE2\x90\xA3";
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, blank.size(), blank) == 0) {
      i += blank.size() - 1;
      continue;
    }
    const char c = text[i];
    if (c != ' ' && c != '\n' && c != '\f' && c != '\t') out += c;
  }
  return out;
}

// A field of pdfinfo's report, "Pages" say.
std::string InfoField(const std::string& info, const std::string& field) {
  const std::size_t at = info.find(field + ":");
  if (at == std::string::npos) return {};
  std::size_t begin = info.find_first_not_of(' ', at + field.size() + 1);
  return info.substr(begin, info.find('\n', begin) - begin);
}

// A check box ticked or cleared from the keyboard.
void Toggle(QWidget* dialog, const char* name) {
  auto* check = Find<QCheckBox>(dialog, name);
  check->setFocus();
  QTest::keyClick(check, Qt::Key_Space);
}

class WorksheetTest : public testing::Test {
 protected:
  void SetUp() override {
    program.Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&program.window1));
    // The README's example: 26 letters, the shift 7, enciphered.
    auto* plaintext = Find<QLineEdit>(&program.window1, "Edit1");
    plaintext->setFocus();
    QTest::keyClicks(plaintext,
                     U8("Treffen wir uns nach der Schule am alten Brunnen? Bring die Karte mit!"));
    Click(&program.window1, "RadioGroup1Item0");
    for (int i = 0; i < 10; ++i) ClickArrow(&program.window1, "UpDown1", false);
    Click(&program.window1, "BitBtn3");
  }

  // Opens the worksheet with Strg+P and runs inside() in its dialog.
  void InsideWorksheet(const std::function<void(PrintDialog&)>& inside) {
    bool ran = false;
    QTimer::singleShot(0, &program.window1, [&] {
      auto* dialog = qobject_cast<PrintDialog*>(QApplication::activeModalWidget());
      ran = dialog != nullptr;
      if (!dialog) return;
      inside(*dialog);
      dialog->reject();
    });
    QTest::keyClick(&program.window1, Qt::Key_P, Qt::ControlModifier);
    ASSERT_TRUE(ran) << "no worksheet dialog";
  }

  // Strg+P in an open analysis window, and inside() in the dialog it opens.
  void PrintFrom(QDialog& window, const char* button,
                 const std::function<void(PrintDialog&)>& inside) {
    InsideModal(
        window, [&] { Click(&program.window1, button); },
        [&] {
          bool ran = false;
          QTimer::singleShot(0, &window, [&] {
            auto* dialog = qobject_cast<PrintDialog*>(QApplication::activeModalWidget());
            ran = dialog != nullptr;
            if (!dialog) return;
            inside(*dialog);
            dialog->reject();
          });
          QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier);
          EXPECT_TRUE(ran) << "no print dialog";
        });
  }

  Program program;
  TempDir folder;
};

TEST_F(WorksheetTest, AllFourPagesAsAPdfWithRealText) {
  const std::string pdf = folder.Path("Arbeitsblatt.pdf");
  const std::string without = folder.Path("ohne-Loesung.pdf");
  InsideWorksheet([&](PrintDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), U8("Arbeitsblatt"));
    EXPECT_EQ(Find<QLabel>(&dialog, "PageNumber")->text(), U8("Seite 1 von 3"));
    EXPECT_FALSE(Find<QCheckBox>(&dialog, "Solution")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>(&dialog, "ShiftGiven")->isEnabled()) << "a task to decipher";
    ASSERT_TRUE(dialog.SaveAsPdf(QString::fromStdString(without)));
    Toggle(&dialog, "Solution");
    EXPECT_EQ(Find<QLabel>(&dialog, "PageNumber")->text(), U8("Seite 1 von 4"));
    QTest::keyClick(&dialog, Qt::Key_PageDown);
    EXPECT_EQ(Find<QLabel>(&dialog, "PageNumber")->text(), U8("Seite 2 von 4"));
    ASSERT_TRUE(dialog.SaveAsPdf(QString::fromStdString(pdf)));
  });

  const std::string info = Output("pdfinfo '" + pdf + "'");
  EXPECT_EQ(InfoField(info, "Pages"), "4") << info;
  EXPECT_NE(InfoField(info, "Page size").find("(A4)"), std::string::npos) << info;
  EXPECT_EQ(InfoField(info, "Title"), "Chiffrarium – Arbeitsblatt") << info;

  const std::string task = Output("pdftotext -f 1 -l 1 '" + pdf + "' -");
  EXPECT_NE(task.find("Geheimtext entschlüsseln"), std::string::npos) << task;
  EXPECT_NE(task.find("Name:"), std::string::npos);
  const std::string cipher = program.form1.Edit3.Text();  // all ASCII here
  EXPECT_NE(WithoutBlanks(task).find(WithoutBlanks(cipher)), std::string::npos)
      << "the ciphertext in order: " << cipher << "\n" << task;

  const std::string frequencies = Output("pdftotext -f 2 -l 2 '" + pdf + "' -");
  EXPECT_NE(frequencies.find("Häufigkeiten zum Auszählen"), std::string::npos) << frequencies;
  EXPECT_NE(frequencies.find("17.40"), std::string::npos) << "E in German, the C locale's point";
  const std::string disk = Output("pdftotext -f 3 -l 3 '" + pdf + "' -");
  EXPECT_NE(disk.find("Cäsar-Scheibe zum Ausschneiden"), std::string::npos);
  const std::string solution = Output("pdftotext -f 4 -l 4 '" + pdf + "' -");
  EXPECT_NE(solution.find("Lösung"), std::string::npos);
  EXPECT_NE(solution.find("Verschiebung: 7 (A wird zu H)"), std::string::npos) << solution;
  EXPECT_NE(WithoutBlanks(solution).find("TREFFENWIRUNSNACHDERSCHULE"), std::string::npos);
  EXPECT_NE(solution.find("Summe der Fehler-Quadrate"), std::string::npos) << "the chart's line";

  EXPECT_EQ(Output("pdftotext '" + without + "' -").find("Lösung"), std::string::npos);
  // The fonts go with the file.
  const std::string fonts = Output("pdffonts '" + pdf + "'");
  EXPECT_NE(fonts.find("DejaVuSans"), std::string::npos) << fonts;
  std::istringstream lines(fonts);
  std::string line;
  std::getline(lines, line);  // the heads
  std::getline(lines, line);  // the rule under them
  while (std::getline(lines, line)) {
    std::istringstream words(line);
    std::vector<std::string> fields{std::istream_iterator<std::string>(words), {}};
    ASSERT_GE(fields.size(), 5u) << line;
    EXPECT_EQ(fields[fields.size() - 5], "yes") << "embedded: " << line;
  }
}

TEST_F(WorksheetTest, WithoutCiphertextThePlaintextIsTheTaskAndMayNameItsShift) {
  Click(&program.window1, "BitBtn6");  // "Geheimtext löschen"
  const std::string pdf = folder.Path("Aufgabe.pdf");
  InsideWorksheet([&](PrintDialog& dialog) {
    auto* shift = Find<QCheckBox>(&dialog, "ShiftGiven");
    EXPECT_TRUE(shift->isEnabled());
    Toggle(&dialog, "ShiftGiven");
    Toggle(&dialog, "Frequencies");
    Toggle(&dialog, "Disk");
    EXPECT_EQ(Find<QLabel>(&dialog, "PageNumber")->text(), U8("Seite 1 von 1"));
    ASSERT_TRUE(dialog.SaveAsPdf(QString::fromStdString(pdf)));
  });
  const std::string text = Output("pdftotext '" + pdf + "' -");
  EXPECT_NE(text.find("Klartext verschlüsseln"), std::string::npos) << text;
  EXPECT_NE(text.find("mit der Verschiebung 7"), std::string::npos) << text;
  EXPECT_NE(WithoutBlanks(text).find("TREFFENWIRUNS"), std::string::npos);
}

TEST_F(WorksheetTest, TheAnalysisWindowsPrintThemselves) {
  const std::string frequency = folder.Path("Einzelzeichen.pdf");
  PrintFrom(program.Window2(), "BitBtn10", [&](PrintDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), U8("Drucken – Kryptoanalyse -- Einzelzeichen"));
    ASSERT_TRUE(dialog.SaveAsPdf(QString::fromStdString(frequency)));
  });
  const std::string text = Output("pdftotext '" + frequency + "' -");
  for (const char* expected :
       {"Kryptoanalyse -- Einzelzeichen", "empfohlene Cäsar-Verschiebung:", "Anzahl",
        "Verschiebungen", "Verschiebung 7 · Summe der Fehler-Quadrate", "???"})
    EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;

  const std::string brute = folder.Path("Brute-Force.pdf");
  PrintFrom(program.Window3(), "BitBtn12", [&](PrintDialog& dialog) {
    ASSERT_TRUE(dialog.SaveAsPdf(QString::fromStdString(brute)));
  });
  const std::string trials = Output("pdftotext '" + brute + "' -");
  for (const char* expected : {"Brachiale Kryptoanalyse (Brute Force)", "benutzte Wortliste:",
                               "passender Klar-Text", "TREFFEN WIR UNS NACH DER SCHULE"})
    EXPECT_NE(trials.find(expected), std::string::npos) << expected << "\n" << trials;
}

TEST_F(WorksheetTest, AFileThatCannotBeWrittenIsNamedInABox) {
  InsideWorksheet([&](PrintDialog& dialog) {
    BoxAnswerer boxes({"OK"});
    EXPECT_FALSE(dialog.SaveAsPdf(QString::fromStdString(folder.Path("fehlt/Arbeitsblatt.pdf"))));
    ASSERT_EQ(boxes.Seen.size(), 1);
    EXPECT_TRUE(boxes.Seen[0].startsWith(U8("Fehler: Die Datei "))) << qPrintable(boxes.Seen[0]);
  });
}

}  // namespace
