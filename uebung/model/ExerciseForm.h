#pragma once
// ExerciseForm, the model of the dialog "Übungstext": a practice ciphertext
// of the length the learner chooses, put into the main window as if it had
// been read from drive A:, and followed there until it is cracked ("Geknackt!"
// once), given up ("Lösung zeigen") or ended (the ciphertext typed over,
// loaded or cleared). It changes the main window only as its own handlers do
// and draws nothing: uebung/view shows it.

#include <optional>
#include <string>

#include "toolkit/model/Controls.h"
#include "toolkit/model/Platform.h"
#include "uebung/model/Exercise.h"
#include "uebung/model/ExerciseSession.h"

class TForm1;

class ExerciseForm {
 public:
  ExerciseForm(TForm1& main, Platform& platform, RandomSource& random);
  ExerciseForm(const ExerciseForm&) = delete;
  ExerciseForm& operator=(const ExerciseForm&) = delete;

  // Controls, in tab order.
  RadioGroup RadioGroup1;  // "Länge": kurz, mittel, lang, sehr lang (by TextLength)
  Button BitBtn1;          // "Neuen Text holen"
  Button BitBtn2;          // "Lösung zeigen", while an exercise waits
  Button BitBtn3;          // "Als Aufgabe speichern ...", while an exercise waits
  RichEdit RichEdit1;      // what the exercise is about, wrapped
  Button BitBtn4;          // "Schließen": the dialog closes, the exercise goes on

  // Handlers.
  void FormShow();
  void BitBtn1Click();  // a new exercise into the main window
  void BitBtn2Click();  // the solution in a box; the exercise counts as given up
  void BitBtn3Click();  // its ciphertext to drive A: as GEHEIM.TXT, with the usual questions

  // After anything the main window did: ends the exercise when its
  // ciphertext is gone, notes the shifts tried, and keeps "Geknackt!" for
  // ShowCracked once the decrypted text is the solution.
  void Follow();
  // Says "Geknackt!" in a box, if the learner has just cracked it. The view
  // calls it once the main window's handler is over, never in its middle.
  void ShowCracked();

  // Typing into the ciphertext raises no handler of the main window: an
  // exercise whose ciphertext has changed is over from that moment, before
  // Follow has noticed.
  bool Running() const { return Current() && session_.Phase() == ExercisePhase::Running; }
  bool CrackedToSay() const { return cracked_.has_value(); }
  // The secret of the exercise whose ciphertext the main window holds.
  const Exercise* Current() const;

 private:
  void ShowState();

  TForm1& main_;
  Platform& platform_;
  RandomSource& random_;
  ExerciseSession session_;
  std::uint64_t edit3Revision_ = 0;
  std::uint64_t edit5Revision_ = 0;
  int decShift_ = 0;
  std::optional<ModalForm> takenFrom_;
  std::optional<std::string> cracked_;
};
