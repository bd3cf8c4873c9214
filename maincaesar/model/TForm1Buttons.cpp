// TForm1: the clear and restart buttons and the two analysis launchers.
#include "maincaesar/model/TForm1.h"

#include "ciphercore/Upcase.h"
#include "toolkit/model/Win1252.h"

void TForm1::BitBtn6Click() {  // "Geheimtext löschen"
  Edit3.SetText({});
  State.EncPos = 1;
  BitBtn1.Enabled = true;
  BitBtn2.Enabled = true;
  BitBtn3.Enabled = true;
}

void TForm1::BitBtn13Click() {  // "entschlüsselten Klartext löschen"
  Edit5.SetText({});
  State.DecPos = 1;
  BitBtn7.Enabled = true;
  BitBtn8.Enabled = true;
  BitBtn9.Enabled = true;
}

void TForm1::BitBtn14Click() {  // "von vorn beginnen" (encryption)
  State.EncPos = 1;
  ShowPositionMarker(1);
  Edit3.SetText({});
  BitBtn1.Enabled = true;
  BitBtn2.Enabled = true;
  State.GridSelectionCleared = true;
}

void TForm1::BitBtn15Click() {  // "von vorn beginnen" (decryption)
  Edit3.SetText(UpcaseText(Edit3.Text()));
  State.DecPos = 1;
  Edit5.SetText({});
  BitBtn7.Enabled = true;
  BitBtn8.Enabled = true;
  State.GridSelectionCleared = true;
}

void TForm1::BitBtn16Click() {  // "Klartext löschen"
  Edit1.SetText({});
  State.EncPos = 1;
  ShowPositionMarker(1);
  Edit3.SetText({});
  Edit5.SetText({});
  BitBtn7.Enabled = true;
  BitBtn8.Enabled = true;
  State.GridSelectionCleared = true;
}

void TForm1::BitBtn10Click() {  // "Kryptoanalyse Einzelzeichen"
  OpenAnalysis(kForm2, frequencyAnalysis_);
}

void TForm1::BitBtn11Click() {  // "Kryptoanalyse Zeichenpaare", disabled for good
  Edit1.SetText(UpcaseText(Edit1.Text()));
}

void TForm1::BitBtn12Click() {  // "brachiale Kryptoanalyse (Brute Force)"
  OpenAnalysis(kForm3, bruteForce_);
}

void TForm1::ReadTakenShiftsFrom(const ShiftTaker& frequencyAnalysis,
                                 const ShiftTaker& bruteForce) {
  frequencyAnalysis_ = &frequencyAnalysis;
  bruteForce_ = &bruteForce;
}

void TForm1::OpenAnalysis(ModalForm form, const ShiftTaker* taker) {
  Edit3.SetText(UpcaseText(Edit3.Text()));
  core_.AnalysisText = Edit3.Text();
  RadioGroup1Click();  // the analysis reads AlphabetSize, which this sets
  std::optional<int> taken;
  if (core_.AnalysisText.empty()) {
    platform_.ShowMessage(MessageKind::Error, W("Kein Text zum Analysieren vorhanden!"),
                          MessageButtons::Ok);
  } else {
    // The modal result says nothing the window's own state does not: "Beenden"
    // and the close box hand nothing back, "Verschiebung übernehmen" the shift
    // the analysis found.
    platform_.ShowModal(form);
    if (taker) taken = taker->TakenShift();
  }
  Edit3.SetText(core_.AnalysisText);
  if (taken) {
    TakeShift(*taken);
    shiftTakenFrom_ = form;
  }
}

void TForm1::TakeShift(int shift) {
  // Both analyses name the shift that enciphered the text, which is the shift
  // the decryption table needs to give the plaintext back. A shift the spinner
  // can stand on goes in as it is, as a click would leave it; any other one
  // first comes round into 0..N - 1, which builds the same table.
  if (shift < UpDown2.Min || shift > UpDown2.Max) {
    const int columns = StringGrid2.ColCount();
    if (columns <= 0) return;  // no table yet: nothing to set
    shift = ((shift % columns) + columns) % columns;
  }
  UpDown2.Position = shift;
  UpDown2Click();
}
