// The immediate runs of the main window on the model alone, over a plaintext
// as long as a field holds, with the 60-character alphabet.
#include <memory>

#include "allgfunkt/PosixDrive.h"
#include "bench/NullPlatform.h"
#include "bench/SampleText.h"
#include "bench/Scenario.h"
#include "maincaesar/model/TForm1.h"

namespace {

struct Workbench {
  CipherCore core;
  bench::NullPlatform platform;
  PosixDrive driveA{"/nonexistent/Laufwerk-A", false};  // nothing here saves
  TForm1 form{core, platform, driveA};
  std::string plaintext;  // upper-cased, for the decryption check
};

// A started main window with the extended alphabet and a full plaintext field.
std::shared_ptr<Workbench> StartWithLongPlaintext() {
  auto w = std::make_shared<Workbench>();
  w->form.FormCreate();
  w->form.FormShow();
  w->form.RadioGroup1.ItemIndex = 3;  // "erweiterte Zeichenliste", 60 characters
  w->form.RadioGroup1Click();
  w->form.Edit1.SetText(bench::RepeatToLength(bench::GermanSampleText(), kMaxFieldLength));
  return w;
}

const bench::Registration kEncryptAll{
    {"steps/model/alles verschlüsseln 65535 chars, 60-char alphabet", [] {
       auto w = StartWithLongPlaintext();
       return bench::Run{[w] { w->form.BitBtn3Click(); },
                         [w] { return w->form.Edit3.Text().size() == kMaxFieldLength; }};
     }}};

const bench::Registration kDecryptAll{
    {"steps/model/sofort alle Zeichen entschlüsseln 65535 chars, 60-char alphabet", [] {
       auto w = StartWithLongPlaintext();
       w->form.BitBtn3Click();
       w->plaintext = w->form.Edit1.Text();
       return bench::Run{[w] { w->form.BitBtn9Click(); },
                         [w] { return w->form.Edit5.Text() == w->plaintext; }};
     }}};

}  // namespace
