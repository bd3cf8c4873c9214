#pragma once
// TForm1, the model of the main window "Chiffrarium -- Cäsar-Chiffrierung":
// the encryption workbench. Its controls are plain data named as the window's
// controls, and every handler of the window is a member function of the same
// name. It draws nothing and knows no widget: maincaesar/view/MainWindow shows
// it and raises the handlers.
//
// The handlers are defined in these files: TForm1.cpp (start-up, options,
// spinners, marker and selection), TForm1Buttons.cpp (clear, restart and the
// analysis launchers), TForm1Steps.cpp (the encryption and decryption steps
// and runs) and TForm1Diskette.cpp (saving and loading the texts on drive A:).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "allgfunkt/Drive.h"
#include "ciphercore/CipherCore.h"
#include "ciphercore/TakenShift.h"
#include "toolkit/model/Controls.h"
#include "toolkit/model/Platform.h"
#include "toolkit/model/StringGrid.h"

// The workbench's shifts, positions, hit column and selection flag. Positions
// are 1-based and as wide as a text can be long, so a run never wraps around.
struct WorkbenchState {
  int EncShift = 0;                   // shift of the encryption table, shown in Edit2
  int DecShift = 0;                   // shift of the decryption table, shown in Edit6
  std::size_t EncPos = 1;             // next plaintext character to encrypt
  std::size_t DecPos = 1;             // next ciphertext character to decrypt
  int HitColumn = -1;                 // column the running step found its character in
  bool GridSelectionCleared = false;  // while true, the encryption table hides its
                                      // selection whenever it loses the focus
};

// The marker line under the plaintext: n - 1 spaces and a "^". It keeps only the
// position and spells the text out on demand, so that moving the marker along a
// long text costs nothing.
class MarkerLine : public Control {
 public:
  std::size_t Position() const { return position_; }
  void SetPosition(std::size_t n);
  std::string Text() const;
  std::uint64_t Revision() const { return revision_; }
  bool Visible = true;

 private:
  std::size_t position_ = 1;
  std::uint64_t revision_ = 0;
};

// What PromptForDiskette learned: the learner cancelled (0), confirmed while
// the drive was not ready (1), or confirmed with the drive ready (2). When the
// folder that stands for drive A: cannot be made, no diskette can help: the
// prompt says why and counts as cancelled.
enum class DiskettePrompt { Cancelled = 0, NotReady = 1, Ready = 2 };

struct DisketteTwin;  // what tells the ciphertext and plaintext storage apart

class TForm1 {
 public:
  // The analysis windows this window shows, as it names them to the platform;
  // the app shows the window each stands for.
  static constexpr ModalForm kForm2{2};  // "Kryptoanalyse -- Einzelzeichen"
  static constexpr ModalForm kForm3{3};  // "Brachiale Kryptoanalyse (Brute Force)"

  TForm1(CipherCore& core, Platform& platform, Drive& driveA);
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;

  // Controls, in tab order.
  Edit Edit1;                // plaintext (zu verschlüsselnder Text)
  StringGrid StringGrid1;    // encryption table: "Klartext-Zeichen:" over the cipher row
  Edit Edit2;                // encryption shift "Cäsar-Verschiebung:"
  UpDown UpDown1;            // spinner of the encryption shift
  Edit Edit3;                // ciphertext "Chiffrierter Text:"
  Button BitBtn1;            // "ein Zeichen verschlüsseln"
  Button BitBtn2;            // "schrittweise verschlüsseln"
  Button BitBtn3;            // "alles verschlüsseln"
  MarkerLine Edit4;          // position marker under the plaintext
  RadioGroup RadioGroup1;    // "Optionen für Alphabet"
  RadioGroup RadioGroup2;    // "Optionen für Chiffrierung" (unknown characters)
  Button BitBtn4;            // "Geheimtext einlesen ..."
  Button BitBtn5;            // "Geheimtext speichern ..."
  Button BitBtn6;            // "Geheimtext löschen"
  Button BitBtn7;            // "ein Zeichen entschlüsseln"
  Button BitBtn8;            // "schrittweise alle Zeichen entschlüsseln"
  Button BitBtn9;            // "sofort alle Zeichen entschlüsseln"
  Button BitBtn10;           // "Kryptoanalyse Einzelzeichen"
  Button BitBtn11;           // "Kryptoanalyse Zeichenpaare", never enabled
  Button BitBtn12;           // "brachiale Kryptoanalyse (Brute Force)"
  Button BitBtn13;           // "entschlüsselten Klartext löschen"
  Edit Edit5;                // decrypted plaintext "Klartext:" (entschlüsselter Text)
  Button BitBtn14;           // "von vorn beginnen" (encryption)
  Button BitBtn15;           // "von vorn beginnen" (decryption)
  Button BitBtn16;           // "Klartext löschen"
  Button BitBtn17;           // "Klartext einlesen ..."
  Button BitBtn18;           // "Klartext speichern ..."
  Edit Edit6;                // decryption shift "Cäsar-Verschiebung:"
  UpDown UpDown2;            // spinner of the decryption shift
  StringGrid StringGrid2;    // decryption table

  // What a screen reader hears of a step, which moves no focus when the same
  // column comes again: "H wird zu Y. Geheimtext: YR1"; of a run, its result.
  Announcement Announcer;

