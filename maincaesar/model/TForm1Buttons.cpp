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

void TForm1::BitBtn10Click() { OpenAnalysis(kForm2); }  // "Kryptoanalyse Einzelzeichen"

void TForm1::BitBtn11Click() {  // "Kryptoanalyse Zeichenpaare", disabled for good
  Edit1.SetText(UpcaseText(Edit1.Text()));
}

void TForm1::BitBtn12Click() {  // "brachiale Kryptoanalyse (Brute Force)"
  OpenAnalysis(kForm3);
}

void TForm1::OpenAnalysis(ModalForm form) {
  Edit3.SetText(UpcaseText(Edit3.Text()));
  core_.AnalysisText = Edit3.Text();
  RadioGroup1Click();  // the analysis reads AlphabetSize, which this sets
  if (core_.AnalysisText.empty()) {
    platform_.ShowMessage(MessageKind::Error, W("Kein Text zum Analysieren vorhanden!"),
                          MessageButtons::Ok);
  } else {
    platform_.ShowModal(form);
  }
  Edit3.SetText(core_.AnalysisText);
}
