#pragma once
// The dialog "Übungstext", modal over the main window: the length of the
// text, "Neuen Text holen" (which puts the ciphertext into the main window
// and closes the dialog, so the learner can set to work), "Lösung zeigen",
// "Als Aufgabe speichern ...", "Schließen". Following the zoom. Every handler
// that changes the main window runs through the main window's binder.

#include <QDialog>

#include <functional>
#include <memory>
#include <vector>

#include "toolkit/view/form/ControlRow.h"

class ControlTable;
class ExerciseForm;
class FormBinder;

class ExerciseDialog : public QDialog {
  Q_OBJECT

 public:
  ExerciseDialog(ExerciseForm& form, FormBinder& mainBinder, QWidget* owner);
  ~ExerciseDialog() override;

  // The rows of the control table, for the help; no widgets are made.
  static std::vector<ControlRow> ControlRows(ExerciseForm& form);

 Q_SIGNALS:
  void HelpWanted(const QString& control);

 private:
  void ApplyZoom(int percent);
  // A handler of the form, which may change the main window; a new text
  // closes the dialog, for the learner goes to work on it there.
  void RunOnMain(const std::function<void()>& handler, bool thenClose);

  ExerciseForm& form_;
  FormBinder& mainBinder_;
  FormBinder* binder_;
  std::unique_ptr<ControlTable> controls_;
};
