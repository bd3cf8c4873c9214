#pragma once
// DiskForm, the model of the window "Cäsar-Scheibe": a cipher disk that shows
// one of the main window's two substitution tables as two rings and turns
// with its shift. It reads the main window's model after every change there
// (Follow) and changes it only as a click on that table's spinner does: a
// turned disk clicks the spinner once per position. It draws nothing; the
// geometry is DiskGeometry.h, the painting scheibe/view.

#include <cstdint>
#include <optional>
#include <string>

#include "scheibe/model/DiskGeometry.h"
#include "toolkit/model/Controls.h"

class TForm1;
class StringGrid;
struct UpDown;

class DiskForm {
 public:
  // The table the disk shows, by RadioGroup1's item index.
  static constexpr int kEncryption = 0;  // "Verschlüsselung": StringGrid1, Edit2
  static constexpr int kDecryption = 1;  // "Entschlüsselung": StringGrid2, Edit6

  explicit DiskForm(TForm1& main);
  DiskForm(const DiskForm&) = delete;
  DiskForm& operator=(const DiskForm&) = delete;

  // Controls, in tab order.
  Control Disk;            // the disk: turned by dragging its inner ring, the wheel and the keys
  RadioGroup RadioGroup1;  // "Tabelle": "Verschlüsselung", "Entschlüsselung"
  Edit Edit1;              // the pair line under the disk: "Verschiebung 17: A wird zu R"

  // What a screen reader hears when the learner turns the disk: the new pair line.
  Announcement Announcer;

  // What the disk shows: the chosen table's row 0, its spinner's shift, the
  // inner ring's position, and the column of the character its last step
  // enciphered (deciphered), if that character is in the alphabet.
  const std::string& Alphabet() const { return alphabet_; }
  int Shift() const { return shift_; }
  int Turn() const { return DiskTurn(shift_, static_cast<int>(alphabet_.size())); }
  std::optional<int> Lit() const { return lit_; }
  // The chosen spinner's range, which the disk turns within.
  int MinShift() const;
  int MaxShift() const;
  // Moves on whenever anything the disk shows changes.
  std::uint64_t Revision() const { return revision_; }

  // Handlers.
  void FormShow();          // reads the main window afresh; nothing is lit
  void RadioGroup1Click();  // the other table

  // After anything the main window did: follows its shift, alphabet and steps.
  void Follow();

  // Turns the disk by whole positions, each one a click on the chosen table's
  // spinner (up for a positive count), and stops where the spinner stops.
  // The learner hears the new pair line. Returns whether the shift moved.
  bool TurnBy(int positions);
  // Turns it to a shift within the spinner's range, the same way.
  bool TurnTo(int shift);

 private:
  UpDown& Spinner() const;
  void (TForm1::*SpinnerClick() const)();
  StringGrid& Table() const;
  std::size_t Position() const;  // the chosen side's next character
  std::string PairLine() const;

  TForm1& main_;
  std::string alphabet_;
  int shift_ = 0;
  int side_ = kEncryption;
  std::size_t position_ = 1;
  std::optional<int> lit_;
  std::uint64_t revision_ = 0;
};
