#pragma once
// The worksheet "Arbeitsblatt": which texts it shows and what goes on which
// page. A task (the ciphertext to decipher, or when there is none the
// plaintext to encipher, one character per box over an empty box for the
// answer), a table of the alphabet to count the frequencies into beside the
// German reference values, the cipher disk to cut out, and the solution (the
// key, the other text, the filled table and the chart at the key). It draws
// nothing: arbeitsblatt/view paints the pages this plans.

#include <optional>
#include <string>
#include <vector>

#include "arbeitsblatt/model/SheetLayout.h"

// What the main window holds when the worksheet is made (Windows-1252).
struct WorksheetSource {
  std::string Ciphertext;    // Edit3
  std::string Plaintext;     // Edit1, as typed
  std::string Alphabet;      // the encryption table's row 0: the alphabet in use
  std::string AlphabetName;  // the option chosen: "nur Buchstaben (original)", ...
  int EncShift = 0;          // Edit2
  int DecShift = 0;          // Edit6
  int UnknownOption = 1;     // RadioGroup2: what enciphering does with unknown characters
  // An exercise knows its own secret, which then is the solution.
  std::optional<int> SecretShift;
  std::optional<std::string> SecretPlaintext;
};

// The pages the teacher chose.
struct WorksheetChoice {
  bool Task = true;         // "Aufgabe"
  bool Frequencies = true;  // "Häufigkeiten zum Auszählen"
  bool Disk = true;         // "Cäsar-Scheibe zum Ausschneiden"
  bool Solution = false;    // "Lösung"
  bool ShiftGiven = false;  // an enciphering task names its shift
};

enum class SheetPart { Task, Frequencies, Disk, Solution };

// One printed page: its part, whether it is that part's first page (with the
// part's heading), and which of the part's items it holds: lines of the task
// text, rows of the frequency table, lines of the solution text.
struct SheetPage {
  SheetPart Part = SheetPart::Task;
  bool FirstOfPart = true;
  TextLine Items;
};

// The printable area of the page in millimetres, and the sizes of the
// worksheet's parts on it. The painting uses the same numbers.
struct SheetMetrics {
  double Width = 180;   // A4 portrait less 15 mm margins
  double Height = 267;
  static constexpr double kHeader = 10;      // every page: the title line, and the footer
  static constexpr double kFooter = 8;
  static constexpr double kTaskHead = 52;    // the first task page: heading, name, class, date, instruction, alphabet
  static constexpr double kBoxWidth = 6;     // a character's box, and the answer's under it
  static constexpr double kBoxHeight = 7.5;
  static constexpr double kBoxGap = 3.5;     // between two lines of boxes
  static constexpr double kTableHead = 32;   // the frequency page: heading, instruction, column heads
  static constexpr double kTableRow = 6;
  static constexpr double kTableBlockGap = 6;  // between two blocks of rows side by side
  static constexpr double kTableBlockWidth = 84;
  static constexpr double kSolutionHead = 24;  // heading and the key
  static constexpr double kSubstitutionRow = 6;  // a row of the filled table
  static constexpr int kSubstitutionColumns = 26;  // characters per row of the filled table
  static constexpr double kChart = 80;         // the chart with its line
  static constexpr double kSolutionTextHead = 8;
  static constexpr double kTextLine = 5;       // a line of the solution text
  static constexpr double kTextCharWidth = 2.1;  // the solution text's monospaced characters

  double LinePitch() const { return 2 * kBoxHeight + kBoxGap; }
  double Body() const { return Height - kHeader - kFooter; }
};

struct Worksheet {
  bool Deciphering = true;   // the task is the ciphertext (else the plaintext)
  std::string TaskText;      // in the boxes, upper-cased as a step would
  int Key = 0;               // the shift that turns the plaintext into the ciphertext
  std::string SolutionText;  // the plaintext of a deciphering task, the ciphertext of the other
  std::string Alphabet;
  std::string AlphabetName;
  bool ShiftGiven = false;
  int BoxesPerLine = 1;
  std::vector<TextLine> TaskLines;
  int RowsPerBlock = 1;        // the frequency table: rows in one block
  int BlocksPerPage = 1;       // blocks side by side
  int SubstitutionRows = 1;    // the filled table: pairs of rows it takes
  int SolutionCharsPerLine = 1;
  std::vector<TextLine> SolutionLines;
  std::vector<SheetPage> Pages;
};

Worksheet PlanWorksheet(const WorksheetSource& source, const WorksheetChoice& choice,
                        const SheetMetrics& metrics);
