#pragma once
// The modal window "Kryptoanalyse -- Einzelzeichen": the analysis table, the
// recommended shift with its alternatives and error sums, the tolerance spinner
// and the two sort buttons; "Diagramm", which puts the frequency chart with
// its spinner and line in the table's place, and "Verschiebung übernehmen".
// Each control is described by one row of the window's control table and
// bound to TForm2. It decides nothing: clicks and slides go to TForm2's
// handlers, Sync() shows what they changed, and the dialog closes once a
// handler has set the modal result of TForm2's frame.

#include <vector>

#include "toolkit/view/form/ModalFormDialog.h"

class TForm2;

class AnalyseWindow : public ModalFormDialog {
  Q_OBJECT

 public:
  // The window is centred on owner (the main window) whenever it is shown.
  explicit AnalyseWindow(TForm2& form, QWidget* owner = nullptr);

  // The window's control table, for the help, without making the window.
  static std::vector<ControlRow> ControlRows(TForm2& form);
};
