#include "uebung/model/ExerciseForm.h"

#include "maincaesar/model/TForm1.h"
#include "toolkit/model/Win1252.h"

ExerciseForm::ExerciseForm(TForm1& main, Platform& platform, RandomSource& random)
    : main_(main), platform_(platform), random_(random) {
  ShowState();
}

const Exercise* ExerciseForm::Current() const {
  const ExercisePhase phase = session_.Phase();
  if (phase == ExercisePhase::None || main_.Edit3.Revision() != edit3Revision_) return nullptr;
  return session_.LastExercise();
}

void ExerciseForm::ShowState() {
  const Exercise* exercise = Current();
  BitBtn2.Enabled = Running();
  // A teacher may look at the solution before handing the task out.
  BitBtn3.Enabled = exercise != nullptr;
  switch (exercise ? session_.Phase() : ExercisePhase::None) {
    case ExercisePhase::None:
      RichEdit1.Text = W("Keine Übung. Wähle eine Länge und hole einen neuen Text.");
      break;
    case ExercisePhase::Running:
      RichEdit1.Text = W("Der Geheimtext steht im Hauptfenster: ") +
                       std::to_string(exercise->CipherText.size()) + W(" Zeichen, Alphabet mit ") +
                       std::to_string(exercise->AlphabetSize) +
                       W(" Zeichen. Finde die Verschiebung!");
      break;
    case ExercisePhase::Solved:
      RichEdit1.Text = W("Geknackt! Hol dir einen neuen Text.");
      break;
    case ExercisePhase::GivenUp:
      RichEdit1.Text = W("Die Lösung ist gezeigt. Hol dir einen neuen Text.");
      break;
  }
}

void ExerciseForm::FormShow() {
  Follow();
  ShowState();
}

void ExerciseForm::BitBtn1Click() {  // "Neuen Text holen"
  ExerciseOptions options;
  options.Length = static_cast<TextLength>(RadioGroup1.ItemIndex);
  options.AlphabetOption = main_.RadioGroup1.ItemIndex;
  options.UnknownOption = main_.RadioGroup2.ItemIndex;
  Exercise exercise = MakeExercise(options, random_, session_.LastExercise());
  main_.TakeCipherText(exercise.CipherText);
  session_.Start(std::move(exercise), main_.State.DecShift);
  edit3Revision_ = main_.Edit3.Revision();
  edit5Revision_ = main_.Edit5.Revision();
  decShift_ = main_.State.DecShift;
  takenFrom_ = main_.ShiftTakenFrom();
  cracked_.reset();
  ShowState();
  // The dialog closes on a new text: a screen reader hears where it went.
  main_.Announcer.Say(RichEdit1.Text);
}

void ExerciseForm::BitBtn2Click() {  // "Lösung zeigen"
  Follow();  // a ciphertext typed over has ended the exercise
  if (const std::optional<std::string> solution = session_.ShowSolution())
    platform_.ShowMessage(MessageKind::Information, *solution, MessageButtons::Ok);
  ShowState();
}

void ExerciseForm::BitBtn3Click() {  // "Als Aufgabe speichern ..."
  // The exercise's ciphertext stands unchanged in Edit3 (solved, given up or
  // not): saving it is "Geheimtext speichern ..." with its questions.
  if (Current()) main_.BitBtn5Click();
  Follow();
}

void ExerciseForm::Follow() {
  if (session_.Phase() == ExercisePhase::None) return;
  if (main_.Edit3.Revision() != edit3Revision_) {
    session_.End();
    cracked_.reset();
    ShowState();
    return;
  }
  // An analysis may take over the very shift that stands already: the
  // shift is the same, where it came from is not.
  if (main_.State.DecShift != decShift_ || main_.ShiftTakenFrom() != takenFrom_) {
    decShift_ = main_.State.DecShift;
    takenFrom_ = main_.ShiftTakenFrom();
    const std::optional<ModalForm> from = takenFrom_;
    session_.DecryptionShiftSet(decShift_, !from                     ? ShiftSource::Spinner
                                           : *from == TForm1::kForm2 ? ShiftSource::FrequencyAnalysis
                                                                     : ShiftSource::BruteForce);
  }
  // Every step of a run comes here: the state shown changes only when the
  // text is cracked.
  if (main_.Edit5.Revision() != edit5Revision_) {
    edit5Revision_ = main_.Edit5.Revision();
    if (std::optional<std::string> message = session_.DecryptedTextChanged(main_.Edit5.Text())) {
      cracked_ = std::move(message);
      ShowState();
    }
  }
}

void ExerciseForm::ShowCracked() {
  if (!cracked_) return;
  const std::string message = std::move(*cracked_);
  cracked_.reset();
  platform_.ShowMessage(MessageKind::Information, message, MessageButtons::Ok);
}
