// TForm1: saving the ciphertext and the plaintext on drive A: and loading them
// back, each as a one-line file, with the questions and messages around it.
#include "maincaesar/model/TForm1.h"

#include "allgfunkt/CheckDrive.h"
#include "ciphercore/Upcase.h"
#include "toolkit/model/Win1252.h"

#include <utility>

// The ciphertext and the plaintext are stored the same way; only these differ.
// Texts are UTF-8 source literals.
struct DisketteTwin {
  const char* File;     // in the root of drive A:
  Edit TForm1::*Field;  // the field saved and loaded
  FileResult (TForm1::*Save)();
  FileResult (TForm1::*Load)();
  const char* SaveQuestion;
  const char* LoadQuestion;
  const char* OverwriteQuestion;
  const char* Saved;
  const char* Missing;
  bool LoadRestartsEncryption;  // a new plaintext makes the old ciphertext meaningless
};

namespace {

const DisketteTwin kCipherText{
    TForm1::kCipherTextFile,
    &TForm1::Edit3,
    &TForm1::SaveCipherText,
    &TForm1::LoadCipherText,
    "Soll der Geheimtext jetzt auf\reiner Diskette gespeichert werden?",
    "Soll der Geheimtext jetzt von\reiner Diskette eingelesen werden?",
    "Soll der vorhandene Geheimtext\rauf der Diskette überschrieben werden?",
    "Geheimtext auf Diskette gespeichert!",
    "Es ist kein Geheimtext\rauf der Diskette vorhanden!",
    false,
};

const DisketteTwin kPlainText{
    TForm1::kPlainTextFile,
    &TForm1::Edit1,
    &TForm1::SavePlainText,
    &TForm1::LoadPlainText,
    "Soll der Klartext jetzt auf\reiner Diskette gespeichert werden?",
    "Soll der Klartext jetzt von\reiner Diskette eingelesen werden?",
    "Soll der vorhandene Klartext\rauf der Diskette überschrieben werden?",
    "Klartext auf Diskette gespeichert!",
    "Es ist kein Klartext\rauf der Diskette vorhanden!",
    true,
};

}  // namespace

void TForm1::BitBtn5Click() {  // "Geheimtext speichern ..."
  SaveClick(kCipherText);
}
void TForm1::BitBtn18Click() {  // "Klartext speichern ..."
  SaveClick(kPlainText);
}
void TForm1::BitBtn4Click() {  // "Geheimtext einlesen ..."
  LoadClick(kCipherText);
}
void TForm1::BitBtn17Click() {  // "Klartext einlesen ..."
  LoadClick(kPlainText);
}

FileResult TForm1::SaveCipherText() {
  return SaveText(kCipherText);
}
FileResult TForm1::SavePlainText() {
  return SaveText(kPlainText);
}
FileResult TForm1::LoadCipherText() {
  return LoadText(kCipherText);
}
FileResult TForm1::LoadPlainText() {
  return LoadText(kPlainText);
}

DiskettePrompt TForm1::PromptForDiskette() {
  const MessageAnswer answer = platform_.ShowMessage(
      MessageKind::Confirmation,
      W("Bitte eine Diskette in das Laufwerk A: einlegen!\rDanach dann bei \"OK\" bestätigen!"),
      MessageButtons::OkCancel);
  if (answer != MessageAnswer::Ok) return DiskettePrompt::Cancelled;
  if (CheckDrive(driveA_)) return DiskettePrompt::Ready;
  // No diskette can help when the folder standing for the drive cannot be
  // made: the learner hears why once, and the operation ends as if cancelled
  // instead of asking for a diskette again and again.
  if (const auto problem = driveA_.CreationProblem()) {
    platform_.ShowMessage(MessageKind::Error, FolderProblemText(*problem), MessageButtons::Ok);
    return DiskettePrompt::Cancelled;
  }
  return DiskettePrompt::NotReady;
}

void TForm1::SaveClick(const DisketteTwin& twin) {
  Edit& field = this->*twin.Field;
  // The learner sees the upper-cased text before deciding, and keeps it whatever the answer.
  field.SetText(UpcaseText(field.Text()));
  if (platform_.ShowMessage(MessageKind::Confirmation, W(twin.SaveQuestion),
                            MessageButtons::YesNo) != MessageAnswer::Yes)
    return;
  DiskettePrompt prompt;
  do prompt = PromptForDiskette();
  while (prompt == DiskettePrompt::NotReady);
  if (prompt == DiskettePrompt::Ready) Succeeded((this->*twin.Save)(), twin);
}

