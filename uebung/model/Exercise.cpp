#include "uebung/model/Exercise.h"

#include "ciphercore/CipherCore.h"
#include "ciphercore/Upcase.h"
#include "ciphercore/TextCipher.h"

int SeededRandom::Below(int count) {
  if (count <= 1) return 0;
  // Of the engine's 2^32 values only the largest multiple of count is used,
  // so that every remainder is equally likely.
  const std::uint64_t n = static_cast<std::uint64_t>(count);
  const std::uint64_t usable = (std::uint64_t{1} << 32) / n * n;
  std::uint64_t value;
  do value = engine_();
  while (value >= usable);
  return static_cast<int>(value % n);
}

std::size_t ChooseText(TextLength length, RandomSource& random, const Exercise* previous) {
  const int count = static_cast<int>(PracticeTexts(length).size());
  const bool avoid = previous && previous->Length == length &&
                     previous->TextIndex < static_cast<std::size_t>(count) && count > 1;
  if (!avoid) return static_cast<std::size_t>(random.Below(count));
  // One draw among the others: the previous text's place is skipped over.
  std::size_t index = static_cast<std::size_t>(random.Below(count - 1));
  if (index >= previous->TextIndex) ++index;
  return index;
}

int DrawShift(int alphabetSize, RandomSource& random, std::optional<int> previousShift) {
  const int shifts = alphabetSize - 1;  // 1 to N - 1
  const bool avoid = shifts > 1 && previousShift && *previousShift >= 1 && *previousShift <= shifts;
  if (!avoid) return 1 + random.Below(shifts);
  int shift = 1 + random.Below(shifts - 1);
  if (shift >= *previousShift) ++shift;
  return shift;
}

Exercise BuildExercise(TextLength length, std::size_t textIndex, int alphabetSize,
                       int unknownOption, int shift) {
  Exercise e;
  e.Length = length;
  e.TextIndex = textIndex;
  e.AlphabetSize = alphabetSize;
  e.UnknownOption = unknownOption;
  e.Shift = shift;
  e.PlainText = UpcaseText(PracticeTexts(length).at(textIndex));
  e.CipherText = EncipherText(e.PlainText, alphabetSize, shift, unknownOption);
  e.ExpectedText = DecipherText(e.CipherText, alphabetSize, shift);
  return e;
}

Exercise MakeExercise(const ExerciseOptions& options, RandomSource& random,
                      const Exercise* previous) {
  const int alphabetSize = AlphabetSizeForOption(options.AlphabetOption);
  const std::size_t text = ChooseText(options.Length, random, previous);
  const int shift = DrawShift(alphabetSize, random,
                              previous ? std::optional<int>(previous->Shift) : std::nullopt);
  return BuildExercise(options.Length, text, alphabetSize, options.UnknownOption, shift);
}
