#include "uebung/model/ExerciseSession.h"

#include "toolkit/model/Win1252.h"

namespace {

// "Gefunden mit der Häufigkeitsanalyse": how the shift that cracked the text
// came to stand; source none means it stood there when the exercise began.
std::string FoundBy(std::optional<ShiftSource> source) {
  if (!source) return "Sie war schon eingestellt";
  switch (*source) {
    case ShiftSource::Spinner:
      return "Von Hand eingestellt";
    case ShiftSource::FrequencyAnalysis:
      return W("Gefunden mit der Häufigkeitsanalyse");
    case ShiftSource::BruteForce:
      return "Gefunden mit der brachialen Kryptoanalyse";
  }
  return {};
}

std::string Tried(std::size_t shifts) {
  return std::to_string(shifts) + (shifts == 1 ? " Verschiebung" : " Verschiebungen") +
         " ausprobiert";
}

}  // namespace

void ExerciseSession::Start(Exercise exercise, int decryptionShift) {
  exercise_ = std::move(exercise);
  phase_ = ExercisePhase::Running;
  tried_.clear();
  shift_ = Reduced(decryptionShift);
  source_.reset();
}

void ExerciseSession::DecryptionShiftSet(int shift, ShiftSource source) {
  if (phase_ == ExercisePhase::None) return;
  shift_ = Reduced(shift);
  source_ = source;
}

std::optional<std::string> ExerciseSession::DecryptedTextChanged(std::string_view text) {
  if (phase_ != ExercisePhase::Running || text.empty()) return std::nullopt;
  tried_.insert(shift_);
  if (text != exercise_->ExpectedText) return std::nullopt;
  phase_ = ExercisePhase::Solved;
  return SolvedMessage();
}

std::optional<std::string> ExerciseSession::ShowSolution() {
  if (phase_ == ExercisePhase::None) return std::nullopt;
  if (phase_ == ExercisePhase::Running) phase_ = ExercisePhase::GivenUp;
  return "Die Verschiebung ist " + std::to_string(exercise_->Shift) +
         ". Der Klartext lautet: " + exercise_->PlainText;
}

void ExerciseSession::End() {
  phase_ = ExercisePhase::None;
}

int ExerciseSession::Reduced(int shift) const {
  // The main window's table treats a shift of N or more as its remainder; a
  // spinner can stand there after a switch to a smaller alphabet.
  const int n = exercise_->AlphabetSize;
  return n > 0 ? ((shift % n) + n) % n : shift;
}

std::string ExerciseSession::SolvedMessage() const {
  std::string text = "Geknackt! Die Verschiebung ist " + std::to_string(exercise_->Shift) + ". ";
  // How it was found is only known when the shift in use is the secret one;
  // the learner may also have typed the text or written over a table cell.
  if (shift_ == exercise_->Shift)
    text += FoundBy(source_) + "; " + Tried(tried_.size()) + ".";
  else
    text += Tried(tried_.size()) + ".";
  return text;
}