void TForm1::LoadClick(const DisketteTwin& twin) {
  DiskettePrompt prompt = DiskettePrompt::Cancelled;
  if (platform_.ShowMessage(MessageKind::Confirmation, W(twin.LoadQuestion),
                            MessageButtons::YesNo) == MessageAnswer::Yes) {
    do prompt = PromptForDiskette();
    while (prompt == DiskettePrompt::NotReady);
  }
  if (prompt == DiskettePrompt::Ready) {
    Edit1.SetText({});
    // The load's own messages (no diskette, no file) do not end the handler, so
    // a missing ciphertext still leaves the plaintext and deciphered text empty;
    // an input/output error does end it.
    if (!Succeeded((this->*twin.Load)(), twin)) return;
    StartAnewAfterLoad(twin);
  }
  FinishLoad(twin);
}

void TForm1::StartAnewAfterLoad(const DisketteTwin& twin) {
  if (twin.LoadRestartsEncryption) {
    Edit3.SetText({});
    State.EncPos = 1;
  }
  Edit5.SetText({});
  State.DecPos = 1;
}

void TForm1::FinishLoad(const DisketteTwin& twin) {
  BitBtn7.Enabled = true;
  BitBtn8.Enabled = true;
  Edit& field = this->*twin.Field;
  field.SetText(UpcaseText(field.Text()));
}

void TForm1::TakeCipherText(std::string text) {
  // As "Geheimtext einlesen ..." leaves a text it has read.
  Edit1.SetText({});
  Edit3.SetText(std::move(text));
  StartAnewAfterLoad(kCipherText);
  FinishLoad(kCipherText);
}

namespace {

constexpr char kSaveProblem[] = "Problem beim Speichern aufgetreten!";
constexpr char kLoadProblem[] = "Problem beim Lesen von Diskette aufgetreten!";

}  // namespace

FileResult TForm1::SaveText(const DisketteTwin& twin) {
  if (!CheckDrive(driveA_)) {
    platform_.ShowMessage(MessageKind::Error, kSaveProblem, MessageButtons::Ok);
    return {};
  }
  // No question about overwriting a "text" that is a folder or a pipe.
  if (const auto kind = driveA_.NotAFile(twin.File)) return FileResult::NotAFile(*kind);
  if (driveA_.FileExists(twin.File) &&
      platform_.ShowMessage(MessageKind::Confirmation, W(twin.OverwriteQuestion),
                            MessageButtons::YesNo) == MessageAnswer::No)
    return {};
  const FileResult written = driveA_.WriteLine(twin.File, (this->*twin.Field).Text());
  if (written.Status == FileStatus::FolderGone) {
    // The medium went after the check: the same as when the check had found it gone.
    platform_.ShowMessage(MessageKind::Error, kSaveProblem, MessageButtons::Ok);
    return {};
  }
  if (!written.Ok()) return written;
  platform_.ShowMessage(MessageKind::Information, W(twin.Saved), MessageButtons::Ok);
  return {};
}

FileResult TForm1::LoadText(const DisketteTwin& twin) {
  if (!CheckDrive(driveA_)) {
    platform_.ShowMessage(MessageKind::Error, kLoadProblem, MessageButtons::Ok);
    return {};
  }
  if (!driveA_.FileExists(twin.File)) {
    platform_.ShowMessage(MessageKind::Error, W(twin.Missing), MessageButtons::Ok);
    return {};
  }
  FirstLine line = driveA_.ReadFirstLine(twin.File, kMaxFieldLength);
  if (line.Result.Status == FileStatus::FolderGone) {
    platform_.ShowMessage(MessageKind::Error, kLoadProblem, MessageButtons::Ok);
    return {};
  }
  // The field is filled before the file is closed, so a failure to close still
  // leaves the text in the field.
  if (line.Text) (this->*twin.Field).SetText(std::move(*line.Text));
  return line.Result;
}

bool TForm1::Succeeded(const FileResult& result, const DisketteTwin& twin) {
  if (result.Ok()) return true;
  platform_.ShowMessage(MessageKind::Error, FileErrorText(result, twin.File), MessageButtons::Ok);
  return false;
}
