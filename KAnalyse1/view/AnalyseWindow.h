#pragma once
// The modal window "Kryptoanalyse -- Einzelzeichen": the analysis table, the
// recommended shift with its alternatives and error sums, the tolerance spinner
// and the two sort buttons, each at its place, bound to TForm2. It decides
// nothing: clicks go to TForm2's handlers, Sync() shows what they changed, and
// the dialog closes once a handler has set TForm2::ModalResult.

#include "toolkit/view/ModalFormDialog.h"

class TForm2;

class AnalyseWindow : public ModalFormDialog {
  Q_OBJECT

 public:
  // The window is centred on owner (the main window) whenever it is shown.
  explicit AnalyseWindow(TForm2& form, QWidget* owner = nullptr);

  // Runs TForm2's FormCreate and shows its result. The program calls it once,
  // when it creates its windows at start-up.
  void Create();

 private:
  void BuildLabels();
  void BuildFields();
  void BuildGrid();
  void BuildButtons();

  TForm2& form_;
};