  WorkbenchState State;
  CipherTable EncTable{StringGrid1};
  CipherTable DecTable{StringGrid2};

  // The control with the keyboard focus; nullptr before the window is shown.
  Control* ActiveControl() const { return activeControl_; }
  // Moves the focus, raising the exit handler of the control that loses it. The
  // view calls it when the user moves the focus, handlers when they take it.
  void SetFocus(Control& control);

  // Handlers.
  void FormCreate();
  void FormShow();
  void RadioGroup1Click();
  void RadioGroup2Click();
  void Edit1Exit();
  void UpDown1Click();
  void UpDown2Click();
  void StringGrid1Exit();
  void BitBtn6Click();
  void BitBtn10Click();
  void BitBtn11Click();
  void BitBtn12Click();
  void BitBtn13Click();
  void BitBtn14Click();
  void BitBtn15Click();
  void BitBtn16Click();

  // Where the analysis windows hand back the shift the learner took: the app
  // names them once every window exists. Until then nothing comes back.
  void ReadTakenShiftsFrom(const ShiftTaker& frequencyAnalysis, const ShiftTaker& bruteForce);

  // Sets the decryption shift to a shift an analysis window handed back, as a
  // click on the decryption spinner would: Edit6, UpDown2 and the decryption
  // table follow, and the decryption starts anew (UpDown2Click).
  void TakeShift(int shift);
  // The analysis window whose shift the decryption shift was last set to by
  // "Verschiebung übernehmen"; nothing once a spinner has moved it since.
  std::optional<ModalForm> ShiftTakenFrom() const { return shiftTakenFrom_; }

  // Whether a run is stepping through its text now (it pauses in between
  // when animated): what follows the window jumps rather than animates.
  bool Running() const { return inRun_; }

  // Steps and runs. A step whose source is used up, or whose destination field
  // is full (kMaxFieldLength), only disables its single-step button.
  void BitBtn1Click();  // encryption step
  void BitBtn2Click();  // animated encryption run, 400 ms per step; Escape stops it
  void BitBtn3Click();  // immediate encryption run
  void BitBtn7Click();  // decryption step
  void BitBtn8Click();  // animated decryption run, 400 ms per step; Escape stops it
  void BitBtn9Click();  // immediate decryption run

  // Diskette storage on drive A:. The Save and Load routines show their own
  // messages and return the input/output error that ended them, which their
  // handler shows in an error box before it stops.
  static constexpr const char* kCipherTextFile = "GEHEIM.TXT";   // in the root of drive A:
  static constexpr const char* kPlainTextFile = "KLARTEXT.TXT";
  void BitBtn5Click();
  void BitBtn18Click();
  void BitBtn4Click();
  void BitBtn17Click();
  DiskettePrompt PromptForDiskette();
  // Puts a ciphertext into Edit3 as "Geheimtext einlesen ..." does with one it
  // has read: the plaintext and the decrypted text emptied, the decryption
  // starting anew. For the texts the program supplies itself (an exercise).
  void TakeCipherText(std::string text);
  [[nodiscard]] FileResult SaveCipherText();
  [[nodiscard]] FileResult SavePlainText();
  [[nodiscard]] FileResult LoadCipherText();
  [[nodiscard]] FileResult LoadPlainText();

  // Sets the marker line for plaintext position n.
  void ShowPositionMarker(std::size_t n);
  // Moves a table's selection into the fixed row while GridSelectionCleared is set.
  void HideGridSelection(StringGrid& table);
  // Rebuilds row 1 of a table from its shift, reducing a shift above the column count.
  void BuildEncRow();
  void BuildDecRow();

 private:
  void ShowEncShift();
  void ShowDecShift();
  void OpenAnalysis(ModalForm form, const ShiftTaker* taker);
  void SaveClick(const DisketteTwin& twin);
  void LoadClick(const DisketteTwin& twin);
  FileResult SaveText(const DisketteTwin& twin);
  FileResult LoadText(const DisketteTwin& twin);
  bool Succeeded(const FileResult& result, const DisketteTwin& twin);
  void StartAnewAfterLoad(const DisketteTwin& twin);
  void FinishLoad(const DisketteTwin& twin);

  // Steps: upper-cases a field unless it is unchanged since the revision noted.
  // Repeats a step while its source has a character left and its destination
  // room for one more, redrawing after each and, when animated, pausing.
  // Returns false when the learner stopped an animated run before its end.
  bool RunSteps(void (TForm1::*step)(), const Edit& source, const std::size_t& pos,
                const Edit& destination, const char* destinationName, bool animated);
  bool inRun_ = false;  // a run is stepping: its steps are not announced one by one
  std::optional<ModalForm> shiftTakenFrom_;
  void UpcaseField(Edit& field, std::optional<std::uint64_t>& upcasedAt);
  std::optional<std::uint64_t> edit1UpcasedAt_;
  std::optional<std::uint64_t> edit3UpcasedAt_;

  CipherCore& core_;
  Platform& platform_;
  Drive& driveA_;
  Control* activeControl_ = nullptr;
  const ShiftTaker* frequencyAnalysis_ = nullptr;
  const ShiftTaker* bruteForce_ = nullptr;
};
