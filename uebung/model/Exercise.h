#pragma once
// An exercise: a practice text the program enciphers with a secret shift for
// the learner to crack in the main window. It is made for the main window's
// current options, so the ciphertext is the one "alles verschlüsseln" would
// make there, and the text the learner must reach is the one "sofort alle
// Zeichen entschlüsseln" gives with the right shift.
//
// Chance comes in from outside (RandomSource), so that a test can repeat it.
// Following the learner's attempts is ExerciseSession's job, not this one's.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <random>
#include <string>

#include "uebung/model/PracticeTexts.h"

// Where an exercise's chance comes from.
class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // A whole number from 0 to count - 1, each equally likely; count >= 1.
  virtual int Below(int count) = 0;
};

// std::mt19937 with a seed. The same seed gives the same draws with every
// compiler and library: the engine is the same everywhere, and the drawing of
// a number below count is the program's own, not a library distribution.
class SeededRandom final : public RandomSource {
 public:
  explicit SeededRandom(std::uint32_t seed) : engine_(seed) {}
  int Below(int count) override;

 private:
  std::mt19937 engine_;
};

// The main window's options an exercise is made for.
struct ExerciseOptions {
  TextLength Length = TextLength::Kurz;
  int AlphabetOption = 2;  // RadioGroup1.ItemIndex: 0 to 3 for 26, 27, 37, 60 characters
  int UnknownOption = 1;   // RadioGroup2.ItemIndex, see TextCipher.h
};

struct Exercise {
  TextLength Length = TextLength::Kurz;
  std::size_t TextIndex = 0;  // position of the text in PracticeTexts(Length)
  int AlphabetSize = 0;       // 26, 27, 37 or 60
  int UnknownOption = 1;
  int Shift = 0;           // the secret, 1 to AlphabetSize - 1
  std::string PlainText;   // the practice text upper-cased, as a load leaves a text
  std::string CipherText;  // PlainText enciphered with Shift; already upper-case
  // CipherText deciphered with Shift: the decrypted text that cracks the
  // exercise. It lacks the characters "überspringen" left out, and with
  // "Leerzeichen" a blank that stood for one may come back as another character.
  std::string ExpectedText;
};

// A new exercise for the options: a text of the length asked for, other than
// the previous exercise's text where the class has another, and a shift other
// than the previous exercise's shift. previous: the exercise before, if any.
Exercise MakeExercise(const ExerciseOptions& options, RandomSource& random,
                      const Exercise* previous);

// The text a new exercise takes: any of the class, the previous exercise's
// text excepted when it is of the same class and the class has more than one.
std::size_t ChooseText(TextLength length, RandomSource& random, const Exercise* previous);

// A secret shift from 1 to alphabetSize - 1, never previousShift: a shift of 0
// would leave the text as it is.
int DrawShift(int alphabetSize, RandomSource& random, std::optional<int> previousShift);

// The exercise on text textIndex of the class with this shift (1 to
// alphabetSize - 1), for tools and tests that go over the whole collection.
Exercise BuildExercise(TextLength length, std::size_t textIndex, int alphabetSize,
                       int unknownOption, int shift);
