#pragma once
// What an analysis window hands back to the main window once it has closed:
// the shift the learner took over with "Verschiebung übernehmen", or nothing
// after "Beenden" and the close box. Both analyses offer it and the main
// window reads it after the showing, so the shift travels one way only, from
// the analysis to the decryption, as the ciphertext travels the other way in
// AnalysisText.

#include <optional>

class ShiftTaker {
 public:
  // The shift taken in the last showing; nothing until the learner takes one.
  virtual std::optional<int> TakenShift() const = 0;

 protected:
  ~ShiftTaker() = default;
};
