#pragma once
// An exercise in progress, followed while the learner cracks it in the main
// window. The main window tells the session what happens there (the
// decryption shift set, the decrypted text changed, "Lösung zeigen", the
// ciphertext typed over, loaded or cleared) and shows the messages it answers
// with. The session reads no window and shows nothing itself; its messages
// are Windows-1252.

#include <cstddef>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "uebung/model/Exercise.h"

// How the main window's decryption shift came to stand where it stands.
enum class ShiftSource {
  Spinner,            // a click on a shift spinner, or the cipher disk turned like one
  FrequencyAnalysis,  // "Verschiebung übernehmen" in "Kryptoanalyse -- Einzelzeichen"
  BruteForce,         // "Verschiebung übernehmen" in the brute-force window
};

enum class ExercisePhase {
  None,     // no exercise: none started yet, or the last one has ended
  Running,  // the ciphertext waits to be cracked
  Solved,   // the learner reached the expected text; said once
  GivenUp,  // "Lösung zeigen" told the solution; a later solve says nothing
};

class ExerciseSession {
 public:
  // Starts an exercise, once the main window shows its ciphertext. A running
  // one ends without a word. decryptionShift: where the main window's
  // decryption shift stands now, before the learner has set any.
  void Start(Exercise exercise, int decryptionShift);

  // The main window's decryption shift now stands at shift (as Edit6 shows
  // it), set the way source says. Only a shift the decrypted text is then
  // made with counts as tried: spinning past shifts tries none of them.
  void DecryptionShiftSet(int shift, ShiftSource source);

  // The decrypted-text field now holds text (the whole of it). The shift in
  // use counts as tried once the field holds anything. Gives the message for
  // the learner the first time the text is the one that cracks the exercise:
  // "Geknackt! Die Verschiebung ist 7. Gefunden mit der Häufigkeitsanalyse;
  // 2 Verschiebungen ausprobiert." Nothing otherwise: a wrong decryption is
  // no news to the learner, who sees it.
  std::optional<std::string> DecryptedTextChanged(std::string_view text);

  // "Lösung zeigen": the learner gives up, and learns the shift and the
  // plaintext: "Die Verschiebung ist 7. Der Klartext lautet: …". Asked again,
  // or after a solve, it says the same once more; without an exercise, nothing.
  std::optional<std::string> ShowSolution();

  // The ciphertext was typed over, loaded or cleared: the exercise is over,
  // without a word.
  void End();

  ExercisePhase Phase() const { return phase_; }
  // The exercise started last, also once it has ended: the one a new exercise
  // should not repeat. nullptr before the first.
  const Exercise* LastExercise() const { return exercise_ ? &*exercise_ : nullptr; }
  // How many different shifts the decrypted text has been made with.
  std::size_t ShiftsTried() const { return tried_.size(); }

 private:
  int Reduced(int shift) const;
  std::string SolvedMessage() const;

  ExercisePhase phase_ = ExercisePhase::None;
  std::optional<Exercise> exercise_;
  int shift_ = 0;                      // the decryption shift, reduced into 0 to N - 1
  std::optional<ShiftSource> source_;  // none: the shift stood so when the exercise began
  std::set<int> tried_;
};
